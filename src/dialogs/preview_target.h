#pragma once

namespace forms {
class OptionButton;
class PictureBox;
class TextBox;
} // namespace forms

namespace dialogs {

// What the properties dialog shows its choices on at once: the question box and the four answer
// rows (option button, answer text, number picture) of the window that opened it.
class PreviewTarget
{
public:
    virtual forms::TextBox &questionBox() const = 0;
    // Answer row K, 1 to 4.
    virtual forms::OptionButton &Option(int k) const = 0;
    virtual forms::TextBox &harc(int k) const = 0;
    virtual forms::PictureBox &numberPicture(int k) const = 0;

protected:
    ~PreviewTarget() = default;
};

} // namespace dialogs
