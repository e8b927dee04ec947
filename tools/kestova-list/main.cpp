// kestova-list: reads and writes the player's channel-list files.
//
//   kestova-list decode <tv.zqv>          records one per line, then "###"
//                                         and the five trailer fields
//   kestova-list encode [options] [<records.txt>|-] -o <tv.zqv>
//   kestova-list plain <av.txt>           the plain list's records, one per line
//
// All text output is UTF-8. Errors are one line on stderr; the exit status is
// 1 for unreadable or unusable input and 2 for a wrong command line.

#include "ListTool.h"

#include "startup/ChannelListFormat.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <cstdio>
#include <optional>

using namespace kestova;

namespace {

constexpr int ExitBadInput = 1;
constexpr int ExitUsage = 2;

int fail(int status, const QString &message)
{
    std::fprintf(stderr, "kestova-list: %s\n", message.toUtf8().constData());
    return status;
}

void printLine(const QString &line)
{
    const QByteArray utf8 = line.toUtf8() + '\n';
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), stdout);
}

// The whole file, or the reason it cannot be read. "-" is standard input.
std::optional<QByteArray> readInput(const QString &path, QString *error)
{
    QFile file;
    const bool opened = path == QLatin1StringView("-")
        ? file.open(stdin, QIODevice::ReadOnly)
        : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!opened) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    return bytes;
}

int decode(const QString &path)
{
    QString error;
    const auto bytes = readInput(path, &error);
    if (!bytes)
        return fail(ExitBadInput, error);
    const auto list = readScrambledList(*bytes);
    if (!list)
        return fail(ExitBadInput, QStringLiteral("%1 is no usable channel list "
                                                 "(no \"###\" or fewer than five trailer fields)")
                                      .arg(path));
    for (const QString &record : listtool::recordLines(list->recordText))
        printLine(record);
    printLine(QStringLiteral("###"));
    printLine(QStringLiteral("version: ") + list->F1);
    printLine(QStringLiteral("site: ") + list->F2);
    printLine(QStringLiteral("update: ") + list->F3);
    printLine(QStringLiteral("reserved4: ") + list->F4);
    printLine(QStringLiteral("reserved5: ") + list->F5);
    return 0;
}

int plain(const QString &path)
{
    QString error;
    const auto bytes = readInput(path, &error);
    if (!bytes)
        return fail(ExitBadInput, error);
    for (const QString &record : listtool::recordLines(readPlainList(*bytes)))
        printLine(record);
    return 0;
}

int encode(const QString &recordsPath, const ScrambledList &trailer, const QString &outputPath)
{
    QString error;
    const auto bytes = readInput(recordsPath, &error);
    if (!bytes)
        return fail(ExitBadInput, error);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8(*bytes);
    if (utf8.hasError())
        return fail(ExitBadInput, QStringLiteral("%1 is not UTF-8 text").arg(recordsPath));
    const listtool::RecordText records = listtool::recordTextFromLines(text);
    if (!records.error.isEmpty())
        return fail(ExitBadInput, QStringLiteral("%1: %2").arg(recordsPath, records.error));

    ScrambledList list = trailer;
    list.recordText = records.text;
    const ScrambledListWrite written = writeScrambledList(list);
    if (!written.ok())
        return fail(ExitBadInput, QStringLiteral("cannot encode: ") + written.error);

    if (outputPath.isEmpty() || outputPath == QLatin1StringView("-")) {
        std::fwrite(written.bytes.constData(), 1, size_t(written.bytes.size()), stdout);
        return 0;
    }
    // Written whole or not at all, so a failed run never leaves half a list.
    QSaveFile out(outputPath);
    if (!out.open(QIODevice::WriteOnly) || out.write(written.bytes) != written.bytes.size()
        || !out.commit())
        return fail(ExitBadInput, QStringLiteral("cannot write %1: %2").arg(outputPath, out.errorString()));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Reads and writes Kestova channel-list files."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("decode, encode or plain"));
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("decode: a tv.zqv; plain: an av.txt; encode: a records file "
                                                "(name|sources|flags per line, UTF-8; - or none for stdin)"));
    const QCommandLineOption version(QStringLiteral("version"), QStringLiteral("encode: the list version tag."),
                                     QStringLiteral("tag"));
    const QCommandLineOption site(QStringLiteral("site"), QStringLiteral("encode: the site address."),
                                  QStringLiteral("url"));
    const QCommandLineOption update(QStringLiteral("update"), QStringLiteral("encode: the update address."),
                                    QStringLiteral("url"));
    const QCommandLineOption reserved4(QStringLiteral("reserved4"), QStringLiteral("encode: reserved field 4."),
                                       QStringLiteral("text"));
    const QCommandLineOption reserved5(QStringLiteral("reserved5"), QStringLiteral("encode: reserved field 5."),
                                       QStringLiteral("text"));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("encode: the tv.zqv to write (stdout when absent)."),
                                    QStringLiteral("file"));
    parser.addOptions({version, site, update, reserved4, reserved5, output});
    if (!parser.parse(app.arguments()))
        return fail(ExitUsage, parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        printLine(parser.helpText());
        return 0;
    }

    const QStringList args = parser.positionalArguments();
    const QString command = args.value(0);
    if (command == QLatin1StringView("decode") || command == QLatin1StringView("plain")) {
        if (args.size() != 2)
            return fail(ExitUsage, QStringLiteral("usage: kestova-list %1 <file>").arg(command));
        return command == QLatin1StringView("decode") ? decode(args[1]) : plain(args[1]);
    }
    if (command == QLatin1StringView("encode")) {
        if (args.size() > 2)
            return fail(ExitUsage, QStringLiteral("usage: kestova-list encode [options] [<records.txt>|-]"));
        ScrambledList trailer;
        trailer.F1 = parser.value(version);
        trailer.F2 = parser.value(site);
        trailer.F3 = parser.value(update);
        trailer.F4 = parser.value(reserved4);
        trailer.F5 = parser.value(reserved5);
        return encode(args.value(1, QStringLiteral("-")), trailer, parser.value(output));
    }
    return fail(ExitUsage, command.isEmpty() ? QStringLiteral("no command; use decode, encode or plain (--help)")
                                             : QStringLiteral("unknown command %1; use decode, encode or plain")
                                                   .arg(command));
}
