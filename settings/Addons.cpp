#include "settings/Addons.h"

#include "naming/ProgramState.h"
#include "settings/Registry.h"
#include "track/SpaceTrim.h"
#include "track/TextUpToNul.h"

using namespace Qt::StringLiterals;

void LoadSettings(ProgramState &state)
{
    state.StartInDirectory = ReadRegistryString(ProgramKey, u"StartIn"_s, QString());
    for (int position = 1; position <= ProgramState::AddonCount; ++position) {
        const QString key = ProgramKey + u"\\Addons\\"_s + QString::number(position);
        state.AddonNames[position - 1] = ReadRegistryString(key, u"Name"_s, QString());
        state.AddonURLs[position - 1] = ReadRegistryString(key, u"URL"_s, QString());
    }
}

QString AddonAddress(const QString &prefix, const QString &artist, const QString &title)
{
    const QByteArray words = (trimSpaces(textUpToNul(artist)) + u' ' + trimSpaces(textUpToNul(title))).toUtf8();
    QString encoded;
    for (const char byte : words) {
        const auto c = static_cast<unsigned char>(byte);
        if (c == ' ')
            encoded += u'+';
        else if (c > ' ' && c < 0x7f && !QByteArrayView("&#%+?=").contains(byte))
            encoded += QChar::fromLatin1(byte);
        else
            encoded += u'%' + QString::number(c, 16).toUpper().rightJustified(2, u'0');
    }
    return prefix + encoded;
}
