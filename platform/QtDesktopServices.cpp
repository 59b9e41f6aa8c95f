#include "platform/QtDesktopServices.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

#include <cstdio>
#include <cstdlib>

namespace {

QMessageBox::Icon toQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Information:
        break;
    }
    return QMessageBox::Information;
}

} // namespace

MessageAnswer QtDesktopServices::showMessage(QWidget *parent, const Message &message)
{
    const bool yesNo = message.buttons == MessageButtons::YesNo;
    QMessageBox box(toQtIcon(message.icon), message.title, message.text,
        yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    box.setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return yesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
}

void QtDesktopServices::openAddress(const QUrl &address)
{
    QDesktopServices::openUrl(address);
}

bool QtDesktopServices::startDetached(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

QString QtDesktopServices::chooseFolder(QWidget *parent, const QString &title, const QString &startFolder)
{
    return QFileDialog::getExistingDirectory(parent, title, startFolder);
}

void QtDesktopServices::runModal(QDialog &dialog)
{
    dialog.exec();
}

void QtDesktopServices::endProgram()
{
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}
