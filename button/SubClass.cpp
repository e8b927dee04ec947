#include "SubClass.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTimerEvent>
#include <QWidget>

#include <cmath>
#include <memory>

namespace quorvel {

namespace {

// The widget's previous handling is QWidget::event() itself; the property
// only records that the widget is hooked.
constexpr quintptr kPreviousProcedure = 1;

quintptr keyStateOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    quintptr state = 0;
    if (buttons & Qt::LeftButton)
        state |= MouseKey::Left;
    if (buttons & Qt::RightButton)
        state |= MouseKey::Right;
    if (buttons & Qt::MiddleButton)
        state |= MouseKey::Middle;
    if (modifiers & Qt::ShiftModifier)
        state |= MouseKey::Shift;
    if (modifiers & Qt::ControlModifier)
        state |= MouseKey::Control;
    return state;
}

Qt::MouseButtons buttonsOf(quintptr keyState)
{
    Qt::MouseButtons buttons;
    if (keyState & MouseKey::Left)
        buttons |= Qt::LeftButton;
    if (keyState & MouseKey::Right)
        buttons |= Qt::RightButton;
    if (keyState & MouseKey::Middle)
        buttons |= Qt::MiddleButton;
    return buttons;
}

Qt::KeyboardModifiers modifiersOf(quintptr keyState)
{
    Qt::KeyboardModifiers modifiers;
    if (keyState & MouseKey::Shift)
        modifiers |= Qt::ShiftModifier;
    if (keyState & MouseKey::Control)
        modifiers |= Qt::ControlModifier;
    return modifiers;
}

// Message codes of one button: down, up, double click.
struct ButtonCodes
{
    quint32 down, up, dblClk;
};

std::optional<ButtonCodes> codesOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return ButtonCodes{Msg::LButtonDown, Msg::LButtonUp, Msg::LButtonDblClk};
    case Qt::RightButton: return ButtonCodes{Msg::RButtonDown, Msg::RButtonUp, Msg::RButtonDblClk};
    case Qt::MiddleButton: return ButtonCodes{Msg::MButtonDown, Msg::MButtonUp, Msg::MButtonDblClk};
    default: return std::nullopt;
    }
}

int pixel(double v)
{
    return int(std::nearbyint(v));
}

WindowMessage otherEvent(const QEvent *event)
{
    return {Msg::QtEventBase + quint32(event->type()), 0, 0};
}

// The message a Qt event stands for. Qt delivers the second press of a
// double click to a widget as a double-click event only, as the window
// system does.
WindowMessage messageOf(const QEvent *event, bool leaveRequested)
{
    switch (event->type()) {
    case QEvent::Timer:
        return {Msg::Timer, quintptr(static_cast<const QTimerEvent *>(event)->timerId()), 0};
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        const auto *me = static_cast<const QMouseEvent *>(event);
        const qintptr lParam = makePointParam(pixel(me->position().x()), pixel(me->position().y()));
        const quintptr wParam = keyStateOf(me->buttons(), me->modifiers());
        if (event->type() == QEvent::MouseMove)
            return {Msg::MouseMove, wParam, lParam};
        const auto codes = codesOf(me->button());
        if (!codes)
            return otherEvent(event);
        switch (event->type()) {
        case QEvent::MouseButtonRelease: return {codes->up, wParam, lParam};
        case QEvent::MouseButtonDblClick: return {codes->dblClk, wParam, lParam};
        default: return {codes->down, wParam, lParam};
        }
    }
    case QEvent::Leave:
        return leaveRequested ? WindowMessage{Msg::MouseLeave, 0, 0} : otherEvent(event);
    default:
        return otherEvent(event);
    }
}

std::unique_ptr<QMouseEvent> mouseEvent(QWidget *w, QEvent::Type type, Qt::MouseButton button,
                                        const WindowMessage &m)
{
    const QPointF local(pointParamX(m.lParam), pointParamY(m.lParam));
    return std::make_unique<QMouseEvent>(type, local, w->mapToGlobal(local), button,
                                         buttonsOf(m.wParam), modifiersOf(m.wParam));
}

// The Qt event a rewritten message is delivered as; nothing for a message
// that has no Qt form (it is then dropped).
std::unique_ptr<QEvent> eventOf(QWidget *w, const WindowMessage &m)
{
    switch (m.uMsg) {
    case Msg::Timer: return std::make_unique<QTimerEvent>(int(m.wParam));
    case Msg::MouseMove: return mouseEvent(w, QEvent::MouseMove, Qt::NoButton, m);
    case Msg::LButtonDown: return mouseEvent(w, QEvent::MouseButtonPress, Qt::LeftButton, m);
    case Msg::RButtonDown: return mouseEvent(w, QEvent::MouseButtonPress, Qt::RightButton, m);
    case Msg::MButtonDown: return mouseEvent(w, QEvent::MouseButtonPress, Qt::MiddleButton, m);
    case Msg::LButtonUp: return mouseEvent(w, QEvent::MouseButtonRelease, Qt::LeftButton, m);
    case Msg::RButtonUp: return mouseEvent(w, QEvent::MouseButtonRelease, Qt::RightButton, m);
    case Msg::MButtonUp: return mouseEvent(w, QEvent::MouseButtonRelease, Qt::MiddleButton, m);
    case Msg::LButtonDblClk: return mouseEvent(w, QEvent::MouseButtonDblClick, Qt::LeftButton, m);
    case Msg::RButtonDblClk: return mouseEvent(w, QEvent::MouseButtonDblClick, Qt::RightButton, m);
    case Msg::MButtonDblClk: return mouseEvent(w, QEvent::MouseButtonDblClick, Qt::MiddleButton, m);
    case Msg::MouseLeave: return std::make_unique<QEvent>(QEvent::Leave);
    default: return nullptr;
    }
}

