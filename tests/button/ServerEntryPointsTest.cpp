// The library's four exported entry points, resolved by name from the
// shared library as a host does: register, create through the class
// object, unregister, and the can-unload answer.
#include "DravoButton.h"
#include "QuorvelServer.h"

#include <gtest/gtest.h>

#include <QLibrary>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWidget>

using namespace quorvel;

namespace {

class ServerEntryPoints : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(configHome.isValid());
        qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
        library.setFileName(QStringLiteral(QUORVEL_LIBRARY_PATH));
        ASSERT_TRUE(library.load()) << library.errorString().toStdString();
        registerServer = reinterpret_cast<QuorvelDllRegisterServer>(library.resolve("DllRegisterServer"));
        unregisterServer = reinterpret_cast<QuorvelDllUnregisterServer>(library.resolve("DllUnregisterServer"));
        getClassObject = reinterpret_cast<QuorvelDllGetClassObject>(library.resolve("DllGetClassObject"));
        canUnloadNow = reinterpret_cast<QuorvelDllCanUnloadNow>(library.resolve("DllCanUnloadNow"));
        ASSERT_TRUE(registerServer && unregisterServer && getClassObject && canUnloadNow);
    }

    QString registryFile() const { return configHome.filePath(QStringLiteral("Quorvel/components.ini")); }

    QTemporaryDir configHome;
    QLibrary library;
    QuorvelDllRegisterServer registerServer = nullptr;
    QuorvelDllUnregisterServer unregisterServer = nullptr;
    QuorvelDllGetClassObject getClassObject = nullptr;
    QuorvelDllCanUnloadNow canUnloadNow = nullptr;
};

TEST_F(ServerEntryPoints, RegisterCreateUnregisterRoundTrip)
{
    EXPECT_EQ(canUnloadNow(), kS_OK);

    ASSERT_EQ(registerServer(), kS_OK);
    {
        QSettings registry(registryFile(), QSettings::IniFormat);
        const QString cls = QStringLiteral("CLSID/" QUORVEL_CLSID_DRAVOBUTTON "/");
        EXPECT_EQ(registry.value(cls + QStringLiteral("ProgID")).toString(),
                  QStringLiteral("DravoButton多风格按钮控件.DravoButton"));
        EXPECT_EQ(registry.value(cls + QStringLiteral("Version")).toString(), QStringLiteral("8.0"));
        const QString path = registry.value(cls + QStringLiteral("InprocServer32")).toString();
        EXPECT_TRUE(path.endsWith(QStringLiteral(".so")) || path.contains(QStringLiteral(".so.")))
                << path.toStdString();
        EXPECT_TRUE(QFileInfo(path).exists());
        EXPECT_EQ(registry.value(QStringLiteral("ProgID/DravoButton多风格按钮控件.DravoButton")).toString(),
                  QStringLiteral(QUORVEL_CLSID_DRAVOBUTTON));
        EXPECT_EQ(registry.value(QStringLiteral("TypeLib/" QUORVEL_LIBID "/Name")).toString(),
                  QStringLiteral("DravoButton多风格按钮控件"));
    }

    void *object = nullptr;
    ASSERT_EQ(getClassObject(QUORVEL_CLSID_DRAVOBUTTON, QUORVEL_IID_CLASSFACTORY, &object), kS_OK);
    ASSERT_NE(object, nullptr);
    auto *factory = static_cast<IDravoClassFactory *>(object);
    EXPECT_EQ(canUnloadNow(), kS_FALSE); // the class object is alive

    auto host = std::make_unique<QWidget>();
    DravoButton *button = nullptr;
    ASSERT_EQ(factory->CreateInstance(host.get(), &button), kS_OK);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->parentWidget(), host.get());
    EXPECT_EQ(button->Appearance(), btXP); // a new instance
    EXPECT_EQ(factory->CreateInstance(host.get(), nullptr), kE_POINTER);

    EXPECT_EQ(factory->Release(), 0);
    EXPECT_EQ(canUnloadNow(), kS_FALSE); // the button is alive
    host.reset();
    EXPECT_EQ(canUnloadNow(), kS_OK);

    ASSERT_EQ(unregisterServer(), kS_OK);
    {
        QSettings registry(registryFile(), QSettings::IniFormat);
        EXPECT_TRUE(registry.allKeys().isEmpty()) << registry.allKeys().join(u' ').toStdString();
    }
    // Unregistering twice is harmless.
    EXPECT_EQ(unregisterServer(), kS_OK);
}

TEST_F(ServerEntryPoints, ClassObjectRefusesOtherClassesAndInterfaces)
{
    void *object = reinterpret_cast<void *>(1);
    EXPECT_EQ(getClassObject("{00000000-0000-0000-0000-000000000000}", QUORVEL_IID_CLASSFACTORY, &object),
              kCLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(getClassObject(QUORVEL_CLSID_DRAVOBUTTON, "{11111111-2222-3333-4444-555555555555}", &object),
              kE_NOINTERFACE);
    EXPECT_EQ(getClassObject(QUORVEL_CLSID_DRAVOBUTTON, QUORVEL_IID_CLASSFACTORY, nullptr), kE_POINTER);
    // Ids compare without regard to case, as registry ids do.
    const QByteArray lower = QByteArray(QUORVEL_CLSID_DRAVOBUTTON).toLower();
    ASSERT_EQ(getClassObject(lower.constData(), QUORVEL_IID_CLASSFACTORY, &object), kS_OK);
    auto *factory = static_cast<IDravoClassFactory *>(object);
    EXPECT_EQ(factory->AddRef(), 2);
    EXPECT_EQ(factory->LockServer(true), kS_OK);
    EXPECT_EQ(factory->Release(), 1);
    EXPECT_EQ(factory->Release(), 0);
    EXPECT_EQ(canUnloadNow(), kS_FALSE); // still locked
    // A lock is a module-level count; a new class object can release it.
    ASSERT_EQ(getClassObject(QUORVEL_CLSID_DRAVOBUTTON, QUORVEL_IID_CLASSFACTORY, &object), kS_OK);
    factory = static_cast<IDravoClassFactory *>(object);
    factory->LockServer(false);
    factory->Release();
    EXPECT_EQ(canUnloadNow(), kS_OK);
}

TEST_F(ServerEntryPoints, UnregisterKeepsOtherEntriesOfTheRegistryFile)
{
    ASSERT_EQ(registerServer(), kS_OK);
    {
        QSettings registry(registryFile(), QSettings::IniFormat);
        registry.setValue(QStringLiteral("CLSID/{other}/ProgID"), QStringLiteral("Other.Control"));
    }
    ASSERT_EQ(unregisterServer(), kS_OK);
    QSettings registry(registryFile(), QSettings::IniFormat);
    EXPECT_EQ(registry.allKeys(), QStringList{QStringLiteral("CLSID/{other}/ProgID")});
}

} // namespace
