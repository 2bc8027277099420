#pragma once

#include "forms/control.h"

class QLabel;

namespace forms {

// A label: plain text, never markup. A carriage return (with or without line feed) breaks the line.
class Label : public Control
{
    Q_OBJECT
public:
    enum AlignmentValue { LeftJustify = 0, RightJustify = 1, Center = 2 };

    Label(Parent parent, const QString &name, const QString &caption = QString());

    QString Caption() const { return m_caption; }

    void setCaption(const QString &caption);

    int Alignment() const { return m_alignment; }

    void setAlignment(int alignment);
    void setWordWrap(bool wrap);
    // No background of its own: the container shows through.
    void setTransparent(bool transparent);
    void setLinkCursor(bool link);
    // The control this label names, for a screen reader.
    void setBuddy(Control &control);

protected:
    void applyColors() override;

private:
    QLabel *label() const;

    QString m_caption;
    int m_alignment = LeftJustify;
    bool m_transparent = false;
};

} // namespace forms
