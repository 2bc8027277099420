#include "forms/frame.h"

#include <QGroupBox>

namespace forms {

Frame::Frame(Parent parent, const QString &name, const QString &caption) : Control(parent, new QGroupBox, name)
{
    setCaption(caption);
    applyFont();
}

QString Frame::Caption() const
{
    return static_cast<QGroupBox *>(widget())->title();
}

void Frame::setCaption(const QString &caption)
{
    static_cast<QGroupBox *>(widget())->setTitle(caption);
}

} // namespace forms
