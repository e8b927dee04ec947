// The default lists and demo clip that the build puts next to the executable.
#include "startup/ChannelListFormat.h"
#include "startup/ChannelListReading.h"

#include "platform/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace kestova;

namespace {

const QDir binDir(QStringLiteral(KESTOVA_BIN_DIR));

QByteArray readBin(const QString &name)
{
    QFile file(binDir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The channel records as the start-up reads them from both files.
QStringList combinedRecords()
{
    const ChannelLists lists = readChannelLists(binDir.path());
    if (!lists.usable)
        return {};
    return lists.recordText.split(QStringLiteral("##"));
}

} // namespace

TEST(BundledLists, TvZqvCarriesOurAddressesAndVersion)
{
    const auto list = readScrambledList(readBin("tv.zqv"));
    ASSERT_TRUE(list.has_value());
    EXPECT_EQ(list->F1, QStringLiteral(KESTOVA_LIST_VERSION));
    EXPECT_EQ(list->F2, QStringLiteral(KESTOVA_SITE_ADDRESS));
    EXPECT_EQ(list->F3, QStringLiteral(KESTOVA_UPDATE_ADDRESS));
}

TEST(BundledLists, EveryChannelIsAWellFormedRecord)
{
    const QString plain = readPlainList(readBin("av.txt"));
    ASSERT_FALSE(plain.isEmpty());
    EXPECT_TRUE(plain.endsWith(QStringLiteral("##")));

    const QStringList records = combinedRecords();
    ASSERT_GT(records.size(), 5);
    bool real = false, wide = false, severalSources = false;
    for (const QString &record : records) {
        const QStringList fields = record.split(u'|');
        ASSERT_EQ(fields.size(), 3) << record.toStdString();
        const QString &name = fields[0];
        const QString &flags = fields[2];
        EXPECT_FALSE(name.isEmpty());
        EXPECT_EQ(fromGbk(toGbk(name)), name) << record.toStdString();
        EXPECT_TRUE(name.contains(QRegularExpression(QStringLiteral("[\\x{4E00}-\\x{9FFF}]"))))
            << record.toStdString();
        for (const QString &source : fields[1].split(QStringLiteral("@@")))
            EXPECT_FALSE(source.isEmpty() || source.contains(u' ')) << record.toStdString();
        EXPECT_TRUE(flags == "m" || flags == "r" || flags == "mb" || flags == "rb" || flags == "mf")
            << record.toStdString();
        real = real || flags.startsWith(u'r');
        // A two-column button keeps its place by record number and would lie
        // over a wide row before it, so wide rows close the list.
        EXPECT_TRUE(!wide || flags.contains(u'b')) << "two-column channel after a wide row: " << record.toStdString();
        wide = wide || flags.contains(u'b');
        severalSources = severalSources || fields[1].contains(QStringLiteral("@@"));
    }
    EXPECT_TRUE(real);
    EXPECT_TRUE(wide);
    EXPECT_TRUE(severalSources);
}

TEST(BundledLists, DemoChannelPlaysTheClipBesideTheProgram)
{
    QStringList demos;
    for (const QString &record : combinedRecords()) {
        const QStringList fields = record.split(u'|');
        if (fields.size() >= 3 && fields[2].contains(u'f'))
            demos << fields[1];
    }
    ASSERT_EQ(demos, QStringList{QStringLiteral("media/kestova-demo.mp4")});
    ASSERT_TRUE(binDir.exists(demos.first()));

    const QString ffprobe = QStandardPaths::findExecutable(QStringLiteral("ffprobe"));
    if (ffprobe.isEmpty())
        GTEST_SKIP() << "ffprobe not installed";
    QProcess probe;
    probe.start(ffprobe, {"-v", "error", "-show_entries", "format=duration:stream=codec_name",
                          "-of", "default=noprint_wrappers=1", binDir.filePath(demos.first())});
    ASSERT_TRUE(probe.waitForFinished(30000));
    ASSERT_EQ(probe.exitCode(), 0);
    const QString out = QString::fromUtf8(probe.readAllStandardOutput());
    EXPECT_TRUE(out.contains(QStringLiteral("codec_name=h264"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("codec_name=aac"))) << out.toStdString();
    const QRegularExpressionMatch duration = QRegularExpression(QStringLiteral("duration=([0-9.]+)")).match(out);
    ASSERT_TRUE(duration.hasMatch()) << out.toStdString();
    EXPECT_NEAR(duration.captured(1).toDouble(), 5.0, 0.2);
}
