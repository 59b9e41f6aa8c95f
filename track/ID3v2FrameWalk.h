#pragma once

#include <taglib/tbytevector.h>

#include <functional>
#include <string_view>

// One frame of an ID3v2 tag, its header and its data, within the bytes walked.
struct ID3v2FrameSpan
{
    std::string_view id;
    unsigned offset = 0;
    unsigned size = 0;
};

// Walks the frames of an ID3v2 tag of the given major version in bytes, from position up to
// end, as TagLib takes them: up to the padding, or the first header that is no frame's (an ID
// of other characters than capitals and digits, a size past end). The bytes are the frame area
// as TagLib reads it: without an extended header, a footer or unsynchronisation of the whole
// tag. Returns where the frames end.
unsigned walkID3v2Frames(const TagLib::ByteVector &bytes, unsigned position, unsigned end, unsigned version,
    const std::function<void(const ID3v2FrameSpan &)> &visit);
