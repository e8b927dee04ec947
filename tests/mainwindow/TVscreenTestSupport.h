// A main window over fake players and a recording settings store, shown
// under the offscreen platform, with helpers that deliver real pointer
// events through the window system.
#pragma once

#include "MarkBig5.h"
#include "fakes/FakePlayers.h"
#include "mainwindow/TVscreen.h"
#include "platform/SettingsStore.h"
#include "platform/SystemLocale.h"
#include "platform/Twips.h"

#include "DravoButton.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QTest>
#include <QWindow>

#include <map>

namespace kestova::test {

// Settings in memory; every write also goes to the shared call log.
class RecordingSettingsStore final : public MemorySettingsStore
{
public:
    explicit RecordingSettingsStore(QStringList *log) : m_log(log) {}
    void setString(const QString &key, const QString &text) override
    {
        MemorySettingsStore::setString(key, text);
        m_log->append("settings." + key + "=" + text);
    }
    bool sync() override
    {
        m_log->append("settings.sync");
        return MemorySettingsStore::sync();
    }

private:
    QStringList *m_log;
};

// Processes events until the condition holds or the time is up.
template<typename Condition>
bool waitUntil(Condition condition, int milliseconds = 3000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > milliseconds)
            return false;
        QTest::qWait(5);
    }
    return true;
}

// Sets the system locale for one test and puts the old one back.
class LocaleScope
{
public:
    explicit LocaleScope(std::uint32_t locale) : m_saved(SystemLocale) { SystemLocale = locale; }
    ~LocaleScope() { SystemLocale = m_saved; }

private:
    std::uint32_t m_saved;
};

struct ScreenFixture
{
    ScreenFixture() : settings(&log), TVPlayer(&log), TVPlayer2(&log)
    {
        screen = std::make_unique<TVscreen>(settings, TVPlayer, TVPlayer2);
        screen->setTextConverter(markBig5);
        screen->setLibraryUnregister([this] { log.append("DllUnregisterServer"); });
        screen->setProgramEnd([this] { log.append("end"); });
    }
    ~ScreenFixture()
    {
        screen.reset();
        ChannelFlags.fill(QString());
    }

    // load, show and activate, as the start-up does.
    void start()
    {
        screen->load();
        screen->show();
        (void)QTest::qWaitForWindowExposed(screen.get());
        activate();
    }
    void activate()
    {
        QEvent event(QEvent::WindowActivate);
        QCoreApplication::sendEvent(screen.get(), &event);
    }

    QWindow *window() const { return screen->windowHandle(); }
    QPoint centreInWindow(const QWidget *w) const
    {
        return w->mapTo(screen.get(), w->rect().center());
    }
    // Pointer moves and presses as window-system events at a control's centre.
    void hover(const QWidget *w)
    {
        const QPoint away(1, 1);
        QCursor::setPos(screen->mapToGlobal(away));
        QTest::mouseMove(window(), away);
        const QPoint p = centreInWindow(w);
        QCursor::setPos(screen->mapToGlobal(p));
        QTest::mouseMove(window(), p);
        QCoreApplication::processEvents();
    }
    void click(const QWidget *w)
    {
        hover(w);
        QTest::mouseClick(window(), Qt::LeftButton, {}, centreInWindow(w));
        QCoreApplication::processEvents();
    }
    void press(const QWidget *w)
    {
        hover(w);
        QTest::mousePress(window(), Qt::LeftButton, {}, centreInWindow(w));
        QTest::mouseRelease(window(), Qt::LeftButton, {}, centreInWindow(w));
        QCoreApplication::processEvents();
    }
    void doubleClick(const QWidget *w)
    {
        hover(w);
        QTest::mouseDClick(window(), Qt::LeftButton, {}, centreInWindow(w));
        QCoreApplication::processEvents();
    }

    QStringList log;
    RecordingSettingsStore settings;
    FakeWmpControl TVPlayer;
    FakeRealControl TVPlayer2;
    std::unique_ptr<TVscreen> screen;
};

} // namespace kestova::test
