// The main window with real Qt events: load and placement, activation,
// resize and maximize, the panel switch, always-on-top, fit and full screen,
// the open-media dialog, the channel buttons and both exits.

#include "TVscreenTestSupport.h"

#include "mainwindow/PictureBox.h"
#include "mainwindow/ScreenLayer.h"
#include "mainwindow/SkinImage.h"
#include "mainwindow/WindowPlacement.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTimer>

#include <gtest/gtest.h>

using namespace kestova;
using namespace kestova::test;

namespace {

QSize pixelSize(float W, float H) { return {twipsToPixels(W), twipsToPixels(H)}; }

} // namespace

TEST(TVscreenLoad, ConstructingDoesNotShow)
{
    ScreenFixture f;
    EXPECT_FALSE(f.screen->isVisible());
    EXPECT_FALSE(f.screen->LayoutEnabled);
    f.screen->load();
    EXPECT_FALSE(f.screen->isVisible());
    EXPECT_FALSE(f.screen->LayoutEnabled);
    EXPECT_TRUE(f.screen->Timer5()->isActive());
    EXPECT_FALSE(f.screen->Timer1()->isActive());
    EXPECT_FALSE(f.screen->Timer4()->isActive());
    EXPECT_FALSE(f.screen->Timer6()->isActive());
}

