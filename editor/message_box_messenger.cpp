#include "editor/message_box_messenger.h"

#include <QMessageBox>

namespace quorvel {

void MessageBoxMessenger::Warn(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox::warning(parent, title, text);
}

void MessageBoxMessenger::Inform(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox::information(parent, title, text);
}

Messenger::CloseChoice
MessageBoxMessenger::AskSaveBeforeClose(QWidget* parent, const QString& title, const QString& text)
{
    const auto answer = QMessageBox::question(
        parent, title, text, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
        QMessageBox::Save);
    switch (answer) {
    case QMessageBox::Save:
        return CloseChoice::Save;
    case QMessageBox::Discard:
        return CloseChoice::Discard;
    default:
        return CloseChoice::Cancel;
    }
}

} // namespace quorvel
