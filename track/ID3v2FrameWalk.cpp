#include "track/ID3v2FrameWalk.h"

#include "track/TagLibFrameHeader.h"

#include <algorithm>

unsigned walkID3v2Frames(const TagLib::ByteVector &bytes, unsigned position, unsigned end, unsigned version,
    const std::function<void(const ID3v2FrameSpan &)> &visit)
{
    const unsigned headerSize = TagLib::ID3v2::Frame::headerSize(version);
    end = std::min(end, bytes.size());
    while (end > headerSize && position < end - headerSize && bytes.at(position) != 0) {
        const TagLib::ByteVector rest = bytes.mid(position, end - position);
        const ID3v2FrameHeader frame(rest, version);
        const TagLib::ByteVector id = frame.frameID();
        const bool isFrame = id.size() == (version < 3 ? 3 : 4)
            && std::ranges::all_of(id, [](char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); })
            && frame.frameSize() > (frame.dataLengthIndicator() ? 4U : 0U)
            && frame.frameSize() <= rest.size() - headerSize;
        if (!isFrame)
            break;
        const unsigned size = headerSize + frame.frameSize();
        visit({std::string_view(bytes.data() + position, id.size()), position, size});
        position += size;
    }
    return position;
}
