#include "draw/question_picture_table.h"
#include "forms/form.h"
#include "forms/label.h"
#include "forms/picture_box.h"

#include <QPainter>
#include <QTest>

#include <cmath>

using namespace forms;

namespace {

QImage bitmap(int id)
{
    return QImage(QStringLiteral(":/pictures/%1.bmp").arg(id)).convertToFormat(QImage::Format_RGB32);
}

// The preview frame of the main window in miniature: the record number, the holder that takes
// the bitmap's size, and the visible preview area.
struct PreviewArea
{
    explicit PreviewArea(int width = 521, int height = 169)
    {
        Picture2->setScaleModePixels(true);
        Picture2->setBorderStyle(PictureBox::NoBorder);
        Picture2->setAutoSize(true);
        Picture3->setScaleModePixels(true);
        Picture3->setBorderStyle(PictureBox::NoBorder);
        Picture3->Move(0, 0, width * 15.0, height * 15.0);
        Picture3->setBackColor(rgb(255, 255, 255));
        Picture3->setForeColor(rgb(0, 0, 0));
    }

    QImage show(const QString &caption)
    {
        lblQuestNum->setCaption(caption);
        draw::ShowQuestionPicture(*lblQuestNum, *Picture2, *Picture3, pictures);
        return Picture3->Image().convertToFormat(QImage::Format_RGB32);
    }

    // Centred on white at half the size difference, which may fall on half a pixel; cut at the edges.
    bool showsCentred(const QString &caption, int id)
    {
        const QImage preview = show(caption), picture = bitmap(id);
        const double x = (preview.width() - picture.width()) / 2.0, y = (preview.height() - picture.height()) / 2.0;
        for (const int px : {int(std::floor(x)), int(std::ceil(x))}) {
            for (const int py : {int(std::floor(y)), int(std::ceil(y))}) {
                QImage expected(preview.size(), QImage::Format_RGB32);
                expected.fill(Qt::white);
                QPainter(&expected).drawImage(px, py, picture);
                if (expected == preview)
                    return !Picture3->FontBold() && !picture.isNull();
            }
        }
        return false;
    }

    const bank::PictureList *pictures = nullptr;
    Form form{QStringLiteral("frmPreview")};
    Label *lblQuestNum = new Label(form, QStringLiteral("lblQuestNum"));
    PictureBox *Picture2 = new PictureBox(form, QStringLiteral("Picture2"));
    PictureBox *Picture3 = new PictureBox(form, QStringLiteral("Picture3"));
};

} // namespace

class TestQuestionPictureTable : public QObject
{
    Q_OBJECT

private slots:
    // Every entry's bitmap shows. 39 and 41 have each other's order of bitmaps, and no record shows
    // bitmap 139 (91 shows 140); a small area cuts the picture at its edges.
    void recordShowsItsBitmapCentred()
    {
        QCOMPARE(bank::questionPictureCount(), 68);
        for (int i = 0; i < bank::questionPictureCount(); ++i) {
            const QString record = QString::number(bank::questionPictureRecord(i));
            QVERIFY2(PreviewArea().showsCentred(record, *bank::questionPictureId(record.toInt())), qPrintable(record));
        }
        const std::pair<const char *, int> pinned[] = {{"39", 118}, {"41", 117}, {"91", 140}, {" 39 ", 118}};
        for (const auto &[caption, id] : pinned)
            QVERIFY2(PreviewArea().showsCentred(caption, id), caption);
        QVERIFY(PreviewArea(30, 12).showsCentred(QStringLiteral("1"), 101));
        QVERIFY(!bank::questionPictureId(170) && !bank::questionPictureId(171));
    }

    // The note is drawn once for consecutive questions without a picture, and again after one.
    void noteShowsForQuestionsWithoutPicture()
    {
        PreviewArea area;
        const QImage note = area.show(QStringLiteral("170"));
        QVERIFY(area.Picture3->FontBold());
        QCOMPARE(area.Picture3->FontSize(), 14.0);
        QImage blank(note.size(), note.format());
        blank.fill(Qt::white);
        QVERIFY(note != blank);
        area.Picture3->Line(0, 0, 1, 0, rgb(255, 0, 0)); // a mark made after the note
        QCOMPARE(area.show(QStringLiteral("**********")).pixel(0, 0), qRgb(255, 0, 0));
        QVERIFY(area.showsCentred(QStringLiteral("2"), 102));
        QCOMPARE(area.show(QStringLiteral("3.5")), note);
    }

    // With a list only its pictures show: a carried one by the number the list gives, a file that
    // is gone as the note.
    void listGivesThePictures()
    {
        bank::PictureList list;
        list.setCarried(2, 39);
        list.setFile(3, QStringLiteral("/no/such/picture.png"));
        PreviewArea area;
        area.pictures = &list;
        const QImage note = area.show(QStringLiteral("1"));
        QVERIFY(area.Picture3->FontBold());
        QVERIFY(area.showsCentred(QStringLiteral("2"), 118));
        QCOMPARE(area.show(QStringLiteral("3")), note);
    }
};

QTEST_MAIN(TestQuestionPictureTable)
#include "tst_question_picture_table.moc"
