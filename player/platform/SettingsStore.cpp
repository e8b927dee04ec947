#include "platform/SettingsStore.h"

#include <QSettings>

namespace kestova {

QtSettingsStore::QtSettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                             QStringLiteral("Orvane"), QStringLiteral("Kestova")))
{
}

QtSettingsStore::QtSettingsStore(const QString &iniPath)
    : m_settings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{
}

QtSettingsStore::~QtSettingsStore() = default;

std::optional<QVariant> QtSettingsStore::value(const QString &key) const
{
    if (!m_settings->contains(key))
        return std::nullopt;
    return m_settings->value(key);
}

void QtSettingsStore::setString(const QString &key, const QString &text)
{
    m_settings->setValue(key, text);
}

bool QtSettingsStore::sync()
{
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

} // namespace kestova
