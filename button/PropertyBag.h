// The host's property store for a control: named values with defaults.
// A value equal to its default is not stored, a missing value reads as its
// default. Values are QVariants of the property's type (QString, bool, int,
// uint for colours, QFont, quorvel::Picture).
#pragma once

#include "QuorvelExport.h"

#include <QString>
#include <QVariant>

#include <optional>

namespace quorvel {

class QUORVEL_EXPORT PropertyBag
{
public:
    virtual ~PropertyBag();

    // The stored value, or defaultValue when nothing is stored under name.
    // Nothing when the store cannot be read.
    std::optional<QVariant> ReadProperty(const QString &name, const QVariant &defaultValue) const;
    // Stores value, or removes name when value equals defaultValue.
    // False when the store refuses.
    bool WriteProperty(const QString &name, const QVariant &value, const QVariant &defaultValue);

protected:
    // A stored value is found (true, *out set), absent (true, *out null), or
    // the store failed (false).
    virtual bool lookup(const QString &name, QVariant *out) const = 0;
    virtual bool store(const QString &name, const QVariant &value) = 0;
    virtual bool remove(const QString &name) = 0;
};

// A bag kept in memory, for hosts that persist it themselves and for copies.
class QUORVEL_EXPORT MemoryPropertyBag : public PropertyBag
{
public:
    bool contains(const QString &name) const { return mValues.contains(name); }
    QVariantMap values() const { return mValues; }

protected:
    bool lookup(const QString &name, QVariant *out) const override;
    bool store(const QString &name, const QVariant &value) override;
    bool remove(const QString &name) override;

private:
    QVariantMap mValues;
};

} // namespace quorvel
