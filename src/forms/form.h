#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

class QKeyEvent;
class QMenuBar;
class QPushButton;

namespace forms {

// A window. Loading runs Form_Load once without showing the window; Visible shows and hides it
// (loading first when needed); Unload runs Form_Unload, hides the window and announces it, and
// whoever owns the form then lets it go. The client area is measured in twips. Enter that no
// control takes presses the focused button, or else the default button.
class Form : public QObject
{
    Q_OBJECT
public:
    enum WindowStateValue { Normal = 0, Minimized = 1, Maximized = 2 };

    explicit Form(const QString &name);
    ~Form() override;

    void Load();

    bool Loaded() const { return m_loaded; }

    void Unload();

    bool Visible() const;
    void setVisible(bool visible);

    void Show() { setVisible(true); }
    void Hide() { setVisible(false); }

    void Activate(); // brings the window to the front and gives it the focus

    QString Caption() const;
    void setCaption(const QString &caption);

    double ScaleWidth() const; // client area, twips
    double ScaleHeight() const;
    void setClientSize(double widthTwips, double heightTwips);
    int WindowState() const;
    void setWindowState(int state);
    void setResizable(bool resizable);
    // Makes the window a modeless dialog of the owner's: kept above it, centred on it each time
    // it is shown, and with no maximise button.
    void setOwner(Form &owner);

    QWidget *window() const { return m_window; }
    QWidget *clientArea() const { return m_client; }

    QMenuBar *menuBar(); // created on first use

signals:
    void Resize();    // every change of the client size or window state
    void Activated(); // the window became the active window
    void MouseMove(); // the pointer moves over the form's own background
    void Unloaded();

protected:
    virtual void Form_Load() {}
    virtual void Form_Unload() {}

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void centreOnOwner();
    bool pressButtonForEnter(const QKeyEvent &key);
    QPushButton *defaultButton() const;

    QPointer<QWidget> m_window;
    QWidget *m_client = nullptr;
    QMenuBar *m_menuBar = nullptr;
    bool m_loaded = false;
    bool m_unloading = false;
    int m_lastState = Normal;
};

} // namespace forms
