#include "platform/ProgramDirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace kestova {
namespace {

const char *const kListFiles[] = {PlainListFileName, ScrambledListFileName};

bool holdsListFile(const QString &dir)
{
    for (const char *name : kListFiles) {
        if (QFileInfo::exists(listFilePath(dir, QLatin1String(name))))
            return true;
    }
    return false;
}

} // namespace

QString listFilePath(const QString &directory, const QString &fileName)
{
    return QDir(directory).filePath(fileName);
}

QString chooseProgramDirectory(const QString &exeDir, const QString &userDataDir,
                               const QString &installedListsDir)
{
    if (holdsListFile(exeDir) && QFileInfo(exeDir).isWritable())
        return exeDir;

    QDir().mkpath(userDataDir);
    if (!holdsListFile(userDataDir)) {
        for (const char *name : kListFiles) {
            const QString from = listFilePath(installedListsDir, QLatin1String(name));
            if (QFileInfo::exists(from))
                QFile::copy(from, listFilePath(userDataDir, QLatin1String(name)));
        }
        // The bundled lists name their demo clip relative to the lists.
        const QDir media(listFilePath(installedListsDir, QStringLiteral("media")));
        const QString mediaCopy = listFilePath(userDataDir, QStringLiteral("media"));
        for (const QString &clip : media.entryList(QDir::Files)) {
            QDir().mkpath(mediaCopy);
            QFile::copy(media.filePath(clip), QDir(mediaCopy).filePath(clip));
        }
    }
    return userDataDir;
}

QString programDirectory()
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    // Installed layout: <prefix>/bin/kestova with lists in <prefix>/share/kestova.
    const QString installed = QDir(exeDir).absoluteFilePath(QStringLiteral("../share/kestova"));
    return chooseProgramDirectory(exeDir,
                                  QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                                  QDir::cleanPath(installed));
}

} // namespace kestova
