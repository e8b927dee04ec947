// The splash's start-up sequence over a real main window and recording
// players, on list files written into a temporary program directory.

#include "fakes/FakePlayers.h"
#include "mainwindow/PictureBox.h"
#include "mainwindow/TVscreen.h"
#include "platform/SettingsStore.h"
#include "platform/SystemLocale.h"
#include "startup/ChannelListFormat.h"
#include "startup/ChannelListReading.h"
#include "startup/GB2BIG5.h"
#include "startup/StartForm.h"

#include <DravoButton.h>

#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace kestova;
using kestova::test::FakeRealControl;
using kestova::test::FakeWmpControl;

namespace {

QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

// One channel description of the plain list.
QByteArray plainChannel(const QString &name, const QString &sources, const char *mediaType,
                        const char *moreFlags = "")
{
    return (QStringLiteral("channel_name:") + name + QStringLiteral("@start{") + sources +
            QStringLiteral("}@end@mediatype:") + QLatin1String(mediaType) + QLatin1String(moreFlags) +
            QStringLiteral("\r\n"))
        .toUtf8();
}

QByteArray scrambledFile(const QString &records, const QString &version = QStringLiteral("v9"),
                         const QString &site = QStringLiteral("http://site.example"),
                         const QString &update = QStringLiteral("http://site.example/list.txt"))
{
    ScrambledList list{records, version, site, update, QStringLiteral("r4"), QStringLiteral("r5")};
    const ScrambledListWrite written = writeScrambledList(list);
    EXPECT_TRUE(written.ok()) << written.error.toStdString();
    return written.bytes;
}

// The program around the splash: loads the main window over the recording
// players and counts how often the sequence asked for it.
struct Program : StartupHost
{
    explicit Program(const QString &dir, std::uint32_t locale = LocaleChinesePrc)
        : previousLocale(SystemLocale), TVPlayer(&calls), TVPlayer2(&calls),
          splash(*this, settings, TVPlayer, TVPlayer2, dir)
    {
        SystemLocale = locale;
        loadGbToBig5Table();
        ChannelFlags.fill(QString());
    }
    ~Program() override
    {
        window.reset();
        ChannelFlags.fill(QString());
        SystemLocale = previousLocale;
    }

    TVscreen &loadMainWindow() override
    {
        ++loads;
        window = std::make_unique<TVscreen>(settings, TVPlayer, TVPlayer2);
        window->setLibraryUnregister([] {});
        window->setProgramEnd([] {});
        window->load();
        return *window;
    }
    void showMainWindow() override
    {
        ++shows;
        window->show();
    }

    QStringList captions() const
    {
        QStringList out;
        for (int k = 1; k <= window->channelCount(); ++k)
            out << window->ChangeChannel(k)->Caption();
        return out;
    }

