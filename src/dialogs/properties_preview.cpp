#include "dialogs/properties_preview.h"

#include "app/color_palette.h"
#include "dialogs/preview_target.h"
#include "forms/image_combo.h"
#include "forms/label.h"

#include <QStringList>

namespace dialogs {

using forms::ColorValue;
using Rows = PreviewTarget::AnswerRows;
using Part = PreviewTarget::ColourPart;

PropertiesPreview::PropertiesPreview(PreviewTarget &main, const Choosers &choosers, forms::Label &contrastHint)
    : m_main(main), m_choosers(choosers), m_contrastHint(contrastHint)
{}

void PropertiesPreview::showFont(const QString &family)
{
    m_main.showFont(family);
}

void PropertiesPreview::showColour(int index)
{
    const ColorValue color = chosenColour(index);
    switch (index) {
    case 0: m_main.showQuestionColour(color); break;
    case 1: m_main.showAnswerColour(Rows::Others, Part::Text, color); break;
    case 2: m_main.showAnswerColour(Rows::Others, Part::Background, color); break;
    case 3: m_main.showAnswerColour(Rows::Chosen, Part::Text, color); break;
    case 4: m_main.showAnswerColour(Rows::Chosen, Part::Background, color); break;
    default: break;
    }
    updateContrastHint();
}

// Every choice stays as made; the hint only says which texts would be hard to read. The chosen
// answer's highlight is left out: it marks a choice rather than being read at length, and its
// default, white on red, is itself below the mark.
void PropertiesPreview::updateContrastHint()
{
    constexpr double ReadsWell = 4.5;
    const bool question = app::mMain::ContrastRatio(chosenColour(0), m_main.questionBackColour()) < ReadsWell;
    const bool answers = app::mMain::ContrastRatio(chosenColour(1), chosenColour(2)) < ReadsWell;
    m_contrastHint.setCaption(question && answers
                                  ? tr("Low contrast: the question and the answers may be hard to read.")
                              : question ? tr("Low contrast: the question may be hard to read.")
                                         : tr("Low contrast: the answers may be hard to read."));
    m_contrastHint.setVisible(question || answers);
}

ColorValue PropertiesPreview::chosenColour(int index) const
{
    return app::mMain::ColorFromName(m_choosers.at(index)->SelectedKey());
}

} // namespace dialogs
