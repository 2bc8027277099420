#pragma once

#include "forms/color_value.h"

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

class QWidget;

namespace forms {

class Form;
class Control;

// Where a control is placed: the client area of a form, or a container control (frame,
// picture area). Geometry is relative to it.
class Parent
{
public:
    Parent(Form &form);
    Parent(Control &container);

    QWidget *area() const { return m_area; }

private:
    QWidget *m_area;
};

// The common part of every control: geometry in twips, own visibility, enabled flag, colours,
// font, tag and the mouse notifications. The Qt widget behind it stays an implementation detail;
// widget() is there for containers and for tests that click the real widget.
class Control : public QObject
{
    Q_OBJECT
public:
    ~Control() override;

    QWidget *widget() const { return m_widget; }
    QString Name() const { return objectName(); }
    double Left() const { return m_left; }
    double Top() const { return m_top; }
    double Width() const { return m_width; }
    double Height() const { return m_height; }

    void setLeft(double twips);
    void setTop(double twips);
    void setWidth(double twips);  // throws PropertyError when negative
    void setHeight(double twips); // throws PropertyError when negative
    void Move(double left, double top, double width, double height);

    // The control's own flag: stays true inside a hidden container.
    bool Visible() const;
    virtual void setVisible(bool visible);
    bool Enabled() const;
    void setEnabled(bool enabled);

    ColorValue ForeColor() const { return m_foreColor; }
    ColorValue BackColor() const { return m_backColor; }

    virtual void setForeColor(ColorValue color);
    virtual void setBackColor(ColorValue color);

    QString FontName() const { return m_fontName; }
    double FontSize() const { return m_fontSize; }
    bool FontBold() const { return m_fontBold; }
    bool FontUnderline() const { return m_fontUnderline; }

    void setFontName(const QString &name);
    void setFontSize(double points); // throws PropertyError when not positive
    void setFontBold(bool bold);
    void setFontUnderline(bool underline);
    QFont font() const; // the font the properties above describe

    QString Tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }

    QString ToolTipText() const;
    void setToolTipText(const QString &text);

    void SetFocus();
    bool hasFocus() const;
    // A control that is no tab stop is passed over by Tab but still takes the focus when clicked.
    bool TabStop() const;
    void setTabStop(bool tabStop);

signals:
    void Click();
    void DblClick();
    void MouseMove();

protected:
    Control(Parent parent, QWidget *widget, const QString &name);

    // Gives the widget the colours; the default uses the window, base and button roles alike.
    virtual void applyColors();
    virtual void applyFont();
    virtual void applyGeometry();
    // Called for mouse events of the widget (and of its viewport, where there is one).
    virtual void handleMouseRelease();
    // Returns true when the double-click press must not reach the widget.
    virtual bool handleMouseDoubleClick();
    void watchMouseOf(QWidget *widget);
    bool eventFilter(QObject *watched, QEvent *event) override;

    ColorValue m_foreColor = SystemColor::WindowText;
    ColorValue m_backColor = SystemColor::ButtonFace;

private:
    QPointer<QWidget> m_widget;
    double m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    QString m_fontName;
    double m_fontSize = 8.25;
    bool m_fontBold = false;
    bool m_fontUnderline = false;
    QString m_tag;
    bool m_pressed = false;
};

} // namespace forms