    const std::uint32_t previousLocale;
    QStringList calls;
    MemorySettingsStore settings;
    FakeWmpControl TVPlayer;
    FakeRealControl TVPlayer2;
    StartForm splash;
    std::unique_ptr<TVscreen> window;
    int loads = 0;
    int shows = 0;
};

class StartupSequence : public ::testing::Test
{
protected:
    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir;
};

TEST_F(StartupSequence, PlainListAloneGivesItsChannelsAndTheDefaultSite)
{
    writeFile(path("av.txt"), plainChannel(u8("一台"), "http://a.example/1", "media") +
                                  plainChannel(u8("二台"), "http://b.example/2+or+http://c.example/3", "real", "b"));
    Program program(dir.path());
    const QString designTag = program.loadMainWindow().listVersionTag();
    program.window.reset();
    program.loads = 0;

    program.splash.runStartupSequence();

    ASSERT_EQ(program.loads, 1);
    ASSERT_EQ(program.shows, 1);
    EXPECT_EQ(program.captions(), QStringList({u8("一台"), u8("二台")}));
    EXPECT_EQ(program.window->ChangeChannel(2)->Tag(), QStringLiteral("http://b.example/2@@http://c.example/3"));
    EXPECT_EQ(ChannelFlags[1], QStringLiteral("m"));
    EXPECT_EQ(ChannelFlags[2], QStringLiteral("rb"));
    EXPECT_EQ(program.splash.SiteAddress, DefaultSiteAddress);
    EXPECT_TRUE(program.splash.UpdateAddress.isEmpty());
    EXPECT_EQ(program.window->listVersionTag(), designTag);
    EXPECT_EQ(program.settings.values.at(QStringLiteral("Path")).toString(), dir.path());
}

TEST_F(StartupSequence, ScrambledListBringsTagAndAddressesAndFollowsThePlainChannels)
{
    writeFile(path("av.txt"), plainChannel(u8("本地台"), "http://local.example/1", "media"));
    writeFile(path("tv.zqv"), scrambledFile(u8("远方一|http://far.example/1|m##远方二|http://far.example/2|r")));
    Program program(dir.path());

    program.splash.runStartupSequence();

    EXPECT_EQ(program.captions(), QStringList({u8("本地台"), u8("远方一"), u8("远方二")}));
    EXPECT_EQ(ChannelFlags[3], QStringLiteral("r"));
    EXPECT_EQ(program.window->listVersionTag(), QStringLiteral("v9"));
    EXPECT_EQ(program.splash.SiteAddress, QStringLiteral("http://site.example"));
    EXPECT_EQ(program.splash.UpdateAddress, QStringLiteral("http://site.example/list.txt"));
    EXPECT_EQ(program.splash.Reserved4, QStringLiteral("r4"));
    EXPECT_EQ(program.splash.Reserved5, QStringLiteral("r5"));
}

TEST_F(StartupSequence, StartValuesOfThePlayersAndTheWindow)
{
    writeFile(path("av.txt"), plainChannel("One", "http://a.example/1", "media"));
    Program program(dir.path());
    program.TVPlayer2.muted = true;

    program.splash.runStartupSequence();

    // The RealPlayer-style options come first, in this order, then the volume.
    EXPECT_EQ(program.TVPlayer2.ownCalls,
              QStringList({"SetStartupOption(326,true)", "SetStartupOption(225,false)",
                           "SetStartupOption(235,false)", "SetVolume=50"}));
    EXPECT_EQ(program.window->VolumeLevel, 50);
    EXPECT_TRUE(program.window->RealMuted);
    EXPECT_EQ(program.window->ProgramVersion, QStringLiteral("6.2"));
    EXPECT_EQ(program.window->TVPlayer2().videoWidget()->geometry(),
              program.window->TVPlayer().videoWidget()->geometry());
}

// Unusable scrambled lists: no channel at all (not even the plain ones), the
// panel switch hidden, and none of the start values set.
TEST_F(StartupSequence, UnusableScrambledListOpensAnEmptyWindow)
{
    const struct {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"no trailer marker", "abc#def#ghi#jkl#mno#"},
        {"four trailer fields", "BODY###v1#a#b#c#"},
        {"empty file", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir here;
        writeFile(here.filePath("av.txt"), plainChannel("One", "http://a.example/1", "media"));
        writeFile(here.filePath("tv.zqv"), c.bytes);
        Program program(here.path());

        program.splash.runStartupSequence();

        ASSERT_EQ(program.shows, 1);
        EXPECT_EQ(program.window->channelCount(), 0);
        EXPECT_FALSE(program.window->SwitchSkin()->isVisibleTo(program.window.get()));
        EXPECT_EQ(program.window->VolumeLevel, 0);
        EXPECT_FALSE(program.window->RealMuted);
        EXPECT_TRUE(program.window->ProgramVersion.isEmpty());
        EXPECT_TRUE(program.splash.SiteAddress.isEmpty());
        EXPECT_TRUE(program.TVPlayer2.ownCalls.isEmpty());
        EXPECT_TRUE(program.window->isVisible());
        EXPECT_FALSE(program.splash.isVisible());
    }
}

TEST_F(StartupSequence, NoListFilesShowTheWindowWithoutChannels)
{
    Program program(dir.path());

    program.splash.runStartupSequence();

    ASSERT_EQ(program.shows, 1);
    EXPECT_EQ(program.window->channelCount(), 0);
    EXPECT_TRUE(program.window->SwitchSkin()->isVisibleTo(program.window.get()));
    EXPECT_EQ(program.splash.SiteAddress, DefaultSiteAddress);
    EXPECT_EQ(program.window->ProgramVersion, QStringLiteral("6.2"));
}

TEST_F(StartupSequence, BrokenRecordsAreSkippedAndTheListStopsAtOneThousand)
{
    QStringList records;
    records << QStringLiteral("NoFlags|http://x.example/0") << QString() << QStringLiteral("Lone");
    for (int i = 1; i <= 1005; ++i)
        records << QStringLiteral("C%1|http://x.example/%1|m").arg(i);
    writeFile(path("tv.zqv"), scrambledFile(records.join(QStringLiteral("##"))));
    Program program(dir.path(), LocaleEnglishUs);

    program.splash.runStartupSequence();

    ASSERT_EQ(program.window->channelCount(), 1000);
    // Numbering stays dense: the broken records take no number.
    EXPECT_EQ(program.window->ChangeChannel(1)->Tag(), QStringLiteral("http://x.example/1"));
    EXPECT_EQ(program.window->ChangeChannel(1000)->Tag(), QStringLiteral("http://x.example/1000"));
    EXPECT_EQ(program.window->ChangeChannel(1000)->Caption(), QStringLiteral("1000"));
    EXPECT_EQ(ChannelFlags[1000], QStringLiteral("m"));
}

TEST_F(StartupSequence, CaptionsFollowTheSystemLocale)
{
    const struct {
        std::uint32_t locale;
        QString caption;
        QString tooltip;
    } cases[] = {
        {LocaleChinesePrc, u8("电视台"), u8("No.1 电视台")},
        {LocaleChineseTaiwan, u8("電視臺"), u8("No.1 電視臺")},
        {LocaleEnglishUs, QStringLiteral("1"), QStringLiteral("No.1")},
    };
    writeFile(path("av.txt"), plainChannel(u8("电视台"), "http://a.example/1", "media"));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.locale);
        Program program(dir.path(), c.locale);
        program.splash.runStartupSequence();
        ASSERT_EQ(program.window->channelCount(), 1);
        EXPECT_EQ(program.window->ChangeChannel(1)->Caption(), c.caption);
        EXPECT_EQ(program.window->ChangeChannel(1)->toolTip(), c.tooltip);
    }
}

