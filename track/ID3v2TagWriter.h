#pragma once

#include "platform/FileReplacement.h"
#include "track/TagFields.h"

#include <QString>

enum class TagSaveOutcome {
    WrittenInPlace, // the new tag fitted the old tag's room; the file is the same file
    Replaced, // the file was written afresh and renamed over the original: a new inode
    Refused, // the file cannot be replaced where it is (the volume refuses, or its owner, group
             // or other names could not be kept); the file is untouched
    Failed, // could not be read, edited or written; the file is untouched
};

// Writes the ID3v2 tag of the ordinary file at path from typed. asRead are the fields as they
// were read from that tag: a field of typed equal to its asRead value leaves its frames as
// they are, the others replace theirs (see editID3v2Tag); every other frame keeps its bytes,
// and the audio after the tag is never changed. A file without an ID3v2 tag gets a 2.4 tag of
// typed; a tag past ID3v2Tag::MaxReadBytes is not edited. An ID3v1 block the file ends in is
// rewritten from typed as far as it can hold the text; a file without one gets none.
// When the new tag fits the old tag's room and the ID3v1 block stays as it was, the tag is
// written in place in one write and flushed; otherwise the file is written afresh and
// replaced (see replaceFileWith), with room for the next edit to fit, and recordPath records
// its temporary file meanwhile.
TagSaveOutcome writeID3v2Tag(const QString &path, const TagFields &asRead, const TagFields &typed,
    const QString &recordPath, const FileReplaceCalls &calls = FileReplaceCalls::kernel());
