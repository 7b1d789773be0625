#include "shell/message_box_presenter.h"

#include <QApplication>
#include <QMessageBox>

namespace kv {

Answer MessageBoxPresenter::present(const Message& message)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(message.title);
    box.setText(message.text);
    switch (message.kind) {
    case MsgKind::Notice:
        box.setIcon(QMessageBox::Information);
        break;
    case MsgKind::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MsgKind::Fatal:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    switch (message.buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (message.defaultAnswer) {
    case Answer::Ok:
        box.setDefaultButton(QMessageBox::Ok);
        break;
    case Answer::Yes:
        box.setDefaultButton(QMessageBox::Yes);
        break;
    case Answer::No:
        box.setDefaultButton(QMessageBox::No);
        break;
    case Answer::Cancel:
        box.setDefaultButton(QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return message.buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
}

} // namespace kv