TEST(TVscreenLoad, PlacementFromTheSettings)
{
    struct Case
    {
        const char *name;
        std::map<QString, QVariant> stored;
        float W, H;
        bool expanded;
    };
    const Case cases[] = {
        {"first start", {}, 6875, 7155, false},
        {"small values raised", {{"Window/Width", "1500"}, {"Window/Height", "2000"}}, 2000, 3000, false},
        {"height from the width's text", {{"Window/Width", "7000"}}, 7000, 7000, false},
        {"show opens expanded",
         {{"Window/Width", "6885"}, {"Window/Height", "7155"}, {"Window/Channel", "Show"}},
         6885 + 3325, 7155, true},
        {"width not a number", {{"Window/Width", "big"}, {"Window/Channel", "Show"}}, 6875, 7155, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        LocaleScope locale(LocaleChinesePrc);
        ScreenFixture f;
        f.settings.values = c.stored;
        f.start();

        const LayoutModel m = f.screen->layout();
        EXPECT_FLOAT_EQ(m.W, c.W);
        EXPECT_FLOAT_EQ(m.H, c.H);
        EXPECT_EQ(f.screen->size(), pixelSize(c.W, c.H));
        EXPECT_EQ(f.screen->SwitchSkin()->Tag(), c.expanded ? "expand" : "base");
        EXPECT_EQ(f.screen->SwitchSkin()->Caption(), c.expanded ? "<<" : ">>");
        EXPECT_EQ(f.screen->Picture5()->isVisible(), c.expanded);
        EXPECT_EQ(f.screen->morechannel()->isVisible(), c.expanded);
        EXPECT_EQ(f.screen->subchannelgroup()->isVisible(), c.expanded);
        // Laid out for that size: the video area is W - 275 - ext wide.
        const float ext = c.expanded ? 3325 : 0;
        EXPECT_FLOAT_EQ(m.TVPlayer.rect.Width, c.W - 275 - ext);
        EXPECT_EQ(f.TVPlayer.videoWidget()->width(), twipsToPixels(75 + c.W - 275 - ext) - twipsToPixels(75));
        // Never top-most at start.
        EXPECT_EQ(f.screen->SwithTopWindow()->Tag(), "NoTop");
        EXPECT_FALSE(f.screen->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }
}

TEST(TVscreenLoad, DesignedTextsAndControls)
{
    LocaleScope locale(LocaleChinesePrc);
    ScreenFixture f;
    f.start();
    TVscreen &w = *f.screen;
    EXPECT_EQ(w.windowTitle(), "Kestova");
    EXPECT_EQ(w.PlayTime()->text(), "00:00");
    EXPECT_EQ(w.Label1()->text(), "+");
    EXPECT_EQ(w.SwithTopWindow()->Caption(), "∴");
    EXPECT_EQ(w.tv_stop()->toolTip(), "停止");
    EXPECT_EQ(w.help()->toolTip(), "关于Kestova的说明");
    EXPECT_EQ(w.vol1()->toolTip(), "拖动调节音量");
    EXPECT_EQ(w.volumeImage()->toolTip(), "点击静音");
    EXPECT_EQ(w.UpdateStart()->Caption(), "开始升级");
    EXPECT_EQ(w.Update_Prompt(4)->text(), "闭Kestova或者断开网络连接。");
    EXPECT_EQ(w.Update_Prompt_Title()->text(), "升级提示：");
    EXPECT_FALSE(w.Update_Prompt_Box()->isVisible());
    EXPECT_FALSE(w.isMutedPictureShown());
    for (int i = 0; i < 16; ++i)
        EXPECT_FALSE(w.subchannel(i)->isVisible()) << i;
    EXPECT_TRUE(w.ChangeChannel(0)->isHidden());
    EXPECT_EQ(w.channelCount(), 0);
    EXPECT_EQ(w.ChangeChannel(1), nullptr);
    // The "r" player and its cover are out of use at first.
    EXPECT_FALSE(f.TVPlayer2.videoWidget()->isVisible());
    EXPECT_FALSE(w.Maskit2()->isVisible());
    EXPECT_TRUE(f.TVPlayer.videoWidget()->isVisible());
    EXPECT_EQ(f.TVPlayer.videoWidget()->parentWidget(), &w);
}

TEST(TVscreenActivation, SetsFlagsAndTaiwanTexts)
{
    struct Case
    {
        std::uint32_t locale;
        QString title, stopTip, helpTip, fitTip, updateTip, startCaption;
    };
    const Case cases[] = {
        {LocaleChinesePrc, "Kestova", "停止", "关于Kestova的说明", "合适大小", "节目单在线升级", "开始升级"},
        {LocaleEnglishUs, "Kestova", "停止", "关于Kestova的说明", "合适大小", "节目单在线升级", "开始升级"},
        {LocaleChineseTaiwan, "big5:Kestova", "big5:暂停播放", "big5:关于", "big5:匹配窗口", "big5:升级节目单",
         "big5:开始升级"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.locale);
        LocaleScope locale(c.locale);
        ScreenFixture f;
        f.screen->load();
        f.screen->OpenDialogNext = false;
        f.log.clear();
        f.activate();
        EXPECT_TRUE(f.screen->LayoutEnabled);
        EXPECT_TRUE(f.screen->OpenDialogNext);
        EXPECT_EQ(f.log, QStringList{"TVPlayer2.SetActivated=true"});
        EXPECT_EQ(f.screen->windowTitle(), c.title);
        EXPECT_EQ(f.screen->tv_stop()->toolTip(), c.stopTip);
        EXPECT_EQ(f.screen->help()->toolTip(), c.helpTip);
        EXPECT_EQ(f.screen->tv_fit()->toolTip(), c.fitTip);
        EXPECT_EQ(f.screen->Update_Tvlist()->toolTip(), c.updateTip);
        EXPECT_EQ(f.screen->UpdateStart()->Caption(), c.startCaption);
    }
}

TEST(TVscreenResize, LaysOutOnlyWhenEnabled)
{
    LocaleScope locale(LocaleChinesePrc);
    ScreenFixture f;
    f.start();
    TVscreen &w = *f.screen;

    // Enabled: the video area follows the size.
    w.resize(600, 500);
    QCoreApplication::processEvents();
    EXPECT_FLOAT_EQ(w.layout().W, 9000);
    EXPECT_FLOAT_EQ(w.layout().TVPlayer.rect.Width, 9000 - 275);
    EXPECT_FLOAT_EQ(w.layout().Picture1.rect.Top, 7500 - 1855);
    EXPECT_TRUE(w.bar(1)->isVisible());

    // Too low (120 px = 1800 twips): nothing moves.
    const LayoutModel before = w.layout();
    w.resize(600, 120);
    QCoreApplication::processEvents();
    LayoutModel after = w.layout();
    EXPECT_FLOAT_EQ(after.H, 1800);
    after.H = before.H;
    EXPECT_EQ(after, before);

    // Disabled: the size changes, the controls stay.
    w.LayoutEnabled = false;
    w.resize(700, 500);
    QCoreApplication::processEvents();
    EXPECT_FLOAT_EQ(w.layout().W, 10500);
    EXPECT_FLOAT_EQ(w.layout().TVPlayer.rect.Width, 9000 - 275);
}

TEST(TVscreenResize, MaximizeHidesSwitchSkin)
{
    LocaleScope locale(LocaleChinesePrc);
    ScreenFixture f;
    f.start();
    TVscreen &w = *f.screen;
    ASSERT_TRUE(w.SwitchSkin()->isVisible());
    w.showMaximized();
    ASSERT_TRUE(waitUntil([&] { return w.isMaximized(); }));
    QCoreApplication::processEvents();
    EXPECT_FALSE(w.SwitchSkin()->isVisible());
    w.showNormal();
    ASSERT_TRUE(waitUntil([&] { return !w.isMaximized(); }));
    QCoreApplication::processEvents();
    EXPECT_TRUE(w.SwitchSkin()->isVisible());
}

TEST(TVscreenPanel, SwitchByClickKeepsTheSwitchLayout)
{
    LocaleScope locale(LocaleChinesePrc);
    ScreenFixture f;
    f.start();
    TVscreen &w = *f.screen;
    ASSERT_FLOAT_EQ(w.layout().W, 6875);

    f.click(w.SwitchSkin());
    QCoreApplication::processEvents();
    LayoutModel m = w.layout();
    EXPECT_FLOAT_EQ(m.W, 10200);
    EXPECT_EQ(w.size(), pixelSize(10200, 7155));
    EXPECT_EQ(w.SwitchSkin()->Tag(), "expand");
    EXPECT_EQ(w.SwitchSkin()->Caption(), "<<");
    EXPECT_EQ(w.SwitchSkin()->toolTip(), "基本面板");
    EXPECT_TRUE(w.LayoutEnabled);
    EXPECT_TRUE(w.Picture5()->isVisible());
    EXPECT_TRUE(w.subchannelgroup()->isVisible());
    // The resize the switch caused did not lay out: bar(1) stands at
    // W - 3900 (the layout would have put it at W - 3890, one pixel further).
    EXPECT_FLOAT_EQ(m.bar[1].rect.Left, 6300);
    EXPECT_EQ(w.bar(1)->x(), 420);
    EXPECT_FALSE(w.bar(2)->isVisible());
    EXPECT_FLOAT_EQ(m.TVPlayer.rect.Width, 6600);

    f.click(w.SwitchSkin());
    QCoreApplication::processEvents();
    m = w.layout();
    EXPECT_FLOAT_EQ(m.W, 6875);
    EXPECT_EQ(w.SwitchSkin()->Tag(), "base");
    EXPECT_EQ(w.SwitchSkin()->Caption(), ">>");
    EXPECT_EQ(w.SwitchSkin()->toolTip(), "扩展面板");
    EXPECT_FALSE(w.Picture5()->isVisible());
    // bar(1) stays until the next layout.
    EXPECT_TRUE(w.bar(1)->isVisible());
    w.arrangeControls();
    EXPECT_FALSE(w.bar(1)->isVisible());
}

TEST(TVscreenTopMost, ToggleCaptionToolTipAndFlag)
{
    struct Case
    {
        std::uint32_t locale;
        QString onTip, offTip;
    };
    const Case cases[] = {
        {LocaleChinesePrc, "取消紧贴屏幕播放", "紧贴屏幕播放"},
        {LocaleChineseTaiwan, "big5:取消紧贴屏幕播放", "big5:紧贴屏幕播放"},
        {LocaleEnglishUs, "紧贴屏幕播放", "紧贴屏幕播放"}, // left as designed
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.locale);
        LocaleScope locale(c.locale);
        ScreenFixture f;
        f.start();
        DravoButton *b = f.screen->SwithTopWindow();

        f.click(b);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(f.screen.get()));
        EXPECT_TRUE(f.screen->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_TRUE(f.screen->isVisible());
        EXPECT_EQ(b->Tag(), "Top");
        EXPECT_EQ(b->Caption(), "∵");
        EXPECT_EQ(b->toolTip(), c.onTip);

        QTest::qWait(10);
        f.click(b);
        EXPECT_FALSE(f.screen->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_TRUE(f.screen->isVisible());
        EXPECT_EQ(b->Tag(), "NoTop");
        EXPECT_EQ(b->Caption(), "∴");
        EXPECT_EQ(b->toolTip(), c.offTip);
    }
}

TEST(TVscreenCommands, FitTogglesOnlyWhilePlaying)
{
    struct Case
    {
        int state;
        QStringList calls;
    };
    const Case cases[] = {
        {WmpControl::Playing, {"TVPlayer.stretchToFit=true", "TVPlayer.stretchToFit=false"}},
        {WmpControl::Paused, {}},
        {WmpControl::Stopped, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.state);
        ScreenFixture f;
        f.start();
        f.TVPlayer.state = c.state;
        f.log.clear();
        f.click(f.screen->tv_fit());
        QTest::qWait(10);
        f.click(f.screen->tv_fit());
        EXPECT_EQ(f.log, c.calls);
        EXPECT_FALSE(f.TVPlayer.stretch);
    }
}

TEST(TVscreenCommands, FullScreenAsksThePlayingPlayer)
{
    struct Case
    {
        int wmpState, realState;
        QStringList image, maskit, maskit2;
    };
    const QStringList wmp{"TVPlayer.fullScreen=true"};
    const QStringList real{"TVPlayer2.SetFullScreen"};
    const Case cases[] = {
        {3, 0, wmp, wmp, real},
        {0, 3, real, {}, real},
        {3, 3, wmp + real, wmp, real},
        {6, 2, {}, {}, real}, // buffering: nothing but Maskit2, which never checks
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.wmpState << "/" << c.realState);
        ScreenFixture f;
        f.start();
        f.TVPlayer.state = c.wmpState;
        f.TVPlayer2.state = c.realState;

        f.log.clear();
        f.click(f.screen->tv_fullscreen());
        EXPECT_EQ(f.log, c.image);

        f.log.clear();
        f.doubleClick(f.screen->Maskit());
        EXPECT_EQ(f.log, c.maskit);

        f.screen->Maskit2()->show();
        f.screen->Maskit2()->raise();
        f.log.clear();
        f.doubleClick(f.screen->Maskit2());
        EXPECT_EQ(f.log, c.maskit2);
    }
}

TEST(TVscreenCommands, PlainImagesRaiseSignals)
{
    ScreenFixture f;
    f.start();
    QSignalSpy play(f.screen.get(), &TVscreen::playClicked);
    QSignalSpy stop(f.screen.get(), &TVscreen::stopClicked);
    QSignalSpy help(f.screen.get(), &TVscreen::helpClicked);
    QSignalSpy update(f.screen.get(), &TVscreen::updateListClicked);
    f.click(f.screen->tv_play());
    f.click(f.screen->tv_stop());
    f.click(f.screen->help());
    f.click(f.screen->Update_Tvlist());
    EXPECT_EQ(play.count(), 1);
    EXPECT_EQ(stop.count(), 1);
    EXPECT_EQ(help.count(), 1);
    EXPECT_EQ(update.count(), 1);
}

// The open-media dialog's frame stands beside tv_open, its bottom level with
// the image's bottom.
namespace {
bool besideOpenImage(const TVscreen &screen, const QWidget &dialog)
{
    const QWidget *image = screen.tv_open();
    const QPoint imageRightBottom = image->mapToGlobal(QPoint(image->width(), image->height()));
    const QRect frame = dialog.frameGeometry();
    return std::abs(frame.left() - imageRightBottom.x()) <= 1
        && std::abs(frame.bottom() + 1 - imageRightBottom.y()) <= 1;
}
} // namespace

TEST(TVscreenOpenDialog, PressesShowAndHide)
{
    ScreenFixture f;
    f.start();
    QWidget *dialog = f.screen->OpenFile();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->isVisible());

    f.press(f.screen->tv_open());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(f.screen->Timer6()->isActive());
    EXPECT_FALSE(f.screen->OpenDialogNext);
    // Timer6 corrects the place once the window system gave the dialog its frame.
    EXPECT_TRUE(waitUntil([&] { return besideOpenImage(*f.screen, *dialog); }))
        << dialog->frameGeometry().left() << "," << dialog->frameGeometry().bottom();

    f.press(f.screen->tv_open());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(f.screen->Timer6()->isActive());
    EXPECT_TRUE(f.screen->OpenDialogNext);

    // Activation in between: the second press shows it again.
    f.press(f.screen->tv_open());
    f.activate();
    f.press(f.screen->tv_open());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(f.screen->Timer6()->isActive());
}

