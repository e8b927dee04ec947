#include "ComponentServer.h"

#include "DravoButton.h"
#include "QuorvelServer.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <dlfcn.h>

#include <atomic>
#include <cstring>

namespace quorvel::server {

namespace {

// The module's lock count: live controls, live class objects and locks.
std::atomic<int> gLiveObjects{0};

const QString kProgId = QString::fromUtf8(QUORVEL_PROGID);
const QString kClsid = QStringLiteral(QUORVEL_CLSID_DRAVOBUTTON);
const QString kLibid = QStringLiteral(QUORVEL_LIBID);

class ClassFactory final : public IDravoClassFactory
{
public:
    ClassFactory() { objectCreated(); }

    long AddRef() override { return ++mRefs; }
    long Release() override
    {
        const long left = --mRefs;
        if (left == 0)
            delete this;
        return left;
    }
    long CreateInstance(QWidget *parent, DravoButton **out) override
    {
        if (!out)
            return kE_POINTER;
        *out = new DravoButton(parent); // owned by parent, or by the caller when parent is null
        return kS_OK;
    }
    long LockServer(bool lock) override
    {
        lockServer(lock);
        return kS_OK;
    }

private:
    ~ClassFactory() override { objectDestroyed(); }
    std::atomic<long> mRefs{1};
};

// Registry text of a class or type-library id.
bool sameId(const char *a, const QString &b)
{
    return a && QString::fromLatin1(a).compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

void objectCreated()
{
    ++gLiveObjects;
}

void objectDestroyed()
{
    --gLiveObjects;
}

int liveObjects()
{
    return gLiveObjects.load();
}

void lockServer(bool lock)
{
    if (lock)
        ++gLiveObjects;
    else
        --gLiveObjects;
}

QString registryFilePath()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return base + QStringLiteral("/Quorvel/components.ini");
}

QString libraryPath()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void *>(&registryFilePath), &info) == 0 || !info.dli_fname)
        return {};
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteFilePath();
}

} // namespace quorvel::server

using namespace quorvel;
using quorvel::server::sameId;

extern "C" {

Q_DECL_EXPORT long DllRegisterServer()
{
    const QString file = server::registryFilePath();
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        return kSELFREG_E_CLASS;
    QSettings registry(file, QSettings::IniFormat);
    const QString library = server::libraryPath();
    const QString cls = QStringLiteral("CLSID/") + server::kClsid;
    const QString lib = QStringLiteral("TypeLib/") + server::kLibid;
    registry.setValue(cls + QStringLiteral("/Class"), QStringLiteral("DravoButton"));
    registry.setValue(cls + QStringLiteral("/ProgID"), server::kProgId);
    registry.setValue(cls + QStringLiteral("/InprocServer32"), library);
    registry.setValue(cls + QStringLiteral("/TypeLib"), server::kLibid);
    registry.setValue(cls + QStringLiteral("/Version"), QStringLiteral(QUORVEL_TYPELIB_VERSION));
    registry.setValue(QStringLiteral("ProgID/") + server::kProgId, server::kClsid);
    registry.setValue(lib + QStringLiteral("/Name"), QString::fromUtf8(QUORVEL_TYPELIB_NAME));
    registry.setValue(lib + QStringLiteral("/Version"), QStringLiteral(QUORVEL_TYPELIB_VERSION));
    registry.setValue(lib + QStringLiteral("/Path"), library);
    registry.sync();
    return registry.status() == QSettings::NoError ? kS_OK : kSELFREG_E_CLASS;
}

Q_DECL_EXPORT long DllUnregisterServer()
{
    const QString file = server::registryFilePath();
    if (!QFileInfo::exists(file))
        return kS_OK;
    QSettings registry(file, QSettings::IniFormat);
    registry.remove(QStringLiteral("CLSID/") + server::kClsid);
    registry.remove(QStringLiteral("ProgID/") + server::kProgId);
    registry.remove(QStringLiteral("TypeLib/") + server::kLibid);
    registry.sync();
    return registry.status() == QSettings::NoError ? kS_OK : kSELFREG_E_CLASS;
}

Q_DECL_EXPORT long DllGetClassObject(const char *clsid, const char *iid, void **ppv)
{
    if (!ppv)
        return kE_POINTER;
    *ppv = nullptr;
    if (!sameId(clsid, server::kClsid))
        return kCLASS_E_CLASSNOTAVAILABLE;
    if (!sameId(iid, QStringLiteral(QUORVEL_IID_CLASSFACTORY)))
        return kE_NOINTERFACE;
    *ppv = static_cast<IDravoClassFactory *>(new server::ClassFactory());
    return kS_OK;
}

Q_DECL_EXPORT long DllCanUnloadNow()
{
    return server::liveObjects() == 0 ? kS_OK : kS_FALSE;
}

} // extern "C"
