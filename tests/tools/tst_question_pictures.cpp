#include "picgen/app_icons.h"
#include "picgen/question_pictures.h"
#include "support/pixel_difference.h"
#include "support/test_environment.h"

#include <QDir>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

#include <numeric>

using namespace picgen;

// The committed pictures and icons are what the generators draw today, compared by decoded
// pixels: palette reduction moves no colour by more than two levels, so a drawing one level off
// stays well inside the tolerance.
class TestQuestionPictures : public QObject
{
    Q_OBJECT

    QTemporaryDir drawn; // what the generators draw today

private slots:
    // One run-length encoded 8-bit bitmap for every id from 101 to 170 but 106.
    void regeneratedPicturesMatchCommittedFiles()
    {
        QList<int> ids(70);
        std::iota(ids.begin(), ids.end(), 101);
        ids.removeOne(106);
        QCOMPARE(QuestionPictures::ids(), ids);
        QString error;
        QVERIFY2(QuestionPictures::writeAll(drawn.path(), &error), qPrintable(error));
        const QDir committed(QStringLiteral(LORVANE_SOURCE_DIR "/resources/pictures"));
        QCOMPARE(committed.entryList({QStringLiteral("*.bmp")}, QDir::Files).size(), ids.size());
        for (const int id : ids) {
            const QString name = QStringLiteral("%1.bmp").arg(id);
            const QByteArray header = TestEnvironment::readFile(committed.filePath(name)).left(34);
            QVERIFY2(header.size() == 34 && header.startsWith("BM") && header[28] == 8
                         && header.endsWith(QByteArray("\1\0\0\0", 4)),
                     qPrintable(name));
            const QImage image = QImageReader(committed.filePath(name)).read();
            QCOMPARE(image.format(), QImage::Format_Indexed8);
            QVERIFY2(QRect(35, 22, 452, 135).contains(QPoint(image.width(), image.height())), qPrintable(name));
            const QString difference = pixelDifference(image, QImage(QDir(drawn.path()).filePath(name)), 8);
            QVERIFY2(difference.isEmpty(), qPrintable(name + ": " + difference + " (picgen)"));
        }
    }

    void regeneratedIconsMatchCommittedFiles()
    {
        const QMap<QString, QSize> sizes = {
            {"toolbar_start.png", {24, 24}},  {"toolbar_stop.png", {24, 24}}, {"toolbar_pause.png", {24, 24}},
            {"toolbar_resume.png", {24, 24}}, {"toolbar_quit.png", {24, 24}}, {"toolbar_properties.png", {24, 24}},
            {"toolbar_about.png", {24, 24}},  {"lorvane.png", {48, 48}},      {"test.png", {16, 16}},
            {"splash_left.png", {120, 180}},  {"about.png", {64, 64}}};
        QStringList names = AppIcons::names();
        names.sort();
        QCOMPARE(names, sizes.keys());
        QString error;
        QVERIFY2(AppIcons::writeAll(drawn.path(), &error), qPrintable(error));
        for (const QString &name : names) {
            const QImage icon(QStringLiteral(":/icons/") + name);
            QVERIFY2(icon.size() == sizes[name] && icon.hasAlphaChannel(), qPrintable(name));
            const QString difference = pixelDifference(icon, QImage(QDir(drawn.path()).filePath(name)), 8);
            QVERIFY2(difference.isEmpty(), qPrintable(name + ": " + difference + " (picgen --icons)"));
        }
        // The icon theme's copies: the application icon drawn at each size, not an enlarged 48.
        for (const int size : AppIcons::applicationIconSizes()) {
            const QString name = QStringLiteral("lorvane-%1.png").arg(size);
            const QImage committed(QStringLiteral(LORVANE_SOURCE_DIR "/packaging/icons/") + name);
            const QString difference = pixelDifference(committed, AppIcons::renderApplicationIcon(size), 8);
            QVERIFY2(difference.isEmpty(), qPrintable(name + ": " + difference + " (picgen --app-icons)"));
        }
    }
};

QTEST_MAIN(TestQuestionPictures)
#include "tst_question_pictures.moc"
