#pragma once

#include <QString>

namespace kestova {

// Two-digit clock fields: "0" + exp when exp is exactly one character long,
// otherwise exp unchanged ("7" -> "07", "12" -> "12", "" -> "").
QString FormatDate(const QString &exp);

} // namespace kestova
