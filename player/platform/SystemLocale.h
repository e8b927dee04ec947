#pragma once

#include <QByteArrayView>
#include <cstdint>

namespace kestova {

// Windows locale identifiers the program tells apart.
inline constexpr std::uint32_t LocaleChinesePrc = 0x804;
inline constexpr std::uint32_t LocaleChineseTaiwan = 0x404;
inline constexpr std::uint32_t LocaleChineseHongKong = 0xC04;
inline constexpr std::uint32_t LocaleEnglishUs = 0x409;

// The identifier for a POSIX locale name such as "zh_TW.UTF-8" or "C".
std::uint32_t localeIdFromPosixName(QByteArrayView name);

// Read once at start: LC_ALL, then LC_MESSAGES, then LANG (first one set and
// not empty); none set means the C locale.
std::uint32_t readSystemLocale();

// The system locale identifier, set once by the splash window's load and
// never changed afterwards.
extern std::uint32_t SystemLocale;

} // namespace kestova
