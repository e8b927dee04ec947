#include "mainwindow/FormatDate.h"

namespace kestova {

QString FormatDate(const QString &exp)
{
    if (exp.size() == 1)
        return QLatin1Char('0') + exp;
    return exp;
}

} // namespace kestova
