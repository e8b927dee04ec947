// Symbol visibility of libquorvel.so.
#pragma once

#include <QtCore/qglobal.h>

#if defined(QUORVEL_BUILDING_LIBRARY)
#  define QUORVEL_EXPORT Q_DECL_EXPORT
#else
#  define QUORVEL_EXPORT Q_DECL_IMPORT
#endif
