#pragma once

// The text side of kestova-list: turning record texts into lines and back.
// Reading files and the command line stay in main.cpp.

#include <QString>
#include <QStringList>

#include <optional>

namespace kestova::listtool {

// The records of a record text, one per element. A trailing "##" (as the
// plain part P has) ends the last record and adds no empty one.
QStringList recordLines(const QString &recordText);

struct RecordText
{
    QString text;  // records joined by "##", when error is empty
    QString error; // "line N: ..." for the first bad line
};

// Joins the lines of a records file ("name|sources|flags", one per line; LF
// or CR LF; blank lines skipped) into a record text. Refuses a line with fewer
// than three fields, an empty name or no source, flags that do not start with
// the media letter "m" or "r", and a line holding "##", which would split it.
RecordText recordTextFromLines(const QString &fileText);

} // namespace kestova::listtool
