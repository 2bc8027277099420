#pragma once

#include "forms/control.h"

namespace forms {

// A frame: a captioned container. Child coordinates are relative to its top-left corner.
class Frame : public Control
{
    Q_OBJECT
public:
    Frame(Parent parent, const QString &name, const QString &caption = QString());

    QString Caption() const;
    void setCaption(const QString &caption);
};

} // namespace forms
