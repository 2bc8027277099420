#include "draw/question_picture_table.h"

#include "draw/text_placement.h"
#include "forms/label.h"
#include "forms/picture_box.h"
#include "forms/units.h"

#include <QCoreApplication>
#include <QImage>
#include <QImageReader>

namespace {

void showNoPreview(forms::PictureBox &Picture3)
{
    if (Picture3.FontBold())
        return;
    Picture3.Cls();
    Picture3.Refresh();
    Picture3.setFontBold(true);
    Picture3.setFontSize(14);
    Picture3.setAutoRedraw(true);
    draw::PrintCentred(Picture3, QCoreApplication::translate("QuestionPictureTable", "No Preview"));
}

QImage carriedPicture(int bitmap)
{
    return QImage(bank::questionPictureResource(bitmap));
}

QSize innerPixels(const forms::PictureBox &box)
{
    if (box.ScaleMode() == forms::PictureBox::Pixels)
        return QSize(int(box.ScaleWidth()), int(box.ScaleHeight()));
    return QSize(forms::twipsToPixelsX(box.ScaleWidth()), forms::twipsToPixelsY(box.ScaleHeight()));
}

// A picture file of the teacher's, no larger than frame; null when it is missing or no picture.
QImage teacherPicture(const QString &path, const QSize &frame)
{
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > frame.width() || size.height() > frame.height()))
        reader.setScaledSize(size.scaled(frame, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    return reader.read();
}

// The picture a record shows, or nothing for "No Preview".
std::optional<QImage> pictureOf(int record, const bank::PictureList *pictures, const QSize &frame)
{
    if (!pictures) {
        const std::optional<int> bitmap = bank::questionPictureId(record);
        return bitmap ? std::optional(carriedPicture(*bitmap)) : std::nullopt;
    }
    const bank::PictureList::Picture *picture = pictures->pictureFor(record);
    if (!picture)
        return std::nullopt;
    if (picture->carriedRecord)
        return carriedPicture(bank::questionPictureId(picture->carriedRecord).value_or(0));
    QImage file = teacherPicture(pictures->pathOf(*picture), frame);
    return file.isNull() ? std::nullopt : std::optional(std::move(file));
}

} // namespace

namespace draw {

void PaintPreview(forms::PictureBox &Picture2, forms::PictureBox &Picture3)
{
    Picture3.setAutoRedraw(true);
    Picture3.Cls();
    const double x = (Picture3.ScaleWidth() - Picture2.ScaleWidth()) / 2;
    const double y = (Picture3.ScaleHeight() - Picture2.ScaleHeight()) / 2;
    Picture3.PaintPicture(Picture2.Picture(), x, y);
    Picture3.setFontBold(false);
    PrintCentred(Picture3, QString());
}

void ShowQuestionPicture(const forms::Label &lblQuestNum, forms::PictureBox &Picture2, forms::PictureBox &Picture3,
                         const bank::PictureList *pictures)
{
    const QString caption = lblQuestNum.Caption().trimmed();
    bool isNumber = false;
    const double number = caption.toDouble(&isNumber);
    const int record = int(number);
    const std::optional<QImage> picture =
        isNumber && number == record ? pictureOf(record, pictures, innerPixels(Picture3)) : std::nullopt;
    if (!picture) {
        showNoPreview(Picture3);
        return;
    }
    Picture2.setPicture(*picture);
    draw::PaintPreview(Picture2, Picture3);
}

} // namespace draw
