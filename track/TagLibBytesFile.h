#pragma once

#include <taglib/tfile.h>

// TagLib reads an ID3v2 tag out of a File; this one is the tag's bytes alone, in memory, so
// TagLib neither opens the path nor looks anywhere else in the file.
class TagLibBytesFile final : public TagLib::File
{
public:
    explicit TagLibBytesFile(TagLib::IOStream *bytes)
        : TagLib::File(bytes)
    { }
    TagLib::Tag *tag() const override { return nullptr; }
    TagLib::AudioProperties *audioProperties() const override { return nullptr; }
    bool save() override { return false; }
};
