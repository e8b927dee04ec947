#pragma once

#include <QString>

namespace kestova {

// Shows a modal message with an OK button. The window's presenter blocks in
// a message box; tests record the texts instead.
class MessagePresenter
{
public:
    virtual ~MessagePresenter() = default;
    virtual void showMessage(const QString &text) = 0;
};

} // namespace kestova
