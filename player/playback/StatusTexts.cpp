#include "playback/StatusTexts.h"

#include "mainwindow/FormatDate.h"
#include "platform/WmpControl.h"

#include <algorithm>
#include <cmath>

namespace kestova::status {

namespace {

QString decimal(qint64 v) { return QString::number(v); }

// A width in whole twips; absurd ratios are held inside int instead of
// overflowing the conversion.
int toWidth(double twips)
{
    constexpr double limit = 1e9;
    return int(std::clamp(twips, -limit, limit));
}

} // namespace

QString creditLabel() { return QStringLiteral("Kestova"); }

QString kbit(int bitsPerSecond) { return decimal(bitsPerSecond / 1000); }

QString rateBufferingText(int bitsPerSecond, int percent)
{
    return QStringLiteral("播放速度") + kbit(bitsPerSecond) + QStringLiteral("K/S  缓冲>>>")
           + decimal(percent) + QStringLiteral("％  ") + creditLabel();
}

QString rateText(int bitsPerSecond)
{
    return QStringLiteral("播放速度") + kbit(bitsPerSecond) + QStringLiteral("K/S  ") + creditLabel();
}

QString wmpErrorText(qint32 errorCode)
{
    switch (errorCode) {
    case WmpError::TooManyViewers:
    case WmpError::TooManyViewers2:
        return QStringLiteral("观看人数过多，过一会儿再试！");
    case WmpError::NetworkFault:
    case WmpError::NetworkBrokenOff:
        return QStringLiteral("网络发生故障，请换其他频道！");
    case WmpError::ServiceStopped:
        return QStringLiteral("暂时停止服务，请换其他频道！");
    case WmpError::CannotAccess:
        return QStringLiteral("无法访问！");
    case WmpError::NoResponse:
        return QStringLiteral("无法连接，服务器停止响应！");
    default:
        return QStringLiteral("接收失败！");
    }
}

std::optional<QString> searchingStatus(const QString &channelName, const LocaleRule &rule)
{
    return rule.apply(QStringLiteral("开始搜索-->") + channelName);
}

std::optional<QString> windowTitle(const QString &channelCaption, const LocaleRule &rule)
{
    return rule.apply(QStringLiteral("Kestova---") + channelCaption);
}

std::optional<QString> stopStatus(const LocaleRule &rule)
{
    return rule.apply(QStringLiteral("播放已经被用户停止！  ") + creditLabel());
}

std::optional<QString> subchannelToolTip(int k, const LocaleRule &rule)
{
    return rule.apply(QStringLiteral("选频") + decimal(k + 1));
}

QString subchannelSwitchStatus(int i, const LocaleRule &rule)
{
    if (!rule.isChinese())
        return QStringLiteral("Switch subchannel") + decimal(i + 1);
    return rule.convert(QStringLiteral("切换到选频") + decimal(i + 1) + QStringLiteral("收看"));
}

QString wmpErrorStatus(const QString &channelName, qint32 errorCode, const LocaleRule &rule)
{
    if (!rule.isChinese())
        return channelName;
    return channelName + rule.convert(wmpErrorText(errorCode));
}

std::optional<QString> realErrorStatus(const QString &channelName, const LocaleRule &rule)
{
    if (!rule.isChinese())
        return std::nullopt;
    return channelName + rule.convert(QStringLiteral("观看人数太多，请过一会儿再试！"));
}

std::optional<QString> localFileErrorStatus(const LocaleRule &rule)
{
    return rule.apply(QStringLiteral("播放出错！文件无法识别或无法访问。"));
}

std::optional<QString> connectingStatus(const QString &channelName, const LocaleRule &rule)
{
    if (!rule.isChinese())
        return std::nullopt;
    return rule.convert(QStringLiteral("正在连接==>")) + channelName;
}

std::optional<QString> rateBufferingStatus(int bitsPerSecond, int percent, const LocaleRule &rule)
{
    // Numbers and ASCII pass the converter unchanged, so converting the whole
    // text equals converting its Chinese pieces.
    return rule.apply(rateBufferingText(bitsPerSecond, percent));
}

std::optional<QString> rateStatus(int bitsPerSecond, const LocaleRule &rule)
{
    return rule.apply(rateText(bitsPerSecond));
}

QString thanksMessage(const LocaleRule &rule)
{
    if (!rule.isChinese())
        return QStringLiteral("Thanks and view and admire!");
    return rule.convert(QStringLiteral("谢谢观赏！"));
}

std::optional<QString> realClockText(qint64 positionMs)
{
    const qint64 pos = std::max<qint64>(positionMs, 0);
    const qint64 s = pos / 1000;
    if (pos < 60 * 1000)
        return QStringLiteral("00:") + FormatDate(decimal(s));
    if (pos < 60 * 60000)
        return FormatDate(decimal(s / 60)) + QLatin1Char(':') + FormatDate(decimal(s % 60));
    if (pos < 8 * qint64(3600000))
        return decimal(s / 3600) + QLatin1Char(':') + FormatDate(decimal((pos / 60000) % 60))
               + QLatin1Char(':') + FormatDate(decimal(s % 60));
    return std::nullopt;
}

std::optional<int> wmpProgressWidth(float stripWidth, double positionSeconds, double durationSeconds)
{
    if (durationSeconds == 0 || !std::isfinite(durationSeconds) || !std::isfinite(positionSeconds))
        return std::nullopt;
    return toWidth(std::trunc(double(stripWidth) * positionSeconds / durationSeconds));
}

std::optional<int> realProgressWidth(qint64 positionMs, qint64 lengthMs, float barWidth)
{
    if (lengthMs <= 0)
        return std::nullopt;
    // std::nearbyint rounds half to even in the default rounding mode.
    return toWidth(std::nearbyint(double(positionMs) / double(lengthMs) * double(barWidth)));
}

} // namespace kestova::status
