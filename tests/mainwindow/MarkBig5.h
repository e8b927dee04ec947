#pragma once

#include <QString>

namespace kestova {

// A recognisable stand-in for the Big5 conversion in window and rule tests.
inline QString markBig5(const QString &text)
{
    return QStringLiteral("big5:") + text;
}

} // namespace kestova
