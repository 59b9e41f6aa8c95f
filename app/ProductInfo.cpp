#include "app/ProductInfo.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

const QString kWebSite = u"http://kestova.example.com"_s;

} // namespace

QString GetVersionText()
{
    return QString::number(VersionMajor) + u'.' + QString::number(VersionMinor);
}

QUrl HomePageAddress()
{
    // The page takes the version without its dot: ver=23 for 2.3.
    return QUrl(kWebSite + u"/software/Sorvane/default.asp?ver="_s + QString::number(VersionMajor)
        + QString::number(VersionMinor));
}

QUrl SuggestionPageAddress()
{
    return QUrl(kWebSite + u"/software/suggestion_box.asp"_s);
}

Message AboutMessage()
{
    const QStringList lines = {
        QCoreApplication::translate("ProductInfo", "Copyright (C) Kestova.  Kestova "),
        QCoreApplication::translate("ProductInfo", "cannot be held responsible for any damages caused by the "),
        QCoreApplication::translate("ProductInfo", "usage of this software either directly or otherwise."),
        QString(),
        QCoreApplication::translate("ProductInfo", "Thank you for keeping your music tidy with Sorvane."),
    };
    return Message {u"Sorvane v"_s + GetVersionText(), lines.join(u'\n'), MessageButtons::Ok, MessageIcon::Information};
}
