#include "platform/QuorvelLibrary.h"

#include <QuorvelServer.h>

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace kestova {

QStringList quorvelLibraryCandidates()
{
    QStringList candidates;
    if (QCoreApplication::instance())
        candidates << QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("libquorvel.so"));
    candidates << QStringLiteral("libquorvel.so.8") << QStringLiteral("libquorvel.so");
    return candidates;
}

bool callDllUnregisterServer(const QStringList &candidates)
{
    for (const QString &candidate : candidates) {
        QLibrary library(candidate);
        if (!library.load())
            continue;
        const auto unregister = reinterpret_cast<QuorvelDllUnregisterServer>(library.resolve("DllUnregisterServer"));
        if (!unregister)
            continue;
        unregister(); // the result is ignored
        // The library stays loaded: the program's buttons may still use it.
        return true;
    }
    return false;
}

void callQuorvelUnregister()
{
    callDllUnregisterServer(quorvelLibraryCandidates());
}

} // namespace kestova
