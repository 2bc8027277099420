#pragma once

#include "forms/control.h"

namespace forms {

// An option button. The option buttons of one container form a group: at most one is selected.
// Setting Value to true clears the others and notifies Click, as a click by the user does;
// setting the selected one's Value to false leaves the group with none selected.
class OptionButton : public Control
{
    Q_OBJECT
public:
    OptionButton(Parent parent, const QString &name, const QString &caption = QString());

    bool Value() const;
    void setValue(bool value);
    QString Caption() const;
    void setCaption(const QString &caption);

protected:
    void handleMouseRelease() override;
    bool handleMouseDoubleClick() override;

private:
    void select();
    void onUserClick();
};

} // namespace forms
