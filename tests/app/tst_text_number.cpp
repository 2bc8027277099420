#include "app/text_number.h"

#include <QTest>

using app::leadingNumber;
using app::numberText;

class TestTextNumber : public QObject
{
    Q_OBJECT

private slots:
    void leadingNumberReadsUpToTheFirstMisfit()
    {
        const std::pair<const char *, double> rows[] = {
            {"180", 180}, {".5", 0.5}, {"-5", -5}, {"+7", 7}, {" \t12x", 12}, {"2e3s", 2000}, {"25E-1", 2.5},
            {"3e+", 3},   {"abc", 0},  {"-", 0},   {".", 0},  {"- 5", 0},     {"1.2.3", 1.2}, {"1e999", 0}};
        for (const auto &[text, number] : rows)
            QVERIFY2(leadingNumber(QString::fromLatin1(text)) == number, text);
    }

    void numberTextIsPlainDecimal()
    {
        const std::pair<double, const char *> rows[] = {
            {59, "59"},           {-1, "-1"},        {-0.0, "0"}, {-0.5, "-0.5"}, {1e20, "100000000000000000000"},
            {0.00001, "0.00001"}, {0.1 + 0.2, "0.3"}};
        for (const auto &[number, text] : rows)
            QCOMPARE(numberText(number), QString::fromLatin1(text));
    }
};

QTEST_APPLESS_MAIN(TestTextNumber)
#include "tst_text_number.moc"
