#include "app/color_palette.h"
#include "draw/color_swatch.h"
#include "forms/form.h"
#include "forms/image_list.h"
#include "forms/picture_box.h"
#include "forms/text_box.h"

#include <QApplication>
#include <QPalette>
#include <QTest>

using namespace app::mMain;
using forms::ColorValue;

// The sixteen colours: their numbers in the settings, their names in the properties dialog and
// the swatch the dialog shows for each.
class TestColorPalette : public QObject
{
    Q_OBJECT
    forms::Form m_form{QStringLiteral("frmTest")};
    forms::PictureBox *m_area = nullptr; // shared by every swatch, as the dialog shares its scratch area
    QPalette m_scheme;

private slots:
    void initTestCase()
    {
        // A scheme far from fixed grey, white and black.
        m_scheme = QApplication::palette();
        m_scheme.setColor(QPalette::Button, QColor(12, 140, 90));
        m_scheme.setColor(QPalette::Base, QColor(250, 230, 180));
        m_scheme.setColor(QPalette::Text, QColor(70, 20, 110));
        QApplication::setPalette(m_scheme);
        m_area = new forms::PictureBox(m_form, QStringLiteral("picHidden"));
        m_area->setVisible(false);
    }

    // Only the exact text "1" to "16" sets a colour: the one of the name listed at that place.
    void numberSetsTheColourOfItsName()
    {
        auto *box = new forms::TextBox(m_form, QStringLiteral("harc1"), false);
        const QStringList names = colorNames();
        QCOMPARE(names.join(u','), "Black,Maroon,Green,Olive,Navy,Purple,Teal,Gray,Silver,Red,Lime,"
                                   "Yellow,Blue,Fuschia,Aqua,White");
        for (int i = 0; i < names.size(); ++i) {
            box->setBackColor(0x654321);
            SetForeColorByNumber(*box, QString::number(i + 1));
            QCOMPARE(box->ForeColor(), ColorFromName(names[i]));
            QCOMPARE(box->BackColor(), ColorValue(0x654321));
            SetBackColorByNumber(*box, QString::number(i + 1));
            QCOMPARE(box->BackColor(), ColorFromName(names[i]));
        }
        box->setForeColor(0x123456);
        for (const char *text : {"", "0", "17", "01", " 1", "1 ", "+1", "1.0", "-1", "Red"}) {
            SetForeColorByNumber(*box, text);
            SetBackColorByNumber(*box, text);
            QCOMPARE(box->ForeColor(), ColorValue(0x123456));
            QCOMPARE(box->BackColor(), ColorFromName("White"));
        }
        for (const char *unknown : {"Fuchsia", "Grey", " Red", ""})
            QCOMPARE(ColorFromName(unknown), ColorValue(0));
    }

    // Black, Gray and White as the scheme shows them; names in any letter case.
    void swatchShowsTheColourInABlackFrame()
    {
        const std::pair<const char *, QColor> rows[] = {{"Black", m_scheme.color(QPalette::Text)},
                                                        {"maroon", QColor(128, 0, 0)},
                                                        {"GREEN", QColor(0, 128, 0)},
                                                        {"Olive", QColor(128, 128, 0)},
                                                        {"Navy", QColor(0, 0, 128)},
                                                        {"Purple", QColor(128, 0, 128)},
                                                        {"Teal", QColor(0, 128, 128)},
                                                        {"Gray", m_scheme.color(QPalette::Button)},
                                                        {"sIlVeR", QColor(128, 128, 128)},
                                                        {"Red", QColor(255, 0, 0)},
                                                        {"Lime", QColor(0, 255, 0)},
                                                        {"Yellow", QColor(255, 255, 0)},
                                                        {"Blue", QColor(0, 0, 255)},
                                                        {"fuschia", QColor(255, 0, 255)},
                                                        {"Aqua", QColor(0, 255, 255)},
                                                        {"White", m_scheme.color(QPalette::Base)}};
        for (const auto &[name, fill] : rows) {
            QString key = QString::fromLatin1(name);
            forms::ImageList images;
            draw::MakeColorSwatch(*m_area, images, key);
            QCOMPARE(key, QString::fromLatin1(name).toUpper());
            QCOMPARE(images.Count(), 1);
            const QImage swatch = images.Image(key).toImage();
            QCOMPARE(swatch.size(), QSize(88, 12));
            for (int y = 0; y < swatch.height(); ++y) {
                for (int x = 0; x < swatch.width(); ++x) {
                    const bool edge = x == 0 || y == 0 || x == swatch.width() - 1 || y == swatch.height() - 1;
                    QVERIFY2(QColor(swatch.pixel(x, y)) == (edge ? QColor(Qt::black) : fill), name);
                }
            }
            QVERIFY(m_area->Picture().isNull());
        }
    }
};

QTEST_MAIN(TestColorPalette)
#include "tst_color_palette.moc"
