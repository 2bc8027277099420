#include "draw/color_swatch.h"
#include "forms/form.h"
#include "forms/image_list.h"
#include "forms/picture_box.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QTest>

using namespace forms;

namespace {

// True when every pixel of the one-pixel edge is black.
bool frameIsBlack(const QImage &image)
{
    for (int x = 0; x < image.width(); ++x) {
        if ((image.pixel(x, 0) & 0xFFFFFF) || (image.pixel(x, image.height() - 1) & 0xFFFFFF))
            return false;
    }
    for (int y = 0; y < image.height(); ++y) {
        if ((image.pixel(0, y) & 0xFFFFFF) || (image.pixel(image.width() - 1, y) & 0xFFFFFF))
            return false;
    }
    return true;
}

// The single colour inside the frame, or an invalid colour when the inside is not uniform.
QColor insideColour(const QImage &image)
{
    const QRgb first = image.pixel(1, 1);
    for (int y = 1; y < image.height() - 1; ++y) {
        for (int x = 1; x < image.width() - 1; ++x) {
            if (image.pixel(x, y) != first)
                return QColor();
        }
    }
    return QColor(first);
}

} // namespace

class TestColorSwatch : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void swatchIsFramedFillOfTheColour_data();
    void swatchIsFramedFillOfTheColour();
    void systemColoursFollowTheScheme_data();
    void systemColoursFollowTheScheme();
    void scratchAreaIsLeftClearForTheNext();

private:
    std::unique_ptr<Form> m_form;
    PictureBox *m_area = nullptr;
    QPalette m_savedPalette;
};

void TestColorSwatch::init()
{
    m_savedPalette = QApplication::palette();
    m_form = std::make_unique<Form>(QStringLiteral("frmTest"));
    m_area = new PictureBox(*m_form, QStringLiteral("picHidden"));
    m_area->setVisible(false);
}

void TestColorSwatch::cleanup()
{
    m_form.reset();
    QApplication::setPalette(m_savedPalette);
}

void TestColorSwatch::swatchIsFramedFillOfTheColour_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QColor>("fill");
    QTest::newRow("Red") << "Red" << "RED" << QColor(255, 0, 0);
    QTest::newRow("Silver is mid grey") << "Silver" << "SILVER" << QColor(128, 128, 128);
    QTest::newRow("lower-case name") << "fuschia" << "FUSCHIA" << QColor(255, 0, 255);
    QTest::newRow("Teal") << "Teal" << "TEAL" << QColor(0, 128, 128);
    QTest::newRow("unknown name is black") << "Pink" << "PINK" << QColor(0, 0, 0);
}

void TestColorSwatch::swatchIsFramedFillOfTheColour()
{
    QFETCH(QString, name);
    QFETCH(QString, key);
    QFETCH(QColor, fill);
    ImageList images;
    mMain::MakeColorSwatch(*m_area, images, name);

    QCOMPARE(name, key);
    QCOMPARE(images.Count(), 1);
    QCOMPARE(images.Key(1), key);
    const QImage swatch = images.Image(key).toImage();
    QCOMPARE(swatch.size(), QSize(mMain::SwatchWidthPixels, mMain::SwatchHeightPixels));
    QVERIFY(frameIsBlack(swatch));
    QCOMPARE(insideColour(swatch), fill);
}

void TestColorSwatch::systemColoursFollowTheScheme_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    QTest::newRow("Gray is the button face") << "Gray" << int(QPalette::Button);
    QTest::newRow("White is the window colour") << "White" << int(QPalette::Base);
    QTest::newRow("Black is the window text") << "Black" << int(QPalette::Text);
}

void TestColorSwatch::systemColoursFollowTheScheme()
{
    QFETCH(QString, name);
    QFETCH(int, role);
    // A scheme far from fixed grey, white and black.
    QPalette scheme = QApplication::palette();
    scheme.setColor(QPalette::Button, QColor(12, 140, 90));
    scheme.setColor(QPalette::Base, QColor(250, 230, 180));
    scheme.setColor(QPalette::Text, QColor(70, 20, 110));
    QApplication::setPalette(scheme);

    ImageList images;
    mMain::MakeColorSwatch(*m_area, images, name);
    const QImage swatch = images.Image(1).toImage();
    QVERIFY(frameIsBlack(swatch));
    QCOMPARE(insideColour(swatch), scheme.color(QPalette::ColorRole(role)));
}

void TestColorSwatch::scratchAreaIsLeftClearForTheNext()
{
    ImageList images;
    QString first = QStringLiteral("Yellow");
    QString second = QStringLiteral("Navy");
    mMain::MakeColorSwatch(*m_area, images, first);
    QVERIFY(m_area->Picture().isNull());
    mMain::MakeColorSwatch(*m_area, images, second);

    QCOMPARE(images.Count(), 2);
    QCOMPARE(insideColour(images.Image(QStringLiteral("YELLOW")).toImage()), QColor(255, 255, 0));
    QCOMPARE(insideColour(images.Image(QStringLiteral("NAVY")).toImage()), QColor(0, 0, 128));
    QVERIFY(frameIsBlack(images.Image(QStringLiteral("NAVY")).toImage()));
}

QTEST_MAIN(TestColorSwatch)
#include "tst_color_swatch.moc"
