#include "forms/option_button.h"

#include <QRadioButton>

namespace forms {
namespace {

// A click on a selected option keeps it selected; the group is kept by OptionButton itself.
class OptionWidget : public QRadioButton
{
public:
    OptionWidget() { setAutoExclusive(false); }

protected:
    void nextCheckState() override { setChecked(true); }
};

} // namespace

OptionButton::OptionButton(Parent parent, const QString &name, const QString &caption)
    : Control(parent, new OptionWidget, name)
{
    setCaption(caption);
    connect(static_cast<QRadioButton *>(widget()), &QRadioButton::clicked, this,
            &OptionButton::onUserClick);
    applyFont();
    applyColors();
}

bool OptionButton::Value() const { return static_cast<QRadioButton *>(widget())->isChecked(); }

void OptionButton::setValue(bool value)
{
    auto *button = static_cast<QRadioButton *>(widget());
    if (!value) {
        button->setChecked(false);
        return;
    }
    if (button->isChecked())
        return;
    select();
    emit Click();
}

QString OptionButton::Caption() const { return static_cast<QRadioButton *>(widget())->text(); }

void OptionButton::setCaption(const QString &caption)
{
    static_cast<QRadioButton *>(widget())->setText(caption);
}

void OptionButton::select()
{
    QWidget *container = widget()->parentWidget();
    if (container) {
        const auto siblings = container->findChildren<OptionButton *>();
        for (OptionButton *other : siblings) {
            if (other != this && other->widget() && other->widget()->parentWidget() == container)
                static_cast<QRadioButton *>(other->widget())->setChecked(false);
        }
    }
    static_cast<QRadioButton *>(widget())->setChecked(true);
}

void OptionButton::onUserClick()
{
    select();
    emit Click();
}

// Clicks come from the button itself (mouse or keyboard), not from the raw mouse release.
void OptionButton::handleMouseRelease() {}

bool OptionButton::handleMouseDoubleClick()
{
    emit DblClick();
    // The second press of a double-click is not another click.
    return true;
}

} // namespace forms
