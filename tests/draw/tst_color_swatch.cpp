#include "draw/color_swatch.h"
#include "forms/form.h"
#include "forms/image_list.h"
#include "forms/picture_box.h"

#include <QApplication>
#include <QPalette>
#include <QTest>

using namespace forms;

// The one-pixel edge must be black and the inside a single colour; the colour inside, or an
// invalid colour when either fails.
static QColor fillInsideBlackFrame(const QImage &image)
{
    const QRgb fill = image.pixel(1, 1);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool edge = x == 0 || y == 0 || x == image.width() - 1 || y == image.height() - 1;
            if (image.pixel(x, y) != (edge ? qRgb(0, 0, 0) : fill))
                return QColor();
        }
    }
    return QColor(fill);
}

class TestColorSwatch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void swatchIsTheColourInABlackFrame_data();
    void swatchIsTheColourInABlackFrame();

private:
    Form m_form{QStringLiteral("frmTest")};
    PictureBox *m_area = nullptr; // shared by every row, as the dialog shares its scratch area
    QPalette m_scheme;
};

void TestColorSwatch::initTestCase()
{
    // A scheme far from fixed grey, white and black.
    m_scheme = QApplication::palette();
    m_scheme.setColor(QPalette::Button, QColor(12, 140, 90));
    m_scheme.setColor(QPalette::Base, QColor(250, 230, 180));
    m_scheme.setColor(QPalette::Text, QColor(70, 20, 110));
    QApplication::setPalette(m_scheme);
    m_area = new PictureBox(m_form, QStringLiteral("picHidden"));
    m_area->setVisible(false);
}

void TestColorSwatch::swatchIsTheColourInABlackFrame_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("fill");
    QTest::newRow("Red") << "Red" << QColor(255, 0, 0);
    QTest::newRow("Silver is mid grey") << "Silver" << QColor(128, 128, 128);
    QTest::newRow("lower-case Fuschia") << "fuschia" << QColor(255, 0, 255);
    QTest::newRow("Yellow") << "Yellow" << QColor(255, 255, 0);
    QTest::newRow("Gray is the button face") << "Gray" << m_scheme.color(QPalette::Button);
    QTest::newRow("White is the window colour") << "White" << m_scheme.color(QPalette::Base);
    QTest::newRow("Black is the window text") << "Black" << m_scheme.color(QPalette::Text);
}

void TestColorSwatch::swatchIsTheColourInABlackFrame()
{
    QFETCH(QString, name);
    QFETCH(QColor, fill);
    const QString key = name.toUpper();
    ImageList images;
    mMain::MakeColorSwatch(*m_area, images, name);

    QCOMPARE(name, key);
    QCOMPARE(images.Count(), 1);
    const QImage swatch = images.Image(key).toImage();
    QCOMPARE(swatch.size(), QSize(88, 12));
    QCOMPARE(fillInsideBlackFrame(swatch), fill);
    QVERIFY(m_area->Picture().isNull());
}

QTEST_MAIN(TestColorSwatch)
#include "tst_color_swatch.moc"