TEST(TVscreenOpenDialog, FollowsTheWindow)
{
    ScreenFixture f;
    f.start();
    QWidget dialog(nullptr, Qt::Tool);
    dialog.resize(200, 90);
    f.screen->setOpenFileDialog(&dialog);
    f.press(f.screen->tv_open());
    ASSERT_TRUE(dialog.isVisible());
    ASSERT_TRUE(waitUntil([&] { return besideOpenImage(*f.screen, dialog); }));
    const QPoint first = dialog.pos();

    f.screen->move(f.screen->pos() + QPoint(40, 25));
    EXPECT_TRUE(waitUntil([&] { return dialog.pos() == first + QPoint(40, 25); }))
        << dialog.pos().x() << "," << dialog.pos().y() << " from " << first.x() << "," << first.y();
}

TEST(TVscreenChannels, BuildReplaceAndClick)
{
    ScreenFixture f;
    f.start();
    TVscreen &w = *f.screen;
    const CatalogueFrame frame = w.catalogueFrame();
    EXPECT_EQ(frame.templateButton, (TwipsRect{60, 60, 1410, 285}));
    EXPECT_FLOAT_EQ(frame.morechannelTop, 0);
    EXPECT_FLOAT_EQ(frame.morechannelHeight, 6285);

    Catalogue first;
    first.buttons = {
        {1, {60, 60, 1410, 285}, "一台", "No.1 一台", "http://a@@http://b", "m"},
        {2, {1530, 60, 1410, 285}, "二台", "No.2 二台", "rtsp://c", "r"},
        {3, {60, 405, 2895, 285}, "宽行", "No.3 宽行", "http://d", "mb"},
    };
    first.morechannelHeight = 7000;
    LayoutModel scrolled = w.layout();
    scrolled.morechannel.rect.Top = -500;
    w.setLayout(scrolled);
    w.buildChannelButtons(first);

    ASSERT_EQ(w.channelCount(), 3);
    for (const ChannelButtonEntry &entry : first.buttons) {
        DravoButton *b = w.ChangeChannel(entry.index);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->Caption(), entry.caption);
        EXPECT_EQ(b->toolTip(), entry.toolTip);
        EXPECT_EQ(b->Tag(), entry.tag);
        EXPECT_EQ(b->parentWidget(), w.morechannel());
        EXPECT_FALSE(b->isHidden());
        EXPECT_EQ(b->x(), twipsToPixels(entry.geometry.Left));
        EXPECT_EQ(b->y(), twipsToPixels(entry.geometry.Top));
        EXPECT_EQ(b->width(), twipsToPixels(entry.geometry.Left + entry.geometry.Width) - b->x());
    }
    EXPECT_FLOAT_EQ(w.layout().morechannel.rect.Height, 7000);
    EXPECT_FLOAT_EQ(w.layout().morechannel.rect.Top, 0);
    EXPECT_EQ(w.morechannel()->height(), twipsToPixels(7000));

    // Clicking a channel in the expanded panel reports its index.
    f.click(w.SwitchSkin());
    QSignalSpy clicked(&w, &TVscreen::channelClicked);
    f.click(w.ChangeChannel(2));
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 2);

    // A rebuild replaces the buttons; no height leaves the list's height.
    Catalogue second;
    second.buttons = {{1, {60, 60, 1410, 285}, "新台", "No.1 新台", "http://e", "m"}};
    QPointer<DravoButton> old = w.ChangeChannel(3);
    w.buildChannelButtons(second);
    EXPECT_EQ(w.channelCount(), 1);
    EXPECT_EQ(w.ChangeChannel(2), nullptr);
    EXPECT_EQ(w.ChangeChannel(1)->Caption(), "新台");
    EXPECT_FLOAT_EQ(w.layout().morechannel.rect.Height, 7000);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(old.isNull());
}

