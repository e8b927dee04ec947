// The button under real pointer and key events: hover, press auto-repeat,
// leave found by the press timer, double clicks, keys and the access key.
#include "ButtonTestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>

using namespace quorvel;
using namespace quorvel::test;
using Events = std::vector<std::string>;

namespace {

// Button-local coordinates of HostWindow::inside.
const std::string kInsideXY = "40 15";

class PointerEvents : public ::testing::Test
{
protected:
    void SetUp() override
    {
        win = std::make_unique<HostWindow>();
        recorder = std::make_unique<EventRecorder>(win->button);
        // Start from a pointer outside the host.
        QCursor::setPos(win->host.mapToGlobal(QPoint(-50, -50)));
        QCoreApplication::processEvents();
    }
    void TearDown() override
    {
        // Leave no button held for the next test.
        if (QGuiApplication::mouseButtons() != Qt::NoButton)
            win->release(HostWindow::outside, Qt::MouseButton(int(QGuiApplication::mouseButtons())));
    }

    std::unique_ptr<HostWindow> win;
    std::unique_ptr<EventRecorder> recorder;
};

TEST_F(PointerEvents, FirstMoveEntersHoverThenEveryMoveIsReported)
{
    win->moveTo(HostWindow::inside);
    ASSERT_GE(recorder->events.size(), 2u);
    EXPECT_EQ(recorder->events[0], "MouseEnter");
    EXPECT_EQ(recorder->events[1], "MouseMove 0 0 " + kInsideXY);
    EXPECT_TRUE(win->button->hoverState());

    recorder->clear();
    win->moveTo(HostWindow::inside + QPoint(5, 1));
    EXPECT_EQ(recorder->count("MouseEnter"), 0);
    EXPECT_GE(recorder->count("MouseMove 0 0 45 16"), 1);
}

TEST_F(PointerEvents, LeavingRaisesMouseLeaveOnce)
{
    win->moveTo(HostWindow::inside);
    recorder->clear();
    win->moveTo(HostWindow::outside);
    EXPECT_EQ(recorder->withoutMoves(), Events{"MouseLeave"});
    EXPECT_FALSE(win->button->hoverState());

    // Entering again asks for a new leave notification.
    win->moveTo(HostWindow::inside);
    win->moveTo(HostWindow::outside);
    EXPECT_EQ(recorder->withoutMoves(), (Events{"MouseLeave", "MouseEnter", "MouseLeave"}));
}

TEST_F(PointerEvents, HeldButtonRepeatsMouseDownAtOriginEvery200ms)
{
    win->moveTo(HostWindow::inside);
    recorder->clear();
    win->press(HostWindow::inside);
    QTest::qWait(1050);
    EXPECT_TRUE(win->button->repeating());
    win->release(HostWindow::inside);

    const Events got = recorder->withoutMoves();
    ASSERT_GE(got.size(), 3u);
    EXPECT_EQ(got.front(), "MouseDown 1 0 " + kInsideXY);
    // About five repeats in a second; timers on a shared machine may lag.
    const int repeats = recorder->count("MouseDown 1 0 0 0");
    EXPECT_GE(repeats, 3);
    EXPECT_LE(repeats, 6);
    EXPECT_EQ(recorder->count("MouseDown"), repeats + 1);
    for (int i = 1; i <= repeats; ++i)
        EXPECT_EQ(got[i], "MouseDown 1 0 0 0");
    EXPECT_EQ(got[repeats + 1], "MouseUp 1 0 " + kInsideXY);
    EXPECT_EQ(got[repeats + 2], "Click");
    EXPECT_EQ(recorder->count("MouseUp"), 1);
    EXPECT_EQ(recorder->count("Click"), 1);
    EXPECT_FALSE(win->button->repeating());

    // The repeating stops with the release.
    recorder->clear();
    QTest::qWait(450);
    EXPECT_EQ(recorder->count("MouseDown"), 0);
}

TEST_F(PointerEvents, RightAndMiddleButtonsRepeatAsThemselvesWithoutClick)
{
    for (const auto [button, code] : {std::pair{Qt::RightButton, 2}, std::pair{Qt::MiddleButton, 4}}) {
        win->moveTo(HostWindow::inside);
        recorder->clear();
        win->press(HostWindow::inside, button);
        QTest::qWait(500);
        win->release(HostWindow::inside, button);
        const std::string c = std::to_string(code);
        EXPECT_EQ(recorder->events.front(), "MouseDown " + c + " 0 " + kInsideXY);
        EXPECT_GE(recorder->count("MouseDown " + c + " 0 0 0"), 1) << code;
        EXPECT_EQ(recorder->count("MouseUp " + c), 1) << code;
        EXPECT_EQ(recorder->count("Click"), 0) << code;
    }
}

TEST_F(PointerEvents, DraggingOffWhileHeldLeavesOnceAndNeverClicks)
{
    win->moveTo(HostWindow::inside);
    recorder->clear();
    win->press(HostWindow::inside);
    win->moveTo(HostWindow::outside);
    // The press timer finds the pointer elsewhere; the window system's own
    // leave notification only comes with the release.
    QTest::qWait(450);
    EXPECT_EQ(recorder->withoutMoves(), (Events{"MouseDown 1 0 " + kInsideXY, "MouseLeave"}));
    EXPECT_TRUE(win->button->leaveSeen());
    EXPECT_FALSE(win->button->hoverState());

    win->release(HostWindow::outside);
    QTest::qWait(250);
    EXPECT_EQ(recorder->count("MouseLeave"), 1);
    EXPECT_EQ(recorder->count("MouseUp"), 0);
    EXPECT_EQ(recorder->count("Click"), 0);
    EXPECT_EQ(recorder->count("MouseDown"), 1);
    // The late leave notification was swallowed and cleared the flag.
    EXPECT_FALSE(win->button->leaveSeen());

    // The next visit works as usual.
    win->moveTo(HostWindow::inside);
    win->moveTo(HostWindow::outside);
    EXPECT_EQ(recorder->count("MouseEnter"), 1);
    EXPECT_EQ(recorder->count("MouseLeave"), 2);
}

TEST_F(PointerEvents, DoubleClickArrivesAsTwoPresses)
{
    win->moveTo(HostWindow::inside);
    recorder->clear();
    QTest::mouseDClick(win->window(), Qt::LeftButton, {}, HostWindow::inside);
    EXPECT_EQ(recorder->count("MouseDown 1 0 " + kInsideXY), 2);
    EXPECT_EQ(recorder->count("MouseUp 1 0 " + kInsideXY), 2);
    EXPECT_EQ(recorder->count("Click"), 2);
    const Events got = recorder->withoutMoves();
    const Events once{"MouseDown 1 0 " + kInsideXY, "MouseUp 1 0 " + kInsideXY, "Click", "MouseEnter"};
    Events twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(got, twice);
}

TEST_F(PointerEvents, ClickLeavesTheHoverLookUntilThePointerIsSeenAgain)
{
    win->moveTo(HostWindow::inside);
    EXPECT_TRUE(win->button->hoverState());
    bool hoverDuringClick = true;
    QObject::connect(win->button, &DravoButton::Click,
                     [&] { hoverDuringClick = win->button->hoverState(); });
    win->press(HostWindow::inside);
    win->release(HostWindow::inside);
    EXPECT_FALSE(hoverDuringClick);
    // Released over the button: the window system's move after the capture
    // ends brings the hover look back with a new MouseEnter.
    EXPECT_TRUE(win->button->hoverState());
    EXPECT_EQ(recorder->count("MouseEnter"), 2);
}

TEST_F(PointerEvents, DesignModeNeverEntersHover)
{
    AmbientProperties ambient = win->button->ambientProperties();
    ambient.UserMode = false;
    win->button->setAmbientProperties(ambient);
    win->moveTo(HostWindow::inside);
    EXPECT_FALSE(win->button->hoverState());
    EXPECT_EQ(recorder->count("MouseEnter"), 0);
    EXPECT_GE(recorder->count("MouseMove"), 1);
}

TEST_F(PointerEvents, DisabledButtonGetsNoPointerInput)
{
    win->button->setEnabled(false);
    win->moveTo(HostWindow::inside);
    win->press(HostWindow::inside);
    win->release(HostWindow::inside);
    EXPECT_TRUE(recorder->events.empty());
}

TEST_F(PointerEvents, KeysAreForwardedAndNeverClick)
{
    win->button->setFocus();
    ASSERT_TRUE(win->button->hasFocus());
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_Enter}) {
        recorder->clear();
        QTest::keyClick(win->button, key);
        EXPECT_EQ(recorder->count("KeyDown " + std::to_string(int(key)) + " 0"), 1) << key;
        EXPECT_EQ(recorder->count("KeyUp " + std::to_string(int(key)) + " 0"), 1) << key;
        EXPECT_EQ(recorder->count("Click"), 0) << key;
    }
    recorder->clear();
    QTest::keyClick(win->button, Qt::Key_A);
    EXPECT_EQ(recorder->events, (Events{"KeyDown 65 0", "KeyPress 97", "KeyUp 65 0"}));
    recorder->clear();
    QTest::keyClick(win->button, Qt::Key_B, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(recorder->count("KeyDown 66 3"), 1);
    EXPECT_EQ(recorder->count("KeyUp 66 3"), 1);
    EXPECT_EQ(recorder->count("Click"), 0);
}