bool sameMessage(const WindowMessage &a, const WindowMessage &b)
{
    return a.uMsg == b.uMsg && a.wParam == b.wParam && a.lParam == b.lParam;
}

quintptr propertyValue(const QObject *o, const char *name)
{
    return o->property(name).value<quintptr>();
}

} // namespace

clsSubClass::clsSubClass(QObject *parent) : QObject(parent) {}

clsSubClass::~clsSubClass()
{
    for (std::size_t i = mHwnds.size(); i-- > 1;) {
        if (i >= mHwnds.size() || mHwnds[i] <= 0)
            continue;
        if (QWidget *w = mWidgets[i])
            SubClassHwnd(w, false);
        else
            RemoveHwnd(mHwnds[i]); // the widget is gone, and its filter with it
    }
}

bool clsSubClass::SubClassHwnd(QWidget *hWnd, bool bSubClass)
{
    if (!hWnd)
        return false;
    const qintptr h = handleOf(hWnd);
    bool result = false;
    const quintptr old = propertyValue(hWnd, kOldProcProperty);
    if (bSubClass) {
        if (old != 0)
            return false;
        hWnd->setProperty(kOldProcProperty, QVariant::fromValue(kPreviousProcedure));
        hWnd->setProperty(kObjAddrProperty, QVariant::fromValue(quintptr(this)));
        hWnd->installEventFilter(this);
        AddHwnd(h, hWnd);
        return true;
    }
    if (old != 0) {
        // Put the widget's own handling back, whichever object hooked it.
        if (auto *owner = reinterpret_cast<QObject *>(propertyValue(hWnd, kObjAddrProperty)))
            hWnd->removeEventFilter(owner);
        result = true;
    }
    hWnd->setProperty(kOldProcProperty, QVariant());
    hWnd->setProperty(kObjAddrProperty, QVariant());
    mLeaveRequests.erase(std::remove(mLeaveRequests.begin(), mLeaveRequests.end(), hWnd),
                         mLeaveRequests.end());
    RemoveHwnd(h);
    return result;
}

bool clsSubClass::TrackMouseLeave(QWidget *hWnd)
{
    if (!hWnd || FindHwnd(handleOf(hWnd)) == 0)
        return false;
    for (const auto &w : mLeaveRequests)
        if (w == hWnd)
            return true;
    mLeaveRequests.emplace_back(hWnd);
    return true;
}

bool clsSubClass::eventFilter(QObject *watched, QEvent *event)
{
    if (!watched->isWidgetType() || event == mForwarding)
        return false;
    return HandleMessage(static_cast<QWidget *>(watched), event);
}

bool clsSubClass::HandleMessage(QWidget *hWnd, QEvent *event)
{
    // A widget that lost its object address gets no message at all.
    if (propertyValue(hWnd, kObjAddrProperty) == 0)
        return true;

    bool leaveRequested = false;
    if (event->type() == QEvent::Leave) {
        auto it = std::find(mLeaveRequests.begin(), mLeaveRequests.end(), hWnd);
        if (it != mLeaveRequests.end()) {
            leaveRequested = true;
            mLeaveRequests.erase(it); // one notification per request
        }
    }
    const WindowMessage original = messageOf(event, leaveRequested);
    WindowMessage message = original;
    bool cancel = false;
    const QPointer<clsSubClass> self(this);
    const QPointer<QWidget> window(hWnd);
    Q_EMIT NewMessage(hWnd, message, cancel);
    if (cancel || !self || !window)
        return true;
    if (propertyValue(hWnd, kOldProcProperty) == 0)
        return true;
    if (sameMessage(message, original))
        return false;

    const std::unique_ptr<QEvent> rewritten = eventOf(hWnd, message);
    if (!rewritten)
        return true;
    QEvent *const outer = mForwarding;
    mForwarding = rewritten.get();
    QCoreApplication::sendEvent(hWnd, rewritten.get());
    if (self)
        mForwarding = outer;
    return true;
}

int clsSubClass::FindHwnd(qintptr h) const
{
    for (std::size_t i = 1; i < mHwnds.size(); ++i)
        if (mHwnds[i] == h && mHwnds[i] >= 1)
            return int(i);
    return 0;
}

int clsSubClass::FindFreeSlot() const
{
    for (std::size_t i = 1; i < mHwnds.size(); ++i)
        if (mHwnds[i] < 1)
            return int(i);
    return 0;
}

void clsSubClass::AddHwnd(qintptr h, QWidget *w)
{
    if (const int found = FindHwnd(h)) {
        mWidgets[found] = w; // a new widget at the address of a dead one
        return;
    }
    if (const int slot = FindFreeSlot()) {
        mHwnds[slot] = h;
        mWidgets[slot] = w;
        return;
    }
    mHwnds.push_back(h);
    mWidgets.emplace_back(w);
}

void clsSubClass::RemoveHwnd(qintptr h)
{
    const int i = FindHwnd(h);
    if (i == 0)
        return;
    if (std::size_t(i) == mHwnds.size() - 1) {
        mHwnds.pop_back();
        mWidgets.pop_back();
    } else {
        mHwnds[i] = -1;
        mWidgets[i] = nullptr;
    }
}

} // namespace quorvel