TEST(TVscreenChannels, SubchannelClicksAndListTag)
{
    ScreenFixture f;
    f.start();
    TVscreen &w = *f.screen;
    w.setListVersionTag("20261201");
    EXPECT_EQ(w.listVersionTag(), "20261201");
    EXPECT_EQ(w.ChangeChannel(0)->Tag(), "20261201");

    f.click(w.SwitchSkin());
    w.subchannel(4)->show();
    QSignalSpy clicked(&w, &TVscreen::subchannelClicked);
    f.click(w.subchannel(4));
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 4);

    w.setSwitchSkinVisible(false);
    EXPECT_FALSE(w.SwitchSkin()->isVisible());
}

TEST(TVscreenPlayers, VolumeDisplayAndPlayerGeometry)
{
    ScreenFixture f;
    f.start();
    TVscreen &w = *f.screen;

    w.showVolumeLevel(50);
    ASSERT_EQ(w.vol1()->drawing().size(), 2u);
    EXPECT_EQ(w.vol1()->drawing()[0].twips, QRectF(0, 0, 780, 135));
    EXPECT_EQ(w.vol1()->drawing()[0].colour, QColor(0, 255, 0));
    EXPECT_EQ(w.vol1()->drawing()[1].twips, QRectF(780, 0, 10, 135));
    EXPECT_EQ(w.vol1()->drawing()[1].colour, QColor(0, 0, 255));
    ASSERT_EQ(w.vol2()->drawing().size(), 1u);
    EXPECT_EQ(w.vol2()->drawing()[0].twips, QRectF(780, 0, 10, 255));
    // Drawn pixels: green at the left of vol1, blue at the knob.
    const QImage vol1 = w.vol1()->grab().toImage();
    EXPECT_EQ(QColor(vol1.pixel(10, 4)), QColor(0, 255, 0));
    EXPECT_EQ(QColor(vol1.pixel(52, 4)), QColor(0, 0, 255));

    LayoutModel m = w.layout();
    m.TVPlayer2.rect = {10410, 480, 2715, 2625};
    w.setLayout(m);
    w.alignRealPlayerToTVPlayer();
    m = w.layout();
    EXPECT_EQ(m.TVPlayer2.rect, m.TVPlayer.rect);
    EXPECT_EQ(m.Maskit2.rect, (TwipsRect{m.TVPlayer.rect.Left, m.TVPlayer.rect.Top, m.TVPlayer.rect.Width,
                                         m.TVPlayer.rect.Height - 300}));
    EXPECT_EQ(f.TVPlayer2.videoWidget()->geometry(), f.TVPlayer.videoWidget()->geometry());
    EXPECT_EQ(w.Maskit2()->height(), f.TVPlayer.videoWidget()->height() - 20);

    w.volumeImage()->setPicture(w.mute()->picture());
    EXPECT_TRUE(w.isMutedPictureShown());
    w.volumeImage()->setPicture(w.speak()->picture());
    EXPECT_FALSE(w.isMutedPictureShown());
}

