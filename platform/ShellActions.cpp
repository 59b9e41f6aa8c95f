#include "platform/ShellActions.h"

#include "platform/DesktopServices.h"

#include <QCoreApplication>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

// The desktop's opener: it plays a file in its player and shows a folder in the file manager.
const QString kOpener = u"xdg-open"_s;

} // namespace

void ShellOpen(DesktopServices &services, const QUrl &address)
{
    services.openAddress(address);
}

void PreviewFile(DesktopServices &services, QWidget *parent, const QString &path)
{
    if (!services.startDetached(kOpener, {path}))
        services.showMessage(parent,
            {QCoreApplication::translate("ShellActions", "Cannot Launch MP3"),
                QCoreApplication::translate("ShellActions", "Unable to launch MP3 file for previewing."),
                MessageButtons::Ok, MessageIcon::Information});
}

void ExploreCurrentDirectory(DesktopServices &services, const QString &directory)
{
    services.startDetached(kOpener, {directory});
}
