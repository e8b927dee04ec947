#include "playback/StatisticsUrl.h"

namespace kestova {

QUrl statisticsUrl(const QString &siteAddress)
{
    QString site = siteAddress.trimmed();
    // "http://host/" and "http://host" name the same site; keep one slash
    // before the path.
    while (site.endsWith(QLatin1Char('/')))
        site.chop(1);
    if (site.isEmpty())
        return {};
    const QUrl url(site + QStringLiteral("/admin/count_down.asp?id=") + QLatin1String(StatisticsProgramId),
                   QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty()
        || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return {};
    return url;
}

} // namespace kestova
