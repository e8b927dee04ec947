#pragma once

#include "platform/MpvFullScreen.h"

#include <QPointer>
#include <QWidget>

namespace kestova {

class MpvEngine;

// A player's picture: its video widget, made on first use over the engine,
// and the widget's full-screen mode. Declared after the playback that owns
// the engine, so the widget and its render context go first.
class MpvVideoOutput
{
public:
    explicit MpvVideoOutput(MpvEngine &engine) : m_engine(engine) {}
    ~MpvVideoOutput();

    MpvVideoOutput(const MpvVideoOutput &) = delete;
    MpvVideoOutput &operator=(const MpvVideoOutput &) = delete;

    QWidget *widget();
    void enterFullScreen() { m_fullScreen.enter(widget()); }
    void leaveFullScreen() { m_fullScreen.leave(); }

private:
    MpvEngine &m_engine;
    MpvFullScreen m_fullScreen;
    // A host may have taken the widget into its window; whoever deletes it
    // first, the pointer knows.
    QPointer<QWidget> m_video;
};

} // namespace kestova
