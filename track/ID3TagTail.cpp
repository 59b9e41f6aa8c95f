#include "track/ID3TagTail.h"

#include "track/ID3TagBlock.h"

#include <algorithm>

bool ID3TagTail::hasBlock() const
{
    if (bytes.size() < ID3TagBlock::Size || !block().startsWith("TAG"))
        return false;
    return bytes.size() < Size || !bytes.startsWith("APETAGEX");
}

QByteArrayView ID3TagTail::block() const
{
    return QByteArrayView(bytes).last(std::min(bytes.size(), ID3TagBlock::Size));
}

namespace {

qint64 tailLength(const RegularFile &file)
{
    return std::min<qint64>(file.size(), ID3TagTail::Size);
}

} // namespace

std::optional<ID3TagTail> readID3TagTail(RegularFile &file)
{
    ID3TagTail tail;
    tail.fileSize = file.size();
    const qint64 length = tailLength(file);
    if (length > 0) {
        tail.bytes = file.readAt(tail.fileSize - length, length);
        if (tail.bytes.isEmpty())
            return std::nullopt;
    }
    return tail;
}

bool isID3TagTailCached(RegularFile &file)
{
    const qint64 length = tailLength(file);
    return length == 0 || file.isCached(file.size() - length, length);
}
