#include "naming/ProperCase.h"

namespace {

// Upper-cases the character starting at index i, a surrogate pair included.
void upperCaseAt(QString &text, qsizetype i)
{
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        const char32_t upper = QChar::toUpper(QChar::surrogateToUcs4(c, text[i + 1]));
        if (QChar::requiresSurrogates(upper)) {
            text[i] = QChar(QChar::highSurrogate(upper));
            text[i + 1] = QChar(QChar::lowSurrogate(upper));
        }
    } else {
        text[i] = c.toUpper();
    }
}

} // namespace

QString ProperCase(const QString &text)
{
    QString result = text;
    for (qsizetype i = 0; i < result.size(); ++i) {
        if (i == 0 || result[i - 1] == u' ')
            upperCaseAt(result, i);
    }
    return result;
}