TEST(TVscreenPlayers, EmptyScreenFollowsThePlayerState)
{
    struct Case
    {
        int state;
        bool idle;
    };
    const Case cases[] = {{0, true}, {1, true}, {2, false}, {3, false}, {6, true}, {8, true}, {10, true}};
    ScreenFixture f;
    f.start();
    for (const Case &c : cases) {
        f.TVPlayer.state = c.state;
        Q_EMIT f.TVPlayer.StatusChange();
        EXPECT_EQ(f.screen->Maskit()->idle(), c.idle) << c.state;
    }
}

TEST(TVscreenExit, CloseButtonOrder)
{
    ScreenFixture f;
    f.start();
    f.click(f.screen->SwitchSkin()); // expanded at 10200
    f.press(f.screen->tv_open());
    QWidget *dialog = f.screen->OpenFile();
    ASSERT_TRUE(dialog->isVisible());
    f.screen->Timer1()->start();
    f.screen->Timer4()->start();
    QSignalSpy unloaded(f.screen.get(), &TVscreen::unloaded);

    f.log.clear();
    f.click(f.screen->tv_close());
    EXPECT_EQ(f.log, (QStringList{"DllUnregisterServer", "settings.Window/Height=7155",
                                  "settings.Window/Channel=Show", "settings.Window/Width=6885", "settings.sync",
                                  "TVPlayer.controls.stop", "TVPlayer.close", "end"}));
    EXPECT_FALSE(f.screen->isVisible());
    EXPECT_FALSE(dialog->isVisible());
    for (QTimer *t : {f.screen->Timer1(), f.screen->Timer4(), f.screen->Timer5(), f.screen->Timer6()})
        EXPECT_FALSE(t->isActive());
    // No unload handler runs after the close button.
    f.screen->close();
    EXPECT_EQ(f.log.last(), "end");
    EXPECT_EQ(unloaded.count(), 0);
}

