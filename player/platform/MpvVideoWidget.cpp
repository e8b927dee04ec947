#include "platform/MpvVideoWidget.h"

#include "platform/MpvEngine.h"

#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QPalette>

namespace kestova {

namespace {

void *procAddress(void *, const char *name)
{
    QOpenGLContext *context = QOpenGLContext::currentContext();
    return context ? reinterpret_cast<void *>(context->getProcAddress(name)) : nullptr;
}

} // namespace

MpvVideoWidget::MpvVideoWidget(MpvEngine &engine, QWidget *parent)
    : QOpenGLWidget(parent), m_engine(engine)
{
    setAutoFillBackground(false);
    m_engine.setRenderOwner(this);
    connect(&m_engine, &MpvEngine::frameReady, this, &MpvVideoWidget::onFrameReady);
}

MpvVideoWidget::~MpvVideoWidget()
{
    releaseRenderContext();
}

void MpvVideoWidget::releaseRenderContext()
{
    if (!m_engine.hasRenderContext())
        return;
    const bool current = context() != nullptr;
    if (current)
        makeCurrent();
    m_engine.freeRenderContext();
    if (current)
        doneCurrent();
}

void MpvVideoWidget::initializeGL()
{
    // A reparented widget gets a new context; the old render context went
    // with the old one (aboutToBeDestroyed below).
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this,
            &MpvVideoWidget::releaseRenderContext, Qt::UniqueConnection);
    m_engine.createRenderContext(&procAddress, nullptr);
}

void MpvVideoWidget::paintGL()
{
    if (!m_engine.hasRenderContext()) {
        QOpenGLFunctions *gl = context()->functions();
        gl->glClearColor(0, 0, 0, 1);
        gl->glClear(GL_COLOR_BUFFER_BIT);
        return;
    }
    const qreal ratio = devicePixelRatioF();
    m_engine.renderFrame(int(defaultFramebufferObject()), int(width() * ratio),
                         int(height() * ratio));
}

void MpvVideoWidget::onFrameReady()
{
    if (m_engine.renderUpdateWanted())
        update();
}

std::unique_ptr<QWidget> makeVideoWidget(MpvEngine &engine)
{
    std::unique_ptr<QWidget> widget;
    if (engine.rendersVideo())
        widget = std::make_unique<MpvVideoWidget>(engine);
    else
        widget = std::make_unique<QWidget>();
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::black);
    widget->setPalette(palette);
    widget->setAutoFillBackground(!engine.rendersVideo());
    return widget;
}

} // namespace kestova
