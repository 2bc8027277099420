#include "forms/option_button.h"

#include <QAccessibleWidget>
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

// Qt reads a radio button that is not auto-exclusive as a check box; to a screen reader an
// option is one choice of its group, checked or not.
class OptionAccessible : public QAccessibleWidget
{
public:
    explicit OptionAccessible(OptionWidget *option) : QAccessibleWidget(option, QAccessible::RadioButton) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = static_cast<QRadioButton *>(widget())->isChecked();
        return state;
    }

    QString text(QAccessible::Text t) const override
    {
        const QString text = QAccessibleWidget::text(t);
        return t == QAccessible::Name && text.isEmpty() ? static_cast<QRadioButton *>(widget())->text() : text;
    }
};

QAccessibleInterface *accessibleOption(const QString &, QObject *object)
{
    auto *option = dynamic_cast<OptionWidget *>(object);
    return option ? new OptionAccessible(option) : nullptr;
}

} // namespace

OptionButton::OptionButton(Parent parent, const QString &name, const QString &caption)
    : Control(parent, new OptionWidget, name)
{
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleOption), true);
    Q_UNUSED(factoryInstalled);
    setCaption(caption);
    connect(static_cast<QRadioButton *>(widget()), &QRadioButton::clicked, this, &OptionButton::onUserClick);
    applyFont();
    applyColors();
}

bool OptionButton::Value() const
{
    return static_cast<QRadioButton *>(widget())->isChecked();
}

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

QString OptionButton::Caption() const
{
    return static_cast<QRadioButton *>(widget())->text();
}

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