TEST(TVscreenExit, WindowCloseOrder)
{
    ScreenFixture f;
    f.start();
    f.screen->resize(500, 480); // 7500 x 7200, base panel
    QCoreApplication::processEvents();
    Catalogue catalogue;
    catalogue.buttons = {{1, {60, 60, 1410, 285}, "一台", "No.1 一台", "http://a", "m"}};
    f.screen->buildChannelButtons(catalogue);
    ChannelFlags[1] = "m";
    QWidget about;
    about.show();
    f.screen->registerWindowToUnload(&about);
    QSignalSpy unloaded(f.screen.get(), &TVscreen::unloaded);

    f.log.clear();
    f.screen->close();
    EXPECT_EQ(f.log, (QStringList{"settings.Window/Height=7200", "settings.Window/Channel=Hide",
                                  "settings.Window/Width=7500", "settings.sync", "TVPlayer.controls.stop",
                                  "TVPlayer.close", "DllUnregisterServer", "end"}));
    EXPECT_FALSE(f.screen->isVisible());
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(f.screen->channelCount(), 0);
    EXPECT_TRUE(ChannelFlags[1].isEmpty());
    EXPECT_EQ(unloaded.count(), 1);
    EXPECT_FALSE(f.screen->Timer5()->isActive());
}

TEST(TVscreenExit, StoredPlacementRoundTrip)
{
    // Closing in the expanded panel at 10200 stores 6885 and "Show"; the
    // next start opens at 6885 + 3325.
    std::map<QString, QVariant> stored;
    {
        ScreenFixture f;
        f.start();
        f.click(f.screen->SwitchSkin());
        f.click(f.screen->tv_close());
        stored = f.settings.values;
    }
    EXPECT_EQ(stored["Window/Width"], QVariant("6885"));
    EXPECT_EQ(stored["Window/Channel"], QVariant("Show"));
    ScreenFixture next;
    next.settings.values = stored;
    next.start();
    EXPECT_FLOAT_EQ(next.screen->layout().W, 10210);
    EXPECT_EQ(next.screen->SwitchSkin()->Tag(), "expand");
}
