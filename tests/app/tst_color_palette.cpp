#include "app/color_palette.h"

#include "forms/form.h"
#include "forms/text_box.h"

#include <QApplication>
#include <QPalette>
#include <QTest>

#include <memory>

using namespace mMain;
using forms::ColorValue;

class TestColorPalette : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void numberSetsItsColour_data();
    void numberSetsItsColour();
    void textThatIsNotExactlyANumberChangesNothing_data();
    void textThatIsNotExactlyANumberChangesNothing();
    void silverIsMidGreyButGrayIsTheButtonFace();
    void nameGivesColourInAnyLetterCase_data();
    void nameGivesColourInAnyLetterCase();
    void namesAreListedInNumberOrder();

private:
    std::unique_ptr<forms::Form> m_form;
    forms::TextBox *m_box = nullptr;
};

void TestColorPalette::init()
{
    m_form = std::make_unique<forms::Form>(QStringLiteral("frmTest"));
    m_box = new forms::TextBox(*m_form, QStringLiteral("harc1"), false); // owned by the form
    m_box->setForeColor(0x123456);
    m_box->setBackColor(0x654321);
}

void TestColorPalette::cleanup()
{
    m_form.reset();
}

void TestColorPalette::numberSetsItsColour_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<ColorValue>("value");
    const QList<std::pair<const char *, ColorValue>> rows = {
        {"1", 0x80000008}, {"2", 0x00000080}, {"3", 0x00008000}, {"4", 0x00008080},
        {"5", 0x00800000}, {"6", 0x00800080}, {"7", 0x00808000}, {"8", 0x8000000F},
        {"9", 0x00808080}, {"10", 0x000000FF}, {"11", 0x0000FF00}, {"12", 0x0000FFFF},
        {"13", 0x00FF0000}, {"14", 0x00FF00FF}, {"15", 0x00FFFF00}, {"16", 0x80000005}};
    for (const auto &[number, value] : rows)
        QTest::newRow(number) << QString::fromLatin1(number) << value;
}

void TestColorPalette::numberSetsItsColour()
{
    QFETCH(QString, number);
    QFETCH(ColorValue, value);
    SetForeColorByNumber(*m_box, number);
    QCOMPARE(m_box->ForeColor(), value);
    QCOMPARE(m_box->BackColor(), ColorValue(0x654321));
    SetBackColorByNumber(*m_box, number);
    QCOMPARE(m_box->BackColor(), value);
}

void TestColorPalette::textThatIsNotExactlyANumberChangesNothing_data()
{
    QTest::addColumn<QString>("number");
    for (const char *text : {"", "0", "17", "01", " 1", "1 ", "+1", "1.0", "-1", "Red"})
        QTest::newRow(*text ? text : "empty") << QString::fromLatin1(text);
}

void TestColorPalette::textThatIsNotExactlyANumberChangesNothing()
{
    QFETCH(QString, number);
    SetForeColorByNumber(*m_box, number);
    SetBackColorByNumber(*m_box, number);
    QCOMPARE(m_box->ForeColor(), ColorValue(0x123456));
    QCOMPARE(m_box->BackColor(), ColorValue(0x654321));
}

void TestColorPalette::silverIsMidGreyButGrayIsTheButtonFace()
{
    SetBackColorByNumber(*m_box, "9");
    QCOMPARE(forms::resolveColor(m_box->BackColor()), QColor(128, 128, 128));
    SetBackColorByNumber(*m_box, "8");
    QCOMPARE(forms::resolveColor(m_box->BackColor()),
             QApplication::palette().color(QPalette::Button));
}

void TestColorPalette::nameGivesColourInAnyLetterCase_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<ColorValue>("value");
    QTest::newRow("as listed") << "White" << ColorValue(0x80000005);
    QTest::newRow("upper") << "WHITE" << ColorValue(0x80000005);
    QTest::newRow("mixed") << "sIlVeR" << ColorValue(0x00808080);
    QTest::newRow("listed spelling") << "fuschia" << ColorValue(0x00FF00FF);
    QTest::newRow("other spelling") << "Fuchsia" << ColorValue(0);
    QTest::newRow("grey") << "Grey" << ColorValue(0);
    QTest::newRow("padded") << " Red" << ColorValue(0);
    QTest::newRow("empty") << "" << ColorValue(0);
}

void TestColorPalette::nameGivesColourInAnyLetterCase()
{
    QFETCH(QString, name);
    QFETCH(ColorValue, value);
    QCOMPARE(ColorFromName(name), value);
}

void TestColorPalette::namesAreListedInNumberOrder()
{
    const QStringList names = colorNames();
    QCOMPARE(names.join(u','), QStringLiteral("Black,Maroon,Green,Olive,Navy,Purple,Teal,Gray,"
                                              "Silver,Red,Lime,Yellow,Blue,Fuschia,Aqua,White"));
    for (int i = 0; i < names.size(); ++i) {
        SetForeColorByNumber(*m_box, QString::number(i + 1));
        QCOMPARE(m_box->ForeColor(), ColorFromName(names[i]));
    }
}

QTEST_MAIN(TestColorPalette)
#include "tst_color_palette.moc"
