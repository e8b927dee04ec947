#include "MessagePresenter.h"

#include <QApplication>
#include <QMessageBox>

namespace quorvel {

MessagePresenter::~MessagePresenter() = default;

void MessageBoxPresenter::showInformation(QWidget *owner, const QString &text)
{
    QMessageBox::information(owner, QApplication::applicationDisplayName(), text, QMessageBox::Ok);
}

} // namespace quorvel
