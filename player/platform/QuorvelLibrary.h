#pragma once

#include <QString>
#include <QStringList>

namespace kestova {

// The Quorvel button library's unregistration, bound by name at run time as
// the exits of the main window call it. The result is ignored; a library
// that cannot be loaded, or has no such export, means nothing happens.
void callQuorvelUnregister();

// The candidates tried in order: libquorvel.so next to the executable, then
// the library by its versioned and plain names through the loader's search
// (which also finds the copy the program is already linked with).
QStringList quorvelLibraryCandidates();

// Loads the first candidate that loads and calls its DllUnregisterServer.
// True when the function was found and called.
bool callDllUnregisterServer(const QStringList &candidates);

} // namespace kestova
