// The video path on a real X server (run under xvfb-run): libmpv renders
// through its OpenGL render API into the players' video widgets. Skipped
// where no OpenGL context can be had (the offscreen platform).

#include "MediaSuite.h"

#include "platform/MpvRealControl.h"
#include "platform/MpvWmpControl.h"

#include <gtest/gtest.h>

#include <QOpenGLWidget>
#include <QTest>

#include <memory>

using namespace kestova;
using kestova::test::MediaFixture;

namespace {

MpvEngineConfig videoConfig()
{
    MpvEngineConfig config;
    config.audioOutput = QStringLiteral("null");
    return config;
}

// Brightness of the middle of what the widget shows; the test picture has
// bright colour bars there, an empty widget is black.
int middleBrightness(QWidget *video)
{
    auto *gl = qobject_cast<QOpenGLWidget *>(video);
    if (!gl)
        return -1;
    const QImage image = gl->grabFramebuffer();
    if (image.isNull())
        return -1;
    return qGray(image.pixel(image.width() / 2, image.height() / 2));
}

class VideoWidget : public test::MediaSuite
{
protected:
    void SetUp() override
    {
        if (!MpvEngine::openGlAvailable())
            GTEST_SKIP() << "no OpenGL here (run under xvfb-run for this test)";
        ASSERT_TRUE(media->ok()) << media->error().toStdString();
        window.resize(400, 300);
    }

    void place(QWidget *video)
    {
        video->setParent(&window);
        video->setGeometry(0, 0, 320, 240);
        video->show();
    }

    bool showsPicture(QWidget *video)
    {
        return QTest::qWaitFor([&] { return middleBrightness(video) > 60; }, 5000);
    }

    QWidget window;
};

} // namespace

TEST_F(VideoWidget, ShowsTheFramesOfAPlayingClip)
{
    MpvWmpControl player(videoConfig());
    QWidget *video = player.videoWidget();
    ASSERT_NE(qobject_cast<QOpenGLWidget *>(video), nullptr);
    place(video);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_LT(middleBrightness(video), 20) << "black before anything plays";

    player.setURL(media->url("clip.mp4"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.playState() == 3; }, 15000));
    EXPECT_TRUE(showsPicture(video));
}

TEST_F(VideoWidget, SourceSetBeforeTheWidgetIsShownStillGetsItsVideo)
{
    // A channel start makes the player visible and sets the source in one
    // handler: the widget's GL context comes only with the next paint.
    MpvRealControl player(videoConfig());
    QWidget *video = player.videoWidget();
    place(video);
    player.SetSource(media->url("clip.mp4"));
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.GetPlayState() == 3; }, 15000));
    EXPECT_TRUE(showsPicture(video));
    EXPECT_TRUE(player.playback().engine().flagProperty("vo-configured"));
}

TEST_F(VideoWidget, VideoSurvivesFullScreenAndBack)
{
    MpvWmpControl player(videoConfig());
    QWidget *video = player.videoWidget();
    place(video);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    player.setURL(media->url("clip.mp4"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.playState() == 3; }, 15000));
    ASSERT_TRUE(showsPicture(video));

    player.setFullScreen(true);
    EXPECT_EQ(video->window(), &window) << "the video stays in its window";
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.isFullScreen(); }, 3000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return video->geometry() == window.rect(); }, 3000));
    EXPECT_GT(video->width(), 320);
    EXPECT_TRUE(showsPicture(video)) << "no picture in full screen";

    // Escape brings it back to its place in the main window.
    QTest::keyClick(video, Qt::Key_Escape);
    EXPECT_FALSE(window.isFullScreen());
    EXPECT_EQ(video->geometry(), QRect(0, 0, 320, 240));
    EXPECT_TRUE(showsPicture(video)) << "no picture after leaving full screen";
    EXPECT_EQ(player.playState(), 3);
    EXPECT_TRUE(player.playback().engine().flagProperty("vo-configured"));
}
