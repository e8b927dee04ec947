#pragma once

#include "platform/MessagePresenter.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace kestova {

// A modal message box with an OK button and the program's title, over the
// given window.
class MessageBoxPresenter final : public MessagePresenter
{
public:
    explicit MessageBoxPresenter(QWidget *parent, QString title = QStringLiteral("Kestova"))
        : m_parent(parent), m_title(std::move(title))
    {
    }
    void showMessage(const QString &text) override;

private:
    QPointer<QWidget> m_parent;
    QString m_title;
};

} // namespace kestova
