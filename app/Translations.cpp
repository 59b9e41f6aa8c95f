#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

using namespace Qt::StringLiterals;

Translations::Translations(const QLocale &locale, const QString &folder)
{
    // Qt's buttons and dialogs follow only where the program itself speaks the language: a
    // window half in one language and half in another helps nobody.
    if (!m_program.load(locale, u"sorvane"_s, u"_"_s, folder))
        return;
    QCoreApplication::installTranslator(&m_program);
    if (m_qt.load(locale, u"qtbase"_s, u"_"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
}

Translations::~Translations()
{
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_program);
}

QString Translations::installedFolder()
{
    return QCoreApplication::applicationDirPath() + u"/../share/sorvane/translations"_s;
}
