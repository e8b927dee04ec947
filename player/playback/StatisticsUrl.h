#pragma once

#include <QString>
#include <QUrl>

namespace kestova {

// The program's identifier at the statistics endpoint.
inline constexpr char StatisticsProgramId[] = "kestova62";

// The statistics hit for a channel start on the maker's site:
// siteAddress + "/admin/count_down.asp?id=" + the program identifier. An
// empty QUrl when the site address is empty or not an http(s) address (the
// list file it comes from is not trusted).
QUrl statisticsUrl(const QString &siteAddress);

} // namespace kestova
