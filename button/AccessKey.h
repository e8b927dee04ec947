// The access key a caption marks with "&".
#pragma once

#include "QuorvelExport.h"

#include <QString>

#include <optional>

namespace quorvel {

// The new access key for a caption: a lower-case character, an empty text
// when the marked position is past the end (the control then has none), or
// nothing when the caption marks no key and the previous one stays.
// Only the first "&" and, after a "&&", the next one are looked at.
QUORVEL_EXPORT std::optional<QString> accessKeyFromCaption(const QString &caption);

} // namespace quorvel
