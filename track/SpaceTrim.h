#pragma once

#include <QString>
#include <QStringView>

// Removes spaces (U+0020 only) at both ends. Unlike QString::trimmed, tabs, line breaks and
// NUL characters stay: tag fields keep them, and several rules depend on it.
inline QString trimSpaces(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.sliced(begin, end - begin).toString();
}
