// kestova-list run as a process, as a list maker would run it.
#include "startup/ChannelListFormat.h"

#include "platform/TextCodec.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kestova;

namespace {

struct ToolRun
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

ToolRun runTool(const QStringList &args, const QByteArray &input = {})
{
    QProcess process;
    process.start(QStringLiteral(KESTOVA_LIST_PATH), args);
    if (!process.waitForStarted(10000))
        return {};
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// One error line: the tool's name, the message, a single line end.
void expectOneErrorLine(const ToolRun &run, const char *mentions)
{
    EXPECT_TRUE(run.err.startsWith("kestova-list: ")) << run.err.constData();
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.constData();
    EXPECT_TRUE(run.err.contains(mentions)) << run.err.constData() << " lacks " << mentions;
}

const char records[] = "中央一台|mms://live.example/1@@http://backup.example/1.asf|m\r\n"
                       "\n"
                       "音乐之声|rtsp://radio.example/a.rm|rb\n"
                       "演示|media/kestova-demo.mp4|mf\n";

} // namespace

TEST(ListTool, EncodeThenDecodeGivesBackRecordsAndFields)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString in = dir.filePath("records.txt");
    const QString zqv = dir.filePath("tv.zqv");
    ASSERT_TRUE(writeFile(in, records));

    const ToolRun encoded = runTool({"encode", "--version", "2026.12.01", "--site", "http://www.kestova.example",
                                 "--update", "http://update.kestova.example/tvlist.txt", "--reserved4",
                                 u8("保留"), in, "-o", zqv});
    ASSERT_EQ(encoded.status, 0) << encoded.err.constData();
    EXPECT_TRUE(encoded.out.isEmpty());

    // The file is what the player reads.
    const auto list = readScrambledList(readFile(zqv));
    ASSERT_TRUE(list.has_value());
    EXPECT_EQ(list->recordText, u8("中央一台|mms://live.example/1@@http://backup.example/1.asf|m##"
                                   "音乐之声|rtsp://radio.example/a.rm|rb##演示|media/kestova-demo.mp4|mf"));
    EXPECT_EQ(list->F1, u8("2026.12.01"));
    EXPECT_EQ(list->F3, u8("http://update.kestova.example/tvlist.txt"));

    const ToolRun decoded = runTool({"decode", zqv});
    ASSERT_EQ(decoded.status, 0) << decoded.err.constData();
    EXPECT_EQ(QString::fromUtf8(decoded.out),
              u8("中央一台|mms://live.example/1@@http://backup.example/1.asf|m\n"
                 "音乐之声|rtsp://radio.example/a.rm|rb\n"
                 "演示|media/kestova-demo.mp4|mf\n"
                 "###\n"
                 "version: 2026.12.01\n"
                 "site: http://www.kestova.example\n"
                 "update: http://update.kestova.example/tvlist.txt\n"
                 "reserved4: 保留\n"
                 "reserved5: \n"));
    EXPECT_TRUE(decoded.err.isEmpty());
}

TEST(ListTool, EncodeReadsStandardInputAndWritesStandardOutput)
{
    const ToolRun encoded = runTool({"encode", "--version", "v7"}, records);
    ASSERT_EQ(encoded.status, 0) << encoded.err.constData();
    const auto list = readScrambledList(encoded.out);
    ASSERT_TRUE(list.has_value());
    EXPECT_EQ(list->F1, u8("v7"));
    EXPECT_TRUE(list->recordText.startsWith(u8("中央一台|")));
}

