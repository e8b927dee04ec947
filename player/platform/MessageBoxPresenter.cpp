#include "platform/MessageBoxPresenter.h"

#include <QMessageBox>

namespace kestova {

void MessageBoxPresenter::showMessage(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, m_title, text, QMessageBox::Ok, m_parent.data());
    box.exec();
}

} // namespace kestova
