#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace kestova {

bool fileExists(const QString &path);

// The whole file, or nothing when it cannot be read.
std::optional<QByteArray> readWholeFile(const QString &path);

// Replaces the file's content in one step: the data goes to a temporary file
// in the same folder that is renamed over the old one, so a failed write
// leaves the old file as it was.
bool replaceFileAtomically(const QString &path, const QByteArray &data);

} // namespace kestova