TEST(ListTool, EncodeRefusesWhatTheListCannotCarry)
{
    struct Case
    {
        QByteArray records;
        QStringList options;
        const char *mentions;
    };
    const Case cases[] = {
        {records, {"--site", "http://kestova-tv.example"}, "site address"},
        {records, {"--update", "http://update.example/list-2.txt"}, "update address"},
        {records, {"--reserved5", "a-b"}, "reserved field 5"},
        {records, {"--version", "v#1"}, "version tag"},
        {"'+#x|u|m\n", {}, "###"}, // scrambles to "###"
        {"name|url\n", {}, "line 1"},
        {"ok|u|m\nname|url|x\n", {}, "line 2"},
        {"a|u|m##b|v|m\n", {}, "\"##\""},
        {"|u|m\n", {}, "name"},
        {"a||m\n", {}, "source"},
        {"\xD6\xD0|u|m\n", {}, "UTF-8"}, // GBK bytes, not UTF-8
        {"a|u|m\n", {"--site", u8("\xF0\x9F\x98\x80")}, "GBK"},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString in = dir.filePath("records.txt");
    const QString zqv = dir.filePath("tv.zqv");
    for (const Case &c : cases) {
        ASSERT_TRUE(writeFile(in, c.records));
        ASSERT_TRUE(writeFile(zqv, "previous list"));
        const ToolRun run = runTool(QStringList{"encode"} << c.options << QStringList{in, "-o", zqv});
        EXPECT_EQ(run.status, 1) << c.mentions;
        expectOneErrorLine(run, c.mentions);
        EXPECT_EQ(readFile(zqv), QByteArray("previous list")) << c.mentions; // left as it was
    }
}

TEST(ListTool, DecodeAndPlainFailOnUnreadableOrUnusableInput)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString noSeparator = dir.filePath("a.zqv");
    const QString fourFields = dir.filePath("b.zqv");
    ASSERT_TRUE(writeFile(noSeparator, "abcdefg#e5#e4#e3#e2#v1#"));
    ASSERT_TRUE(writeFile(fourFields, "abcdefg###e4#e3#e2#v1#"));
    struct Case
    {
        QStringList args;
        const char *mentions;
    };
    const Case cases[] = {
        {{"decode", dir.filePath("missing.zqv")}, "cannot read"},
        {{"decode", noSeparator}, "no usable channel list"},
        {{"decode", fourFields}, "no usable channel list"},
        {{"plain", dir.filePath("missing.txt")}, "cannot read"},
        {{"encode", dir.filePath("missing.txt")}, "cannot read"},
    };
    for (const Case &c : cases) {
        const ToolRun run = runTool(c.args);
        EXPECT_EQ(run.status, 1) << c.args.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        expectOneErrorLine(run, c.mentions);
    }
}

TEST(ListTool, PlainPrintsTheRecordsOfAnAvTxt)
{
    struct Case
    {
        QByteArray file;
        const char *out;
    };
    const QByteArray utf8 = u8("channel_name:中央一台@start{mms://a/1 +or+ mms://b/1}@end@mediatype:media\r\n"
                               "channel_name:音乐台@start{rtsp://r/a.rm}@end@mediatype:realb\r\n")
                                .toUtf8();
    const Case cases[] = {
        {utf8, "中央一台|mms://a/1@@mms://b/1|m\n音乐台|rtsp://r/a.rm|rb\n"},
        {toGbk(QString::fromUtf8(utf8)), "中央一台|mms://a/1@@mms://b/1|m\n音乐台|rtsp://r/a.rm|rb\n"},
        {"XXchannel_name:A@start{u}@end@mediatype:media", "\nA|u|m\n"},
        {" \r\n", ""},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString av = dir.filePath("av.txt");
    for (const Case &c : cases) {
        ASSERT_TRUE(writeFile(av, c.file));
        const ToolRun run = runTool({"plain", av});
        EXPECT_EQ(run.status, 0) << run.err.constData();
        EXPECT_EQ(QString::fromUtf8(run.out), u8(c.out));
    }
}

TEST(ListTool, WrongCommandLinesExitWithUsageStatus)
{
    const QStringList cases[] = {
        {},
        {"frobnicate"},
        {"decode"},
        {"decode", "a", "b"},
        {"plain"},
        {"encode", "a", "b"},
        {"decode", "--no-such-option", "x"},
    };
    for (const QStringList &args : cases) {
        const ToolRun run = runTool(args);
        EXPECT_EQ(run.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith("kestova-list: ")) << run.err.constData();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.constData();
    }
}
