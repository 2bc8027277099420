#include "forms/control.h"

#include "forms/form.h"
#include "forms/property_error.h"
#include "forms/units.h"

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QWidget>

namespace forms {
namespace {

// Tells every control when the system colour scheme changes, so system colours follow it.
class PaletteWatcher : public QObject
{
    Q_OBJECT
public:
    static PaletteWatcher &instance()
    {
        static PaletteWatcher *watcher = new PaletteWatcher(qApp);
        return *watcher;
    }

signals:
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange)
            emit changed();
        return QObject::eventFilter(watched, event);
    }

private:
    explicit PaletteWatcher(QObject *app) : QObject(app) { app->installEventFilter(this); }
};

} // namespace

Parent::Parent(Form &form) : m_area(form.clientArea()) {}

Parent::Parent(Control &container) : m_area(container.widget()) {}

Control::Control(Parent parent, QWidget *widget, const QString &name)
    : m_widget(widget), m_fontName(QApplication::font().family()), m_fontSize(9)
{
    setObjectName(name);
    widget->setParent(parent.area());
    widget->setObjectName(name);
    // The control object lives as long as its widget.
    setParent(widget);
    watchMouseOf(widget);
    connect(&PaletteWatcher::instance(), &PaletteWatcher::changed, this, &Control::applyColors);
    widget->show();
}

Control::~Control() = default;

void Control::setLeft(double twips)
{
    m_left = twips;
    applyGeometry();
}

void Control::setTop(double twips)
{
    m_top = twips;
    applyGeometry();
}

void Control::setWidth(double twips)
{
    if (twips < 0)
        throw PropertyError("width must not be negative");
    m_width = twips;
    applyGeometry();
}

void Control::setHeight(double twips)
{
    if (twips < 0)
        throw PropertyError("height must not be negative");
    m_height = twips;
    applyGeometry();
}

void Control::Move(double left, double top, double width, double height)
{
    if (width < 0 || height < 0)
        throw PropertyError("size must not be negative");
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    applyGeometry();
}

void Control::applyGeometry()
{
    if (!m_widget)
        return;
    const int x = twipsToPixelsX(m_left);
    const int y = twipsToPixelsY(m_top);
    // Edges are rounded, not sizes, so neighbouring controls keep touching after scaling.
    const int right = twipsToPixelsX(m_left + m_width);
    const int bottom = twipsToPixelsY(m_top + m_height);
    m_widget->setGeometry(x, y, std::max(0, right - x), std::max(0, bottom - y));
}

bool Control::Visible() const
{
    return m_widget && !m_widget->isHidden();
}

void Control::setVisible(bool visible)
{
    if (m_widget)
        m_widget->setVisible(visible);
}

bool Control::Enabled() const
{
    return m_widget && m_widget->isEnabledTo(m_widget->parentWidget());
}

void Control::setEnabled(bool enabled)
{
    if (m_widget)
        m_widget->setEnabled(enabled);
}

void Control::setForeColor(ColorValue color)
{
    m_foreColor = color;
    applyColors();
}

void Control::setBackColor(ColorValue color)
{
    m_backColor = color;
    applyColors();
}

void Control::applyColors()
{
    if (!m_widget)
        return;
    QPalette palette = m_widget->palette();
    const QColor fore = resolveColor(m_foreColor);
    const QColor back = resolveColor(m_backColor);
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, back);
        palette.setColor(group, QPalette::Base, back);
        palette.setColor(group, QPalette::Button, back);
        palette.setColor(group, QPalette::WindowText, fore);
        palette.setColor(group, QPalette::Text, fore);
        palette.setColor(group, QPalette::ButtonText, fore);
    }
    m_widget->setPalette(palette);
    m_widget->setAutoFillBackground(true);
}

void Control::setFontName(const QString &name)
{
    m_fontName = name;
    applyFont();
}

void Control::setFontSize(double points)
{
    if (!(points > 0))
        throw PropertyError("font size must be positive");
    m_fontSize = points;
    applyFont();
}

void Control::setFontBold(bool bold)
{
    m_fontBold = bold;
    applyFont();
}

void Control::setFontUnderline(bool underline)
{
    m_fontUnderline = underline;
    applyFont();
}

QFont Control::font() const
{
    QFont f(m_fontName);
    f.setPointSizeF(m_fontSize);
    f.setBold(m_fontBold);
    f.setUnderline(m_fontUnderline);
    return f;
}

void Control::applyFont()
{
    if (m_widget)
        m_widget->setFont(font());
}

QString Control::ToolTipText() const
{
    return m_widget ? m_widget->toolTip() : QString();
}

void Control::setToolTipText(const QString &text)
{
    if (m_widget)
        m_widget->setToolTip(text);
}

void Control::SetFocus()
{
    if (m_widget)
        m_widget->setFocus(Qt::OtherFocusReason);
}

bool Control::hasFocus() const
{
    return m_widget && m_widget->hasFocus();
}

bool Control::TabStop() const
{
    return m_widget && (m_widget->focusPolicy() & Qt::TabFocus);
}

void Control::setTabStop(bool tabStop)
{
    if (m_widget && m_widget->focusPolicy() != Qt::NoFocus)
        m_widget->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void Control::watchMouseOf(QWidget *widget)
{
    widget->installEventFilter(this);
    widget->setMouseTracking(true);
}

void Control::handleMouseRelease()
{
    emit Click();
}

bool Control::handleMouseDoubleClick()
{
    emit DblClick();
    return false;
}

bool Control::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            m_pressed = true;
        break;
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        auto *widget = qobject_cast<QWidget *>(watched);
        const bool inside = widget && widget->rect().contains(mouse->position().toPoint());
        if (m_pressed && mouse->button() == Qt::LeftButton && inside) {
            m_pressed = false;
            handleMouseRelease();
        }
        m_pressed = false;
        break;
    }
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            // The second press of a double-click: its release must not count as a click.
            m_pressed = false;
            if (handleMouseDoubleClick())
                return true;
        }
        break;
    case QEvent::MouseMove: emit MouseMove(); break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace forms

#include "control.moc"
