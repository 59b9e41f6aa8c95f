// Any file loads with ID3v2 tags read, whatever its tag holds: sizes that point past the end,
// unsynchronisation, compressed, encrypted or huge frames. The year is never longer than an
// ID3v1 year, and a file that ends in an ID3v1 block reads the same as without ID3v2 tags.

#include "fuzz/ScratchFile.h"
#include "track/ID3TagTail.h"
#include "track/MP3File.h"

#include <QStringList>

#include <cstdlib>

namespace {

QStringList fieldsOf(const MP3File &track)
{
    return {track.Title(), track.Artist(), track.Album(), track.Year(), track.Comment(), track.Genre()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static ScratchFile file;
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString &path = file.holding(input);

    MP3File withoutID3v2;
    MP3File withID3v2;
    if (!withoutID3v2.setFileName(path) || !withID3v2.setFileName(path, true) || withID3v2.Year().size() > 4)
        std::abort();

    ID3TagTail tail;
    tail.fileSize = input.size();
    tail.bytes = input.right(ID3TagTail::Size);
    // A file read from its ID3v1 block reads the same whether ID3v2 tags are read or not.
    if (tail.hasBlock() && withID3v2.tagSource() != MP3File::TagSource::ID3v2Tag
        && fieldsOf(withID3v2) != fieldsOf(withoutID3v2))
        std::abort();
    return 0;
}
