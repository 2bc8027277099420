#pragma once

#include "forms/color_value.h"

#include <QCoreApplication>

#include <array>

class QString;

namespace forms {
class ImageCombo;
class Label;
} // namespace forms

namespace dialogs {

class PreviewTarget;

// The properties dialog's choices shown on the main window before anything is stored, and the
// hint that the chosen colours would make a text hard to read.
class PropertiesPreview
{
    Q_DECLARE_TR_FUNCTIONS(PropertiesPreview)

public:
    // The colour choosers: question text, answer text, answer background, the chosen answer's
    // text, the chosen answer's background.
    using Choosers = std::array<forms::ImageCombo *, 5>;

    PropertiesPreview(PreviewTarget &main, const Choosers &choosers, forms::Label &contrastHint);

    PreviewTarget &target() const { return m_main; }

    void showFont(const QString &family);
    void showColour(int index); // of chooser index, then the hint
    void updateContrastHint();

private:
    forms::ColorValue chosenColour(int index) const; // of chooser index, as on the main window

    PreviewTarget &m_main;
    Choosers m_choosers;
    forms::Label &m_contrastHint;
};

} // namespace dialogs
