#pragma once

#include "platform/LocaleRule.h"
#include "playback/PlaybackState.h"

#include <QObject>
#include <QQueue>
#include <QTimer>

namespace kestova {

class MessagePresenter;
class PlaybackView;
class RealControl;
class WmpControl;

// Turns the two players' events into status texts and runs the two timers
// of the main window that belong to playback: Timer1 (500 ms, the "m"
// player's rate and buffering line, enabled by its Buffering event) and
// Timer5 (1000 ms, the clock and the progress bar of both). The timers are
// the window's (its exits stop them); this class sets their intervals and
// handles their ticks, and switches only Timer1 on and off.
class PlayerEvents : public QObject
{
    Q_OBJECT
public:
    PlayerEvents(WmpControl &tvPlayer, RealControl &tvPlayer2, PlaybackView &view,
                 PlaybackState &state, MessagePresenter &messages, LocaleRule localeRule,
                 QTimer &timer1, QTimer &timer5, QObject *parent = nullptr);

    QTimer &Timer1() { return m_timer1; }
    QTimer &Timer5() { return m_timer5; }

    // The open-media dialog's OpenMode ("local" after it started a source).
    QString &OpenMode() { return m_state.OpenMode; }

    // "m" player (TVPlayer) events.
    void onWmpBuffering(bool start);
    void onWmpError();
    // "r" player (TVPlayer2) events.
    void onRealErrorMessage();
    void onRealPresentationEnd();
    void onRealBuffering(int percentage);
    void onRealPlayStateChange();

    // Timer ticks.
    void onTimer1();
    void onTimer5();

private:
    void setInfo(const std::optional<QString> &text);
    // Handles the error of a source from the open-media dialog; false when
    // the error belongs to a channel.
    bool reportLocalFileError();
    // Shows the queued messages one after another, from the event loop
    // rather than from inside the player's event delivery.
    void showPendingMessages();

    WmpControl &m_tvPlayer;
    RealControl &m_tvPlayer2;
    PlaybackView &m_view;
    PlaybackState &m_state;
    MessagePresenter &m_messages;
    LocaleRule m_rule;
    QTimer &m_timer1;
    QTimer &m_timer5;
    QQueue<QString> m_pendingMessages;
    bool m_showingMessage = false;
};

} // namespace kestova
