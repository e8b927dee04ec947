// A stand-in for the button library: its DllUnregisterServer leaves a marker
// file where KESTOVA_FAKE_QUORVEL_MARKER says.
#include <cstdio>
#include <cstdlib>

#ifndef KESTOVA_WITHOUT_EXPORT
extern "C" __attribute__((visibility("default"))) long DllUnregisterServer()
{
    if (const char *path = std::getenv("KESTOVA_FAKE_QUORVEL_MARKER")) {
        if (std::FILE *f = std::fopen(path, "w"))
            std::fclose(f);
    }
    return 0;
}
#else
extern "C" __attribute__((visibility("default"))) long DllCanUnloadNow() { return 0; }
#endif