TEST_F(StartupSequence, TimerRunsTheSequenceOnceAfterHalfASecond)
{
    writeFile(path("av.txt"), plainChannel("One", "http://a.example/1", "media"));
    Program program(dir.path());
    program.splash.show();
    program.splash.load();
    EXPECT_EQ(program.splash.Timer1().interval(), 500);

    QTest::qWait(200);
    EXPECT_EQ(program.loads, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return program.shows == 1; }, 5000));
    QTest::qWait(1200);
    EXPECT_EQ(program.loads, 1);
    EXPECT_EQ(program.shows, 1);
    EXPECT_FALSE(program.splash.isVisible());
}

TEST_F(StartupSequence, SplashLabelsTurnTraditionalOnTaiwanSystemsOnly)
{
    for (const std::uint32_t locale : {LocaleChinesePrc, LocaleChineseTaiwan}) {
        SCOPED_TRACE(locale);
        Program program(dir.path(), locale);
        const QString designed = program.splash.Label6()->text();
        program.splash.show();
        program.splash.activateWindow();
        QApplication::setActiveWindow(&program.splash);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&program.splash));
        const QString expected = locale == LocaleChineseTaiwan ? GbToBig5(designed) : designed;
        EXPECT_EQ(program.splash.Label6()->text(), expected);
        if (locale == LocaleChineseTaiwan)
            EXPECT_NE(expected, designed);
    }
}

#ifdef KESTOVA_LIST_PATH
// A list made by the list makers' tool is what the start-up reads.
TEST_F(StartupSequence, ListMadeByTheToolIsReadBack)
{
    writeFile(path("records.txt"),
              u8("中央一台|mms://live.example/1@@http://backup.example/1.asf|m\n音乐之声|rtsp://radio.example/a.rm|rb\n")
                  .toUtf8());
    QProcess tool;
    tool.start(QStringLiteral(KESTOVA_LIST_PATH),
               {"encode", "--version", "2026.12.01", "--site", "http://www.kestova.example", "--update",
                "http://update.kestova.example/tvlist.txt", path("records.txt"), "-o", path("tv.zqv")});
    ASSERT_TRUE(tool.waitForFinished(30000));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().constData();

    Program program(dir.path());
    program.splash.runStartupSequence();

    EXPECT_EQ(program.captions(), QStringList({u8("中央一台"), u8("音乐之声")}));
    EXPECT_EQ(program.window->ChangeChannel(1)->Tag(), QStringLiteral("mms://live.example/1@@http://backup.example/1.asf"));
    EXPECT_EQ(ChannelFlags[2], QStringLiteral("rb"));
    EXPECT_EQ(program.window->listVersionTag(), QStringLiteral("2026.12.01"));
    EXPECT_EQ(program.splash.SiteAddress, QStringLiteral("http://www.kestova.example"));
    EXPECT_EQ(program.splash.UpdateAddress, QStringLiteral("http://update.kestova.example/tvlist.txt"));
}
#endif

} // namespace
