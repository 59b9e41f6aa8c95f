#pragma once

#include <QString>
#include <QStringView>

// The track number a tag's track text states: the text of an ID3v2 TRCK frame, where "3",
// "03" and "3/12" (the track, then the album's count) all give 3, or an ID3v1.1 track byte
// as digits. 0 for none: empty text, a track 0, or text that is no number ("A1", "3a").
int trackNumber(QStringView trackText);

// trackText stating number instead, with the album's count it gave kept ("3/12" and 4 give
// "4/12"); empty for number 0.
QString withTrackNumber(QStringView trackText, int number);
