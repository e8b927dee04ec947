// clsSubClass: a hook on widgets that shows every event they receive as a
// window message (code, wParam, lParam) before the widget sees it. The
// handler of NewMessage may rewrite the message, which the widget then
// receives in its rewritten form, or cancel it.
//
// Stand-ins for the platform's window procedure replacement: a per-widget
// event filter, and the two window properties "SSC_OLDPROC" and
// "SSC_OBJADDR" as dynamic properties of the hooked widget.
#pragma once

#include "QuorvelExport.h"

#include <QObject>
#include <QPointer>

#include <vector>

class QEvent;
class QWidget;

namespace quorvel {

// Message codes the hook produces and understands.
namespace Msg {
constexpr quint32 Timer = 0x0113;
constexpr quint32 MouseMove = 0x0200;
constexpr quint32 LButtonDown = 0x0201;
constexpr quint32 LButtonUp = 0x0202;
constexpr quint32 LButtonDblClk = 0x0203;
constexpr quint32 RButtonDown = 0x0204;
constexpr quint32 RButtonUp = 0x0205;
constexpr quint32 RButtonDblClk = 0x0206;
constexpr quint32 MButtonDown = 0x0207;
constexpr quint32 MButtonUp = 0x0208;
constexpr quint32 MButtonDblClk = 0x0209;
constexpr quint32 MouseLeave = 0x02A3;
// Any other Qt event reaches the handler as QtEventBase + its QEvent::Type.
constexpr quint32 QtEventBase = 0x8000;
} // namespace Msg

// Key-state bits of a mouse message's wParam.
namespace MouseKey {
constexpr quintptr Left = 0x0001;
constexpr quintptr Right = 0x0002;
constexpr quintptr Shift = 0x0004;
constexpr quintptr Control = 0x0008;
constexpr quintptr Middle = 0x0010;
} // namespace MouseKey

struct WindowMessage
{
    quint32 uMsg = 0;
    quintptr wParam = 0; // timer: the timer id; mouse: key-state bits
    qintptr lParam = 0;  // mouse: x in the low 16 bits, y in the high 16 bits (signed)
};

constexpr qintptr makePointParam(int x, int y)
{
    return qintptr((quint32(quint16(qint16(x)))) | (quint32(quint16(qint16(y))) << 16));
}
constexpr int pointParamX(qintptr lParam) { return qint16(quint16(quint32(lParam) & 0xFFFF)); }
constexpr int pointParamY(qintptr lParam) { return qint16(quint16(quint32(lParam) >> 16)); }

class QUORVEL_EXPORT clsSubClass : public QObject
{
    Q_OBJECT
public:
    explicit clsSubClass(QObject *parent = nullptr);
    // Unhooks every window still in the list, last entry first.
    ~clsSubClass() override;

    // Hooks (true) or unhooks (false) one widget. Hooking fails on a dead
    // widget and on one that is already hooked, by this or another object.
    bool SubClassHwnd(QWidget *hWnd, bool bSubClass);

    // Asks for one MouseLeave message when the pointer next leaves the
    // hooked widget (the platform's leave tracking).
    bool TrackMouseLeave(QWidget *hWnd);

    // The hooked-window list: entry 0 is never used, entries <= 0 are free,
    // a freed entry holds -1.
    const std::vector<qintptr> &hookedList() const { return mHwnds; }
    static qintptr handleOf(const QWidget *w) { return qintptr(w); }

    // Window-property names that mark a hooked widget.
    static constexpr const char *kOldProcProperty = "SSC_OLDPROC";
    static constexpr const char *kObjAddrProperty = "SSC_OBJADDR";

Q_SIGNALS:
    // Raised for every event of a hooked widget before the widget sees it.
    // The handler may change message and set Cancel; it is called directly,
    // never queued.
    void NewMessage(QWidget *hWnd, quorvel::WindowMessage &message, bool &Cancel);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The message's way on to the widget: false lets Qt deliver the event
    // itself, true means it was consumed here.
    bool HandleMessage(QWidget *hWnd, QEvent *event);

    void AddHwnd(qintptr h, QWidget *w);
    void RemoveHwnd(qintptr h);
    int FindHwnd(qintptr h) const;
    int FindFreeSlot() const;

    std::vector<qintptr> mHwnds{0};
    std::vector<QPointer<QWidget>> mWidgets{nullptr};
    std::vector<QPointer<QWidget>> mLeaveRequests;
    QEvent *mForwarding = nullptr; // a rewritten event on its way to the widget
};

} // namespace quorvel
