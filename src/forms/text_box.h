#pragma once

#include "forms/control.h"

namespace forms {

// A text box, single-line or multi-line (word-wrapped, no scroll bars). Text is plain.
// A locked box can be read, selected and clicked but not edited; a double-click on it belongs to
// the program (DblClick) and selects no word.
class TextBox : public Control
{
    Q_OBJECT
public:
    TextBox(Parent parent, const QString &name, bool multiLine);

    QString Text() const;
    void setText(const QString &text);

    bool MultiLine() const { return m_multiLine; }

    bool Locked() const;
    void setLocked(bool locked);
    void setBorder(bool border);

signals:
    void Change();

protected:
    bool handleMouseDoubleClick() override;

private:
    bool m_multiLine;
};

} // namespace forms
