// The mpv command line as the reference for the first-frame benchmarks, and
// the median the benchmarks report.
#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <optional>
#include <vector>

namespace kestova::bench {

// The line both libmpv and the command line log when the first frame shows.
inline constexpr char FirstFrameLine[] = "first video frame after restart shown";

inline double median(std::vector<double> values)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct CliFigures
{
    double total = -1; // seconds from the program's start
    double load = -1;  // seconds from "Done loading scripts.", the file alone
};

// "mpv --no-config --vo=null --ao=null --frames=1" on the URL, timed by its
// own log stamps.
inline std::optional<CliFigures> cliFirstFrame(const QString &mpv, const QString &url, int timeoutMs = 15000)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(mpv, {"--no-config", "--vo=null", "--ao=null", "--frames=1", "--msg-time",
                        "--msg-level=all=warn,cplayer=v", url});
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return std::nullopt;
    }
    static const QRegularExpression stamp(QStringLiteral("^\\[\\s*([0-9.]+)\\]"));
    double scriptsDone = -1;
    const QStringList lines = QString::fromUtf8(process.readAll()).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const QRegularExpressionMatch m = stamp.match(line);
        if (!m.hasMatch())
            continue;
        const double t = m.captured(1).toDouble();
        if (line.contains(QLatin1String("Done loading scripts.")))
            scriptsDone = t;
        if (line.contains(QLatin1String(FirstFrameLine)))
            return CliFigures{t, scriptsDone >= 0 ? t - scriptsDone : t};
    }
    return std::nullopt;
}

} // namespace kestova::bench
