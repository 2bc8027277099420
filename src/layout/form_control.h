#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QVariant>

namespace forms {
class Control;
}

namespace layout {

// One control registered with the layout manager: the control and what was recorded about it,
// by key: "Left", "Top", "Width", "Height", "FontSize" (as registered, double) and the modes
// "MoveLeft", "MoveTop", "MoveHeight", "MoveWidth" (qint32) and "MoveFontSize" (bool).
class Form_Control
{
public:
    QPointer<forms::Control> Control; // becomes null when the control goes away
    QHash<QString, QVariant> Properties;
};

} // namespace layout
