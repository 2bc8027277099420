#pragma once

#include "layout/form_control.h"

#include <QList>
#include <QMetaObject>
#include <QPointer>

#include <optional>

namespace forms {
class Control;
class Form;
} // namespace forms

namespace layout {

// Keeps the controls of one window in proportion to the window. Each registered control
// remembers its position, size and font size at registration; on every resize of the window
// they are recomputed from those values, edge by edge, by the edge's mode:
//   0 stays put, 1 follows the full change of the window's size, 2 scales with the window,
//   3 follows half the change (rounded half to even).
// The font size scales with the window's height when asked to and the height mode is not 0.
// A value a control refuses is skipped; the rest of the pass goes on.
class Form_ControlPos
{
public:
    Form_ControlPos() = default;
    ~Form_ControlPos();
    Form_ControlPos(const Form_ControlPos &) = delete;
    Form_ControlPos &operator=(const Form_ControlPos &) = delete;

    // Binds to the window at its current size and drops earlier registrations.
    qint32 Init(forms::Form &frm);
    // Registers the control as it is now; before Init nothing is registered.
    qint32 Add(forms::Control &ctl, qint32 Left = 0, qint32 Top = 0, qint32 Width = 0, qint32 Height = 0,
               bool FontSize = false);
    // Every edge and the font scale with the window.
    qint32 AddProportional(forms::Control &ctl);

    // Rounds to the nearest integer, an exact half to the even neighbour.
    static double roundHalfEven(double value);

private:
    struct Axis
    {
        double delta;
        double halfDelta;
        std::optional<double> ratio; // none when the size at Init was 0
    };

    void m_Form_Resize();
    void layOut(const Form_Control &record, const Axis &horizontal, const Axis &vertical);

    QPointer<forms::Form> m_Form;
    qint32 m_ScaleWidth = 0;
    qint32 m_ScaleHeight = 0;
    qint32 m_WindowState = 0;
    std::optional<QList<Form_Control>> m_Controls; // no list before Init
    QMetaObject::Connection m_resizeConnection;
};

} // namespace layout
