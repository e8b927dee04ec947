#pragma once

#include <QOpenGLWidget>

#include <memory>

namespace kestova {

class MpvEngine;

// Shows an engine's video through libmpv's OpenGL render API. The render
// context lives exactly as long as this widget's GL context: it is made in
// initializeGL and freed, with the context current, before the GL context
// goes away (reparenting into a full-screen window recreates both).
class MpvVideoWidget final : public QOpenGLWidget
{
    Q_OBJECT
public:
    explicit MpvVideoWidget(MpvEngine &engine, QWidget *parent = nullptr);
    ~MpvVideoWidget() override;

    // Frees the engine's render context with this widget's context current.
    void releaseRenderContext();

protected:
    void initializeGL() override;
    void paintGL() override;

private:
    void onFrameReady();

    MpvEngine &m_engine;
};

// The widget that shows an engine's video: an MpvVideoWidget where video is
// rendered, otherwise (no OpenGL, e.g. offscreen) a plain black widget.
std::unique_ptr<QWidget> makeVideoWidget(MpvEngine &engine);

} // namespace kestova
