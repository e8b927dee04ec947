#include "platform/MpvVideoOutput.h"

#include "platform/MpvVideoWidget.h"

namespace kestova {

MpvVideoOutput::~MpvVideoOutput()
{
    m_fullScreen.leave();
    delete m_video.data(); // its render context goes before the engine
}

QWidget *MpvVideoOutput::widget()
{
    if (!m_video)
        m_video = makeVideoWidget(m_engine).release();
    return m_video;
}

} // namespace kestova
