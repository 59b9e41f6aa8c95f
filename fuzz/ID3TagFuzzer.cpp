// Any 128 bytes starting with "TAG" decode, and the decoded texts encode back to the same
// block; any file end is judged for an ID3v1 block without fault.

#include "track/ID3TagBlock.h"
#include "track/ID3TagTail.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));

    ID3TagTail tail;
    tail.fileSize = input.size();
    tail.bytes = input.right(ID3TagTail::Size);
    if (tail.hasBlock() && !ID3TagBlock::fromBytes(tail.block()))
        std::abort();

    const QByteArray bytes = ("TAG" + input).leftJustified(ID3TagBlock::Size, '\0', true);
    const auto decoded = ID3TagBlock::fromBytes(bytes);
    if (!decoded)
        std::abort();
    ID3TagBlock encoded;
    encoded.setTitle(decoded->Title());
    encoded.setArtist(decoded->Artist());
    encoded.setAlbum(decoded->Album());
    encoded.setYear(decoded->Year());
    encoded.setComment(decoded->Comment());
    encoded.setGenre(decoded->Genre());
    if (encoded.bytes() != bytes || encoded.toTagFields() != decoded->toTagFields())
        std::abort();
    return 0;
}
