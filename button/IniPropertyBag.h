// A property bag kept in a group of an INI file. Pictures are stored as
// their storage string (type plus PNG data), fonts as QFont::toString(),
// colours as numbers, so every value loads back equal.
#pragma once

#include "PropertyBag.h"

#include <QSettings>

#include <memory>

namespace quorvel {

class QUORVEL_EXPORT IniPropertyBag : public PropertyBag
{
public:
    // group: the section holding this control's values, e.g. its name.
    IniPropertyBag(const QString &fileName, const QString &group);
    ~IniPropertyBag() override;

    // Writes pending changes to the file; false when the file can't be written.
    bool sync();

protected:
    bool lookup(const QString &name, QVariant *out) const override;
    bool store(const QString &name, const QVariant &value) override;
    bool remove(const QString &name) override;

private:
    QString key(const QString &name) const;
    std::unique_ptr<QSettings> mSettings;
    QString mGroup;
};

} // namespace quorvel
