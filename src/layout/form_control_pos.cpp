#include "layout/form_control_pos.h"

#include "forms/control.h"
#include "forms/form.h"
#include "forms/property_error.h"

#include <cmath>

namespace layout {

namespace {

std::optional<double> recorded(const Form_Control &record, const QString &key)
{
    const auto it = record.Properties.constFind(key);
    if (it == record.Properties.constEnd())
        return std::nullopt;
    return it->toDouble();
}

std::optional<qint32> mode(const Form_Control &record, const QString &key)
{
    const auto it = record.Properties.constFind(key);
    if (it == record.Properties.constEnd())
        return std::nullopt;
    return it->toInt();
}

// The new value of one edge, or nothing when the edge stays as it is or cannot be computed.
template<typename Axis>
std::optional<double> edgeValue(std::optional<double> original, std::optional<qint32> edgeMode, const Axis &axis)
{
    if (!original || !edgeMode)
        return std::nullopt;
    switch (*edgeMode) {
    case 1: return *original + axis.delta;
    case 2:
        if (!axis.ratio)
            return std::nullopt;
        return *original * *axis.ratio;
    case 3: return *original + axis.halfDelta;
    default: return std::nullopt;
    }
}

// Assigns one property; a value the control refuses leaves the property as it was.
template<typename Setter>
void assign(forms::Control &control, std::optional<double> value, Setter setter)
{
    if (!value)
        return;
    try {
        (control.*setter)(*value);
    } catch (const forms::PropertyError &) {
    }
}

} // namespace

Form_ControlPos::~Form_ControlPos()
{
    QObject::disconnect(m_resizeConnection);
}

double Form_ControlPos::roundHalfEven(double value)
{
    // std::round takes halves away from zero; an exact half goes to the even neighbour instead.
    if (std::fabs(value - std::trunc(value)) == 0.5)
        return 2.0 * std::round(value / 2.0);
    return std::round(value);
}

qint32 Form_ControlPos::Init(forms::Form &frm)
{
    m_Controls.emplace();
    QObject::disconnect(m_resizeConnection);
    m_Form = &frm;
    m_resizeConnection = QObject::connect(&frm, &forms::Form::Resize, [this] { m_Form_Resize(); });
    m_ScaleWidth = static_cast<qint32>(roundHalfEven(frm.ScaleWidth()));
    m_ScaleHeight = static_cast<qint32>(roundHalfEven(frm.ScaleHeight()));
    m_WindowState = frm.WindowState();
    return 0;
}

qint32 Form_ControlPos::Add(forms::Control &ctl, qint32 Left, qint32 Top, qint32 Width, qint32 Height, bool FontSize)
{
    Form_Control record;
    record.Control = &ctl;
    record.Properties.insert(QStringLiteral("Left"), ctl.Left());
    record.Properties.insert(QStringLiteral("Top"), ctl.Top());
    record.Properties.insert(QStringLiteral("Width"), ctl.Width());
    record.Properties.insert(QStringLiteral("Height"), ctl.Height());
    record.Properties.insert(QStringLiteral("FontSize"), ctl.FontSize());
    record.Properties.insert(QStringLiteral("MoveLeft"), Left);
    record.Properties.insert(QStringLiteral("MoveTop"), Top);
    record.Properties.insert(QStringLiteral("MoveHeight"), Height);
    record.Properties.insert(QStringLiteral("MoveWidth"), Width);
    record.Properties.insert(QStringLiteral("MoveFontSize"), FontSize);
    if (m_Controls)
        m_Controls->append(record);
    return 0;
}

qint32 Form_ControlPos::AddProportional(forms::Control &ctl)
{
    return Add(ctl, 2, 2, 2, 2, true);
}

void Form_ControlPos::m_Form_Resize()
{
    if (!m_Form || !m_Controls)
        return;
    const double deltaWidth = roundHalfEven(m_Form->ScaleWidth() - m_ScaleWidth);
    const double deltaHeight = roundHalfEven(m_Form->ScaleHeight() - m_ScaleHeight);
    const double halfDeltaHeight = roundHalfEven(deltaHeight / 2);
    const double halfDeltaWidth = roundHalfEven(deltaWidth / 2);
    auto ratio = [](double now, qint32 atInit) -> std::optional<double> {
        if (atInit == 0)
            return std::nullopt;
        return now / atInit;
    };
    const Axis horizontal{deltaWidth, halfDeltaWidth, ratio(m_Form->ScaleWidth(), m_ScaleWidth)};
    const Axis vertical{deltaHeight, halfDeltaHeight, ratio(m_Form->ScaleHeight(), m_ScaleHeight)};

    for (const Form_Control &record : std::as_const(*m_Controls))
        layOut(record, horizontal, vertical);

    const int state = m_Form->WindowState();
    if (state != m_WindowState) {
        m_WindowState = state;
        if (state == forms::Form::Normal)
            m_Form_Resize();
    }
}

void Form_ControlPos::layOut(const Form_Control &record, const Axis &horizontal, const Axis &vertical)
{
    forms::Control *control = record.Control;
    if (!control)
        return;
    using forms::Control;
    assign(*control, edgeValue(recorded(record, "Left"), mode(record, "MoveLeft"), horizontal), &Control::setLeft);
    assign(*control, edgeValue(recorded(record, "Top"), mode(record, "MoveTop"), vertical), &Control::setTop);
    assign(*control, edgeValue(recorded(record, "Width"), mode(record, "MoveWidth"), horizontal), &Control::setWidth);
    assign(*control, edgeValue(recorded(record, "Height"), mode(record, "MoveHeight"), vertical), &Control::setHeight);

    const auto scaleFont = record.Properties.constFind(QStringLiteral("MoveFontSize"));
    const auto heightMode = mode(record, "MoveHeight");
    const auto fontSize = recorded(record, "FontSize");
    if (scaleFont == record.Properties.constEnd() || !scaleFont->toBool() || !heightMode || *heightMode == 0
        || !fontSize || !vertical.ratio)
        return;
    assign(*control, *fontSize * *vertical.ratio, &Control::setFontSize);
}

} // namespace layout
