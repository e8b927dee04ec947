#pragma once

#include <QString>
#include <QVariant>

#include <map>
#include <memory>
#include <optional>

class QSettings;

namespace kestova {

// The per-user settings (the registry values under Software\Orvane\Kestova).
// Keys are "Path", "Window/Width", "Window/Height", "Window/Channel".
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;

    // The stored value, or nothing when the key is absent. A value written as
    // text reads back as a QString; anything else keeps its own type, so a
    // caller can tell a string value from a value of another type.
    virtual std::optional<QVariant> value(const QString &key) const = 0;
    virtual void setString(const QString &key, const QString &text) = 0;
    // Writes are best effort; sync() pushes them out and reports failure.
    virtual bool sync() = 0;

    static bool isString(const std::optional<QVariant> &v)
    {
        return v && v->typeId() == QMetaType::QString;
    }
};

// QSettings, organisation "Orvane", application "Kestova" (an INI file in the
// user's configuration directory). A value holding a number written by hand
// reads as text; a value written as @Variant(...) or @ByteArray(...) does not.
class QtSettingsStore final : public SettingsStore
{
public:
    QtSettingsStore();
    // For tests: a store over a given INI file.
    explicit QtSettingsStore(const QString &iniPath);
    ~QtSettingsStore() override;

    std::optional<QVariant> value(const QString &key) const override;
    void setString(const QString &key, const QString &text) override;
    bool sync() override;

private:
    std::unique_ptr<QSettings> m_settings;
};

// An in-memory store for logic tests.
class MemorySettingsStore : public SettingsStore
{
public:
    std::optional<QVariant> value(const QString &key) const override
    {
        auto it = values.find(key);
        if (it == values.end())
            return std::nullopt;
        return it->second;
    }
    void setString(const QString &key, const QString &text) override { values[key] = text; }
    bool sync() override { return true; }

    std::map<QString, QVariant> values;
};

} // namespace kestova
