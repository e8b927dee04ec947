// How the control shows its one message box. Hosts and tests may give a
// control their own presenter; the default is a modal information box.
#pragma once

#include "QuorvelExport.h"

#include <QString>

class QWidget;

namespace quorvel {

class QUORVEL_EXPORT MessagePresenter
{
public:
    virtual ~MessagePresenter();
    // An information message with an OK button.
    virtual void showInformation(QWidget *owner, const QString &text) = 0;
};

class QUORVEL_EXPORT MessageBoxPresenter : public MessagePresenter
{
public:
    void showInformation(QWidget *owner, const QString &text) override;
};

} // namespace quorvel
