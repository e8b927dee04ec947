// The Quorvel library's exported entry points, for hosts that load
// libquorvel.so at run time (QLibrary::resolve by name).
//
//   long DllRegisterServer(void);
//   long DllUnregisterServer(void);
//   long DllGetClassObject(const char *clsid, const char *iid, void **ppv);
//   long DllCanUnloadNow(void);
//
// Results are COM-style: 0 (S_OK) success, 1 (S_FALSE) "no", negative
// values are errors. Class and interface ids are texts in the registry form
// "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}".
//
// Registering writes the control's class to the per-user component registry,
// an INI file "Quorvel/components.ini" under the generic configuration
// directory ($XDG_CONFIG_HOME, normally ~/.config):
//   [CLSID]  {class id}\ProgID, \InprocServer32 (library path), \TypeLib, \Version, \Class
//   [ProgID] DravoButton多风格按钮控件.DravoButton = {class id}
//   [TypeLib] {type library id}\Name, \Version, \Path
// Unregistering removes those entries again.
#pragma once

#include <cstdint>

class QWidget;
class DravoButton;

#define QUORVEL_CLSID_DRAVOBUTTON "{6B3E2C1A-8F47-4D2B-9C15-3A7E5D0F9B24}"
#define QUORVEL_LIBID "{0E9C4A57-2B6D-4F83-A1C8-5D7B3E29F6A1}"
#define QUORVEL_IID_CLASSFACTORY "{00000001-0000-0000-C000-000000000046}"
#define QUORVEL_PROGID "DravoButton多风格按钮控件.DravoButton"
#define QUORVEL_TYPELIB_NAME "DravoButton多风格按钮控件"
#define QUORVEL_TYPELIB_VERSION "8.0"

namespace quorvel {

constexpr long kS_OK = 0;
constexpr long kS_FALSE = 1;
constexpr long kE_NOINTERFACE = long(int32_t(0x80004002u));
constexpr long kE_POINTER = long(int32_t(0x80004003u));
constexpr long kE_FAIL = long(int32_t(0x80004005u));
constexpr long kCLASS_E_CLASSNOTAVAILABLE = long(int32_t(0x80040111u));
constexpr long kSELFREG_E_CLASS = long(int32_t(0x80040201u));

// The class object DllGetClassObject hands out (interface id
// QUORVEL_IID_CLASSFACTORY). It starts with one reference for the caller.
class IDravoClassFactory
{
public:
    virtual long AddRef() = 0;
    virtual long Release() = 0;
    // A new DravoButton (as a new instance: InitProperties done) owned by parent.
    virtual long CreateInstance(QWidget *parent, DravoButton **out) = 0;
    virtual long LockServer(bool lock) = 0;

protected:
    virtual ~IDravoClassFactory() = default;
};

} // namespace quorvel

extern "C" {
using QuorvelDllRegisterServer = long (*)();
using QuorvelDllUnregisterServer = long (*)();
using QuorvelDllGetClassObject = long (*)(const char *clsid, const char *iid, void **ppv);
using QuorvelDllCanUnloadNow = long (*)();
}
