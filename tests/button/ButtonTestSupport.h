// Shared helpers of the button tests: a host window with one button on it,
// pointer moves and presses as real window-system events, and a recorder of
// the button's events.
#pragma once

#include "DravoButton.h"
#include "MessagePresenter.h"

#include <QCursor>
#include <QPixmap>
#include <QPainter>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <memory>
#include <string>
#include <vector>

namespace quorvel::test {

// Records every event of a button as a line: "Click", "MouseDown 1 0 12 7"...
class EventRecorder
{
public:
    explicit EventRecorder(DravoButton *button)
    {
        auto add = [this](std::string line) { events.push_back(std::move(line)); };
        auto mouse = [add](const char *name) {
            return [add, name](int b, int s, float x, float y) {
                add(std::string(name) + ' ' + std::to_string(b) + ' ' + std::to_string(s) + ' '
                    + std::to_string(int(x)) + ' ' + std::to_string(int(y)));
            };
        };
        QObject::connect(button, &DravoButton::Click, [add] { add("Click"); });
        QObject::connect(button, &DravoButton::MouseEnter, [add] { add("MouseEnter"); });
        QObject::connect(button, &DravoButton::MouseLeave, [add] { add("MouseLeave"); });
        QObject::connect(button, &DravoButton::MouseDown, mouse("MouseDown"));
        QObject::connect(button, &DravoButton::MouseMove, mouse("MouseMove"));
        QObject::connect(button, &DravoButton::MouseUp, mouse("MouseUp"));
        QObject::connect(button, &DravoButton::KeyPress,
                         [add](int k) { add("KeyPress " + std::to_string(k)); });
        QObject::connect(button, &DravoButton::KeyDown, [add](int k, int s) {
            add("KeyDown " + std::to_string(k) + ' ' + std::to_string(s));
        });
        QObject::connect(button, &DravoButton::KeyUp, [add](int k, int s) {
            add("KeyUp " + std::to_string(k) + ' ' + std::to_string(s));
        });
    }

    // Events whose line starts with prefix.
    int count(const std::string &prefix) const
    {
        int n = 0;
        for (const auto &e : events)
            if (e.rfind(prefix, 0) == 0)
                ++n;
        return n;
    }
    // The events without pointer moves, which depend on how many moves the
    // window system reports.
    std::vector<std::string> withoutMoves() const
    {
        std::vector<std::string> out;
        for (const auto &e : events)
            if (e.rfind("MouseMove", 0) != 0)
                out.push_back(e);
        return out;
    }
    void clear() { events.clear(); }

    std::vector<std::string> events;
};

// Records the messages a control would have shown instead of showing them.
class RecordingPresenter : public MessagePresenter
{
public:
    void showInformation(QWidget *, const QString &text) override { messages.push_back(text); }
    std::vector<QString> messages;
};

// A shown top-level window with one button at (20, 20), 100 x 30.
struct HostWindow
{
    HostWindow()
    {
        host.resize(240, 120);
        button = new DravoButton(&host);
        button->setGeometry(20, 20, 100, 30);
        host.show();
        host.activateWindow();
        (void)QTest::qWaitForWindowActive(&host);
    }

    QWindow *window() const { return host.windowHandle(); }

    // Moves the pointer to a point of the host window: the cursor position
    // the button reads and the move event the window system sends.
    void moveTo(QPoint hostPoint)
    {
        QCursor::setPos(host.mapToGlobal(hostPoint));
        QTest::mouseMove(window(), hostPoint);
        QCoreApplication::processEvents();
    }
    void press(QPoint hostPoint, Qt::MouseButton b = Qt::LeftButton)
    {
        QTest::mousePress(window(), b, {}, hostPoint);
    }
    void release(QPoint hostPoint, Qt::MouseButton b = Qt::LeftButton)
    {
        QTest::mouseRelease(window(), b, {}, hostPoint);
    }

    static constexpr QPoint inside{60, 35};  // over the button
    static constexpr QPoint outside{200, 100}; // over the host only

    QWidget host;
    DravoButton *button = nullptr;
};

// A 16 x 16 icon: an opaque 10 x 8 block at (3, 4) in pure blue, the rest
// transparent.
inline QPixmap testIconPixmap()
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 4; y < 12; ++y)
        for (int x = 3; x < 13; ++x)
            image.setPixel(x, y, qRgba(0, 0, 255, 255));
    return QPixmap::fromImage(image);
}

} // namespace quorvel::test
