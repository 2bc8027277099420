#pragma once

#include "forms/color_value.h"

class QString;

namespace dialogs {

// What the properties dialog shows its choices on at once: the question and the four answer
// rows of the window that opened it.
class PreviewTarget
{
public:
    // The chosen answer row, or every other one (all four when none is chosen).
    enum class AnswerRows { Chosen, Others };

    enum class ColourPart { Text, Background };

    virtual void showFont(const QString &family) = 0; // of the question and the answers
    virtual void showQuestionColour(forms::ColorValue color) = 0;
    virtual void showAnswerColour(AnswerRows rows, ColourPart part, forms::ColorValue color) = 0;
    virtual forms::ColorValue questionBackColour() const = 0;

protected:
    ~PreviewTarget() = default;
};

} // namespace dialogs
