#include "AccessKey.h"

namespace quorvel {

std::optional<QString> accessKeyFromCaption(const QString &caption)
{
    const qsizetype n = caption.size();
    if (n < 2)
        return std::nullopt;
    const qsizetype p = caption.indexOf(QLatin1Char('&'));
    if (p < 0 || p == n - 1)
        return std::nullopt;
    if (caption.at(p + 1) != QLatin1Char('&'))
        return caption.mid(p + 1, 1).toLower();

    // "&&" is a literal ampersand: the key is marked by the next single "&".
    const qsizetype q = caption.indexOf(QLatin1Char('&'), p + 2);
    if (q < 0)
        return std::nullopt;
    if (q == n - 1)
        return QString();
    if (caption.at(q + 1) == QLatin1Char('&'))
        return std::nullopt;
    return caption.mid(q + 1, 1).toLower();
}

} // namespace quorvel
