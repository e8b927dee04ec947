// clsSubClass: hooking and unhooking, the hooked-window list, and messages
// rewritten or cancelled on their way to the widget.
#include "SubClass.h"

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>
#include <QTimerEvent>
#include <QWidget>

#include <memory>
#include <vector>

using namespace quorvel;

namespace {

// A widget that records the presses and timer ticks it receives.
class RecordingWidget : public QWidget
{
public:
    std::vector<std::string> seen;

protected:
    void mousePressEvent(QMouseEvent *e) override
    {
        seen.push_back("press " + std::to_string(int(e->button())) + " "
                       + std::to_string(int(e->position().x())) + "," + std::to_string(int(e->position().y())));
    }
    void mouseDoubleClickEvent(QMouseEvent *) override { seen.push_back("dblclick"); }
    void timerEvent(QTimerEvent *e) override { seen.push_back("timer " + std::to_string(e->timerId())); }
};

bool isHooked(const QWidget &w)
{
    return w.property(clsSubClass::kOldProcProperty).isValid()
            && w.property(clsSubClass::kObjAddrProperty).isValid();
}

void sendPress(QWidget &w, QEvent::Type type = QEvent::MouseButtonPress, QPointF at = {7, 9})
{
    QMouseEvent e(type, at, w.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &e);
}

TEST(SubClass, HookMarksTheWidgetAndUnhookRestoresIt)
{
    RecordingWidget w;
    clsSubClass hook;
    int messages = 0;
    QObject::connect(&hook, &clsSubClass::NewMessage,
                     [&](QWidget *, WindowMessage &, bool &) { ++messages; });

    ASSERT_TRUE(hook.SubClassHwnd(&w, true));
    EXPECT_TRUE(isHooked(w));
    EXPECT_EQ(w.property(clsSubClass::kObjAddrProperty).value<quintptr>(), quintptr(&hook));
    sendPress(w);
    EXPECT_EQ(messages, 1);
    EXPECT_EQ(w.seen, std::vector<std::string>{"press 1 7,9"});

    EXPECT_TRUE(hook.SubClassHwnd(&w, false));
    EXPECT_FALSE(isHooked(w));
    sendPress(w);
    EXPECT_EQ(messages, 1);           // no longer seen by the hook
    EXPECT_EQ(w.seen.size(), 2u);     // but the widget still works
    EXPECT_FALSE(hook.SubClassHwnd(&w, false)); // not hooked any more
}

TEST(SubClass, SecondHookOfTheSameWidgetFails)
{
    QWidget w;
    clsSubClass first;
    clsSubClass second;
    ASSERT_TRUE(first.SubClassHwnd(&w, true));
    EXPECT_FALSE(first.SubClassHwnd(&w, true));
    EXPECT_FALSE(second.SubClassHwnd(&w, true));
    EXPECT_EQ(w.property(clsSubClass::kObjAddrProperty).value<quintptr>(), quintptr(&first));
    EXPECT_EQ(second.hookedList().size(), 1u);
    EXPECT_FALSE(second.SubClassHwnd(nullptr, true));
}

TEST(SubClass, FreedSlotsAreReusedAndTheLastOneShrinksTheList)
{
    QWidget a, b, c, d;
    clsSubClass hook;
    const auto h = [](const QWidget &w) { return clsSubClass::handleOf(&w); };
    using List = std::vector<qintptr>;
    EXPECT_EQ(hook.hookedList(), List{0});

    for (QWidget *w : {&a, &b, &c})
        ASSERT_TRUE(hook.SubClassHwnd(w, true));
    EXPECT_EQ(hook.hookedList(), (List{0, h(a), h(b), h(c)}));

    hook.SubClassHwnd(&b, false);
    EXPECT_EQ(hook.hookedList(), (List{0, h(a), -1, h(c)}));

    hook.SubClassHwnd(&d, true);
    EXPECT_EQ(hook.hookedList(), (List{0, h(a), h(d), h(c)}));

    hook.SubClassHwnd(&c, false);
    EXPECT_EQ(hook.hookedList(), (List{0, h(a), h(d)}));
}

TEST(SubClass, EndingTheHookUnhooksEveryWidget)
{
    RecordingWidget a, b;
    {
        clsSubClass hook;
        hook.SubClassHwnd(&a, true);
        hook.SubClassHwnd(&b, true);
        QObject::connect(&hook, &clsSubClass::NewMessage,
                         [](QWidget *, WindowMessage &, bool &cancel) { cancel = true; });
    }
    EXPECT_FALSE(isHooked(a));
    EXPECT_FALSE(isHooked(b));
    sendPress(a);
    EXPECT_EQ(a.seen.size(), 1u); // nothing cancels its events any more
}

TEST(SubClass, AWidgetThatEndsFirstLeavesNoDanglingHook)
{
    clsSubClass hook;
    auto w = std::make_unique<QWidget>();
    QWidget other;
    hook.SubClassHwnd(w.get(), true);
    hook.SubClassHwnd(&other, true);
    w.reset();
    // Unhooking everything at the end must not touch the dead widget.
    EXPECT_EQ(hook.hookedList().size(), 3u);
    EXPECT_TRUE(hook.SubClassHwnd(&other, false));
}

TEST(SubClass, CancelStopsTheMessage)
{
    RecordingWidget w;
    clsSubClass hook;
    hook.SubClassHwnd(&w, true);
    QObject::connect(&hook, &clsSubClass::NewMessage, [](QWidget *, WindowMessage &m, bool &cancel) {
        cancel = m.uMsg == Msg::LButtonDown;
    });
    sendPress(w);
    EXPECT_TRUE(w.seen.empty());
    w.startTimer(5);
    QTest::qWait(30);
    EXPECT_FALSE(w.seen.empty()); // other messages pass
}

TEST(SubClass, RewrittenMessagesReachTheWidgetInTheirNewForm)
{
    RecordingWidget w;
    clsSubClass hook;
    hook.SubClassHwnd(&w, true);
    int rewrittenTimer = 0;
    std::vector<quint32> codes;
    QObject::connect(&hook, &clsSubClass::NewMessage, [&](QWidget *, WindowMessage &m, bool &) {
        codes.push_back(m.uMsg);
        if (m.uMsg == Msg::LButtonDblClk)
            m.uMsg = Msg::LButtonDown;
        if (m.uMsg == Msg::Timer && int(m.wParam) == rewrittenTimer) {
            m.uMsg = Msg::RButtonDown;
            m.wParam = 1;
            m.lParam = makePointParam(0, 0);
        }
    });

    sendPress(w, QEvent::MouseButtonDblClick, {3, 4});
    EXPECT_EQ(w.seen, std::vector<std::string>{"press 1 3,4"});

    w.seen.clear();
    rewrittenTimer = w.startTimer(10);
    const int untouchedTimer = w.startTimer(10);
    QTest::qWait(60);
    w.killTimer(rewrittenTimer);
    w.killTimer(untouchedTimer);
    int rewrittenPresses = 0, untouchedTicks = 0, rewrittenTicks = 0;
    for (const auto &s : w.seen) {
        rewrittenPresses += s == "press 2 0,0";
        untouchedTicks += s == "timer " + std::to_string(untouchedTimer);
        rewrittenTicks += s == "timer " + std::to_string(rewrittenTimer);
    }
    EXPECT_GE(rewrittenPresses, 1);
    EXPECT_GE(untouchedTicks, 1);
    EXPECT_EQ(rewrittenTicks, 0);
    // The rewritten press is delivered without passing the hook again.
    EXPECT_EQ(std::count(codes.begin(), codes.end(), Msg::RButtonDown), 0);
}

TEST(SubClass, AWidgetWithoutItsObjectAddressGetsNoMessages)
{
    RecordingWidget w;
    clsSubClass hook;
    hook.SubClassHwnd(&w, true);
    w.setProperty(clsSubClass::kObjAddrProperty, QVariant());
    sendPress(w);
    EXPECT_TRUE(w.seen.empty());
}

TEST(SubClass, LeaveIsReportedOnlyAfterARequestAndOnlyOnce)
{
    QWidget w;
    clsSubClass hook;
    hook.SubClassHwnd(&w, true);
    int leaves = 0;
    QObject::connect(&hook, &clsSubClass::NewMessage, [&](QWidget *, WindowMessage &m, bool &) {
        leaves += m.uMsg == Msg::MouseLeave;
    });
    auto leave = [&] {
        QEvent e(QEvent::Leave);
        QCoreApplication::sendEvent(&w, &e);
    };
    leave();
    EXPECT_EQ(leaves, 0);
    EXPECT_TRUE(hook.TrackMouseLeave(&w));
    leave();
    leave();
    EXPECT_EQ(leaves, 1);
}

TEST(SubClass, PointParamsKeepSignedCoordinates)
{
    for (const auto [x, y] : {std::pair{0, 0}, {12, 34}, {-5, 7}, {300, -2}, {32767, -32768}}) {
        const qintptr p = makePointParam(x, y);
        EXPECT_EQ(pointParamX(p), x);
        EXPECT_EQ(pointParamY(p), y);
    }
}

} // namespace
