#pragma once

#include "track/TagFields.h"

#include <memory>
#include <string_view>
#include <vector>

namespace TagLib::ID3v2 {
class Frame;
}

// The fields as frames of an ID3v2 tag of version 2.3 or 2.4.
enum class TagField { Title, Artist, Album, Comment, Year, Genre, Track };

struct FieldChange
{
    TagField field;
    QString text; // empty: the field's frames go
};

// The fields of typed that differ from asRead, with their typed text.
std::vector<FieldChange> changedFields(const TagFields &asRead, const TagFields &typed);

// Whether frames with this ID are among those that hold field: TIT2, TPE1, TALB, TCON, TRCK; COMM,
// of which only a plain comment counts; for the year TDRC or TYER, with the day and time
// that go with a 2.3 year (TDAT, TIME).
bool mayHoldField(TagField field, std::string_view id);
// A comment without a description: the one a person reads as the comment, unlike the player
// data other comment frames hold.
bool isPlainComment(const TagLib::ID3v2::Frame &frame);

// The frame that holds text for field in a tag of version 3 or 4, in a Unicode encoding:
// UTF-16 with a byte order mark for 2.3, UTF-8 for 2.4. The year is TYER in 2.3, TDRC in 2.4;
// the genre is its name.
std::unique_ptr<TagLib::ID3v2::Frame> fieldFrame(TagField field, const QString &text, unsigned version);
