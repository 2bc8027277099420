#include "forms/form.h"

#include "forms/units.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>

namespace forms {

Form::Form(const QString &name) : m_window(new QWidget)
{
    setObjectName(name);
    m_window->setObjectName(name);
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    auto *layout = new QVBoxLayout(m_window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_client = new QWidget(m_window);
    m_client->setObjectName(name + QStringLiteral("_client"));
    m_client->setMouseTracking(true);
    layout->addWidget(m_client);
    m_window->installEventFilter(this);
    m_client->installEventFilter(this);
}

Form::~Form()
{
    delete m_window.data();
}

void Form::Load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    Form_Load();
}

void Form::Unload()
{
    if (!m_loaded || m_unloading)
        return;
    m_unloading = true;
    Form_Unload();
    if (m_window)
        m_window->hide();
    m_loaded = false;
    m_unloading = false;
    emit Unloaded();
}

bool Form::Visible() const
{
    return m_window && m_window->isVisible();
}

void Form::setVisible(bool visible)
{
    if (visible)
        Load();
    if (!m_window || !m_loaded)
        return;
    if (visible && !m_window->isVisible())
        centreOnOwner();
    m_window->setVisible(visible);
}

void Form::Activate()
{
    if (!m_window)
        return;
    m_window->raise();
    m_window->activateWindow();
}

QString Form::Caption() const
{
    return m_window ? m_window->windowTitle() : QString();
}

void Form::setCaption(const QString &caption)
{
    if (m_window)
        m_window->setWindowTitle(caption);
}

double Form::ScaleWidth() const
{
    return pixelsToTwipsX(m_client->width());
}

double Form::ScaleHeight() const
{
    return pixelsToTwipsY(m_client->height());
}

void Form::setClientSize(double widthTwips, double heightTwips)
{
    const int w = twipsToPixelsX(widthTwips);
    const int h = twipsToPixelsY(heightTwips);
    const int menuHeight = m_menuBar ? m_menuBar->sizeHint().height() : 0;
    m_client->resize(w, h);
    m_window->resize(w, h + menuHeight);
}

int Form::WindowState() const
{
    const Qt::WindowStates states = m_window->windowState();
    if (states & Qt::WindowMinimized)
        return Minimized;
    if (states & Qt::WindowMaximized)
        return Maximized;
    return Normal;
}

void Form::setWindowState(int state)
{
    switch (state) {
    case Minimized: m_window->setWindowState(Qt::WindowMinimized); break;
    case Maximized: m_window->setWindowState(Qt::WindowMaximized); break;
    default: m_window->setWindowState(Qt::WindowNoState); break;
    }
}

void Form::setResizable(bool resizable)
{
    if (resizable) {
        m_window->setMinimumSize(0, 0);
        m_window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        m_window->setFixedSize(m_window->size());
    }
}

void Form::setOwner(Form &owner)
{
    // A window with a parent is transient for it; a dialog has a title, a system menu and a close
    // button, nothing more.
    m_window->setParent(owner.window(), Qt::Dialog);
}

// Client on client: both windows have the same frame, so the frames are centred too. The dialog
// stays on the owner's screen.
void Form::centreOnOwner()
{
    const QWidget *owner = m_window->parentWidget();
    if (!owner || !owner->isVisible())
        return;
    const QSize room = owner->size() - m_window->size();
    QPoint place = owner->pos() + QPoint(room.width() / 2, room.height() / 2);
    if (const QScreen *screen = owner->screen()) {
        const QRect area = screen->availableGeometry();
        place.setX(std::clamp(place.x(), area.left(), std::max(area.left(), area.right() - m_window->width())));
        place.setY(std::clamp(place.y(), area.top(), std::max(area.top(), area.bottom() - m_window->height())));
    }
    m_window->move(place);
}

bool Form::pressButtonForEnter(const QKeyEvent &key)
{
    if ((key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter) || (key.modifiers() & ~Qt::KeypadModifier))
        return false;
    auto *button = qobject_cast<QPushButton *>(QApplication::focusWidget());
    if (!button || button->window() != m_window)
        button = defaultButton();
    if (!button || !button->isEnabled() || !button->isVisible())
        return false;
    button->click();
    return true;
}

QPushButton *Form::defaultButton() const
{
    const auto buttons = m_window->findChildren<QPushButton *>();
    for (QPushButton *button : buttons) {
        if (button->isDefault() && button->window() == m_window)
            return button;
    }
    return nullptr;
}

QMenuBar *Form::menuBar()
{
    if (!m_menuBar) {
        m_menuBar = new QMenuBar(m_window);
        static_cast<QVBoxLayout *>(m_window->layout())->setMenuBar(m_menuBar);
    }
    return m_menuBar;
}

bool Form::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_client) {
        if (event->type() == QEvent::Resize)
            emit Resize();
        else if (event->type() == QEvent::MouseMove)
            emit MouseMove();
    } else if (watched == m_window) {
        switch (event->type()) {
        case QEvent::Close:
            // Closing by the window frame unloads the form; the owner decides what follows.
            static_cast<QCloseEvent *>(event)->ignore();
            Unload();
            return true;
        case QEvent::WindowStateChange: {
            const int state = WindowState();
            // A minimised window keeps its client size, so announce the change of state.
            if (state != m_lastState && (state == Minimized || m_lastState == Minimized))
                emit Resize();
            m_lastState = state;
            break;
        }
        case QEvent::WindowActivate: emit Activated(); break;
        case QEvent::KeyPress: return pressButtonForEnter(*static_cast<QKeyEvent *>(event));
        default: break;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace forms
