#pragma once

#include "forms/form.h"

namespace forms {
class Frame;
class Label;
class PictureBox;
} // namespace forms

namespace dialogs {

// The information window shown while the question bank loads at start-up.
class frmSplash : public forms::Form
{
    Q_OBJECT
public:
    frmSplash();

    forms::Frame *Frame1 = nullptr;
    forms::PictureBox *Image1 = nullptr;
    forms::PictureBox *Image2 = nullptr;
    forms::Label *lblProductName = nullptr;
    forms::Label *lblVersion = nullptr;
    forms::Label *lblPlatform = nullptr;
    forms::Label *lblCredit = nullptr;

    // The product title as the window keeps it: ArmSCII-8 text.
    static QByteArray productNameBytes();

protected:
    void Form_Load() override;

private:
    void buildControls();
    void centreOnScreen();
};

} // namespace dialogs
