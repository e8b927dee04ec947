// The library's component-server side: the class id, the registry entries
// it writes, the class object that makes DravoButton instances, and the
// count of live objects behind "can the library be unloaded".
//
// The four entry points are exported with C linkage (see QuorvelServer.h);
// this header is the C++ side the library and its tests use.
#pragma once

#include "QuorvelExport.h"

#include <QString>

namespace quorvel::server {

// Live DravoButton instances and class objects, and server locks.
QUORVEL_EXPORT void objectCreated();
QUORVEL_EXPORT void objectDestroyed();
QUORVEL_EXPORT int liveObjects();
QUORVEL_EXPORT void lockServer(bool lock);

// The per-user component registry file register and unregister edit.
QUORVEL_EXPORT QString registryFilePath();
// The file this library was loaded from.
QUORVEL_EXPORT QString libraryPath();

} // namespace quorvel::server
