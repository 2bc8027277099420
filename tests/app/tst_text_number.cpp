#include "app/text_number.h"

#include <QTest>

class TestTextNumber : public QObject
{
    Q_OBJECT

private slots:
    void leadingNumberReadsUpToTheFirstMisfit_data();
    void leadingNumberReadsUpToTheFirstMisfit();
    void numberTextIsPlainDecimal_data();
    void numberTextIsPlainDecimal();
    void pauseCountdownNeverHitsZeroForFractions();
};

void TestTextNumber::leadingNumberReadsUpToTheFirstMisfit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("number");
    QTest::newRow("whole") << "180" << 180.0;
    QTest::newRow("fraction") << "1.5" << 1.5;
    QTest::newRow("fraction only") << ".5" << 0.5;
    QTest::newRow("negative") << "-5" << -5.0;
    QTest::newRow("plus sign") << "+7" << 7.0;
    QTest::newRow("blanks then trailing text") << " \t12x" << 12.0;
    QTest::newRow("exponent") << "2e3s" << 2000.0;
    QTest::newRow("negative exponent") << "25E-1" << 2.5;
    QTest::newRow("bare exponent letter") << "3e" << 3.0;
    QTest::newRow("exponent sign without digits") << "3e+" << 3.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("sign only") << "-" << 0.0;
    QTest::newRow("point only") << "." << 0.0;
    QTest::newRow("blank inside sign") << "- 5" << 0.0;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("too large") << "1e999" << 0.0;
}

void TestTextNumber::leadingNumberReadsUpToTheFirstMisfit()
{
    QFETCH(QString, text);
    QFETCH(double, number);
    QCOMPARE(leadingNumber(text), number);
}

void TestTextNumber::numberTextIsPlainDecimal_data()
{
    QTest::addColumn<double>("number");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 59.0 << "59";
    QTest::newRow("negative") << -1.0 << "-1";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("half") << 0.5 << "0.5";
    QTest::newRow("negative half") << -0.5 << "-0.5";
    QTest::newRow("large whole, no exponent") << 1e20 << "100000000000000000000";
    QTest::newRow("small, no exponent") << 0.00001 << "0.00001";
    QTest::newRow("inexact sum") << 0.1 + 0.2 << "0.3";
}

void TestTextNumber::numberTextIsPlainDecimal()
{
    QFETCH(double, number);
    QFETCH(QString, text);
    QCOMPARE(numberText(number), text);
}

void TestTextNumber::pauseCountdownNeverHitsZeroForFractions()
{
    QString pause = "1.5";
    QStringList seen;
    for (int i = 0; i < 3; ++i) {
        pause = numberText(leadingNumber(pause) - 1);
        seen << pause;
    }
    QCOMPARE(seen, (QStringList{"0.5", "-0.5", "-1.5"}));
    QCOMPARE(numberText(leadingNumber("0") - 1), QStringLiteral("-1"));
    QCOMPARE(numberText(leadingNumber("180") - 1), QStringLiteral("179"));
}

QTEST_APPLESS_MAIN(TestTextNumber)
#include "tst_text_number.moc"
