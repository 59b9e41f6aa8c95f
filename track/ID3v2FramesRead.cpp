#include "track/ID3v2FramesRead.h"

#include "track/TagLibFrameHeader.h"

#include <taglib/id3v2extendedheader.h>
#include <taglib/id3v2footer.h>
#include <taglib/id3v2header.h>
#include <taglib/id3v2synchdata.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace {

// How many frames of the kind id ID3v2Tag::read may look at, under the names of version 2.2
// and of the later ones, with those TagLib may fold into the year. Comments that players
// write for themselves may come before the one it takes; a bound keeps a tag of a million
// of them cheap.
std::ptrdiff_t framesRead(std::string_view id)
{
    static constexpr std::array<std::string_view, 19> kFirstOnly = {"TIT2", "TPE1", "TALB", "TDRC", "TYER", "TDAT",
        "TIME", "TRDA", "TCON", "TRCK", "TT2", "TP1", "TAL", "TYE", "TDA", "TIM", "TRD", "TCO", "TRK"};
    if (id == "COMM" || id == "COM")
        return 16;
    return std::ranges::find(kFirstOnly, id) != kFirstOnly.end() ? 1 : 0;
}

} // namespace

TagLib::ByteVector withOnlyTheFramesRead(const TagLib::ByteVector &tag)
{
    const unsigned headerSize = TagLib::ID3v2::Header::size();
    const TagLib::ID3v2::Header header(tag.mid(0, headerSize));
    const unsigned version = header.majorVersion();
    char flags = tag.at(5);
    TagLib::ByteVector frames = tag.mid(headerSize, header.tagSize());
    // Before 2.4 the whole tag is unsynchronised; from 2.4 on each frame is, and TagLib
    // undoes it frame by frame.
    if (header.unsynchronisation() && version <= 3) {
        frames = TagLib::ID3v2::SynchData::decode(frames);
        flags &= ~0x80;
    }
    unsigned position = 0;
    if (header.extendedHeader()) {
        TagLib::ID3v2::ExtendedHeader extended;
        extended.setData(frames);
        if (extended.size() <= frames.size())
            position = extended.size();
    }
    unsigned end = frames.size();
    if (header.footerPresent() && TagLib::ID3v2::Footer::size() <= end)
        end -= TagLib::ID3v2::Footer::size();
    flags &= ~0x50; // neither extended header nor footer in what is handed on

    TagLib::ByteVector kept;
    std::vector<TagLib::ByteVector> keptIDs;
    bool droppedAny = false;
    const unsigned frameHeaderSize = TagLib::ID3v2::Frame::headerSize(version);
    while (end > frameHeaderSize && position < end - frameHeaderSize && frames.at(position) != 0) {
        const TagLib::ByteVector rest = frames.mid(position);
        const ID3v2FrameHeader frame(rest, version);
        const TagLib::ByteVector id = frame.frameID();
        const bool isFrame = id.size() == (version < 3 ? 3 : 4)
            && std::ranges::all_of(id, [](char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); })
            && frame.frameSize() > (frame.dataLengthIndicator() ? 4U : 0U) && frame.frameSize() <= rest.size();
        if (!isFrame)
            break;
        const std::ptrdiff_t limit = framesRead(std::string_view(id.data(), id.size()));
        if (limit > 0 && std::ranges::count(keptIDs, id) < limit) {
            kept.append(rest.mid(0, frameHeaderSize + frame.frameSize()));
            keptIDs.push_back(id);
        } else {
            droppedAny = true;
        }
        position += frameHeaderSize + frame.frameSize();
    }
    // Most tags hold only frames that are read: those go on as they are, padding and all.
    if (!droppedAny && flags == tag.at(5))
        return tag;
    return tag.mid(0, 5) + TagLib::ByteVector(1, flags) + TagLib::ID3v2::SynchData::fromUInt(kept.size()) + kept;
}