TEST_F(PointerEvents, OnlyTheAccessKeyClicks)
{
    win->button->setCaption(QStringLiteral("&Open"));
    auto *other = new QWidget(&win->host); // focus elsewhere in the window
    other->setFocusPolicy(Qt::StrongFocus);
    other->setGeometry(150, 60, 20, 20);
    other->show();
    other->setFocus();
    QTest::keyClick(other, Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(recorder->count("Click"), 1);
    QTest::keyClick(other, Qt::Key_X, Qt::AltModifier);
    QTest::keyClick(other, Qt::Key_O);
    EXPECT_EQ(recorder->count("Click"), 1);

    // A new marked caption moves the key; an unmarked one keeps it.
    win->button->setCaption(QStringLiteral("Save && E&xit"));
    QTest::keyClick(other, Qt::Key_O, Qt::AltModifier);
    QTest::keyClick(other, Qt::Key_X, Qt::AltModifier);
    win->button->setCaption(QStringLiteral("Close"));
    QTest::keyClick(other, Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(recorder->count("Click"), 3);
}

TEST_F(PointerEvents, FocusRectangleStateFollowsFocusForShowFocusXPplus)
{
    auto *other = new QWidget(&win->host);
    other->setFocusPolicy(Qt::StrongFocus);
    other->show();
    other->setFocus();
    win->button->setShowFocus(true);
    win->button->setAppearance(btXPplus);
    win->button->setFocus();
    EXPECT_TRUE(win->button->focusShown());
    other->setFocus();
    EXPECT_FALSE(win->button->focusShown());

    win->button->setAppearance(btXP);
    win->button->setFocus();
    EXPECT_FALSE(win->button->focusShown());

    // Under the pointer the focus state is left as it is.
    win->button->setAppearance(btXPplus);
    other->setFocus();
    win->moveTo(HostWindow::inside);
    win->button->setFocus();
    EXPECT_FALSE(win->button->focusShown());
}

} // namespace
