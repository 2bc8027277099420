#include "draw/question_picture_table.h"

#include "draw/text_placement.h"
#include "forms/label.h"
#include "forms/picture_box.h"

#include <QImage>

namespace {

const QString NoPreviewText = QStringLiteral("No Preview");

void showNoPreview(forms::PictureBox &Picture3)
{
    if (Picture3.FontBold())
        return;
    Picture3.Cls();
    Picture3.Refresh();
    Picture3.setFontBold(true);
    Picture3.setFontSize(14);
    Picture3.setAutoRedraw(true);
    draw::PrintCentred(Picture3, NoPreviewText);
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

void ShowQuestionPicture(const forms::Label &lblQuestNum, forms::PictureBox &Picture2, forms::PictureBox &Picture3)
{
    const QString caption = lblQuestNum.Caption().trimmed();
    bool isNumber = false;
    const double number = caption.toDouble(&isNumber);
    const int record = int(number);
    const std::optional<int> bitmap = isNumber && number == record ? bank::questionPictureId(record) : std::nullopt;
    if (!bitmap) {
        showNoPreview(Picture3);
        return;
    }
    Picture2.setPicture(QImage(QStringLiteral(":/pictures/%1.bmp").arg(*bitmap)));
    draw::PaintPreview(Picture2, Picture3);
}

} // namespace draw
