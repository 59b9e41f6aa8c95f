#pragma once

#include <QTranslator>

class QLocale;

// The program's texts and Qt's own in the person's language, for as long as it lives: the
// first of the locale's languages that the program has a translation for. English, the
// language of the sources, needs none.
class Translations
{
public:
    // folder: where the program's .qm files are.
    Translations(const QLocale &locale, const QString &folder);
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    // share/sorvane/translations beside the program's bin folder.
    static QString installedFolder();

private:
    QTranslator m_program;
    QTranslator m_qt;
};
