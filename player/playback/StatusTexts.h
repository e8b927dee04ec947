#pragma once

#include "platform/LocaleRule.h"

#include <QString>

#include <optional>

// The texts of the status line, the clock and the sub-channel buttons, and
// the arithmetic of the progress bar. Plain functions: text and numbers in,
// text or number out, with the locale decision where the text depends on it.
// A function returning std::optional gives nothing when the label it feeds
// keeps its previous text.
namespace kestova::status {

// The label that ends the rate texts and the stop text.
QString creditLabel();

// Integer part of a rate in bits per second divided by 1000 ("K/S" in the texts).
QString kbit(int bitsPerSecond);

// "播放速度283K/S  缓冲>>>37％  " + credit, before the locale rule.
QString rateBufferingText(int bitsPerSecond, int percent);
// "播放速度283K/S  " + credit, before the locale rule.
QString rateText(int bitsPerSecond);

// The status-line text of the "m" player's error code (first matching row).
QString wmpErrorText(qint32 errorCode);

// --- Final texts, locale rule applied -----------------------------------

// "开始搜索-->" + name, the whole text converted on a Taiwan system.
std::optional<QString> searchingStatus(const QString &channelName, const LocaleRule &rule);
// "Kestova---" + caption.
std::optional<QString> windowTitle(const QString &channelCaption, const LocaleRule &rule);
// "播放已经被用户停止！  " + credit.
std::optional<QString> stopStatus(const LocaleRule &rule);
// Tooltip of sub-channel button k (0..15): "选频1" to "选频16".
std::optional<QString> subchannelToolTip(int k, const LocaleRule &rule);
// After a switch to sub-channel i (0..15); set on every locale.
QString subchannelSwitchStatus(int i, const LocaleRule &rule);
// Error of the "m" player: the channel name followed by the row's text, only
// that text converted; on other locales the name alone.
QString wmpErrorStatus(const QString &channelName, qint32 errorCode, const LocaleRule &rule);
// Error of the "r" player: the name followed by its one error text.
std::optional<QString> realErrorStatus(const QString &channelName, const LocaleRule &rule);
// Any player error while a source opened from the open-media dialog plays.
std::optional<QString> localFileErrorStatus(const LocaleRule &rule);
// "正在连接==>" + name, only the literal converted.
std::optional<QString> connectingStatus(const QString &channelName, const LocaleRule &rule);
std::optional<QString> rateBufferingStatus(int bitsPerSecond, int percent, const LocaleRule &rule);
std::optional<QString> rateStatus(int bitsPerSecond, const LocaleRule &rule);
// The box shown when a presentation of the "r" player ends; set on every locale.
QString thanksMessage(const LocaleRule &rule);

// --- Clock and progress bar -----------------------------------------------

// The clock of the "r" player for a position in milliseconds: "00:59",
// "01:01", "1:02:05"; nothing from 8 hours on (the clock keeps its text).
// A negative position reads as 0.
std::optional<QString> realClockText(qint64 positionMs);

// Width of the "m" player's progress in twips: integer part of
// stripWidth x position / duration; nothing when the duration is 0.
std::optional<int> wmpProgressWidth(float stripWidth, double positionSeconds, double durationSeconds);

// Width of the "r" player's progress in twips: position / length x bar width,
// rounded to the nearest integer, ties to even; nothing when the length is
// not positive.
std::optional<int> realProgressWidth(qint64 positionMs, qint64 lengthMs, float barWidth);

} // namespace kestova::status
