#include "track/ID3v2Tag.h"

#include "platform/RegularFile.h"
#include "track/AsciiNumber.h"
#include "track/GenreNames.h"
#include "track/ID3v2FramesRead.h"
#include "track/TagLibBytesFile.h"
#include "track/TagLibFrameHeader.h"

#include <taglib/commentsframe.h>
#include <taglib/id3v2header.h>
#include <taglib/id3v2tag.h>
#include <taglib/tbytevectorstream.h>
#include <taglib/textidentificationframe.h>

#include <algorithm>

namespace {

// TagLib inflates a compressed frame without bound: a few kilobytes of a tag can claim
// gigabytes. This factory keeps such a frame as bytes it never inflates, and reads the
// frames after it as usual.
class NonInflatingFrameFactory final : public FrameFactoryBase
{
protected:
    bool updateFrame(FrameHeader header) const override
    {
        if (!header->compression())
            return FrameFactory::updateFrame(header);
        // Rendered by TagLib, the header loses its flags: the frame is then kept as the
        // bytes it holds, an unknown frame, and never inflated.
        header->setData(header->render(), header->version());
        return false;
    }
};

QString toQString(const TagLib::String &text)
{
    return QString::fromStdString(text.to8Bit(true));
}

QString firstFrameText(const TagLib::ID3v2::Tag &tag, const char *frameID)
{
    const TagLib::ID3v2::FrameList &frames = tag.frameList(frameID);
    return frames.isEmpty() ? QString() : toQString(frames.front()->toString());
}

// Players keep data of their own in comments with a description (iTunNORM, iTunSMPB): the
// comment a person wrote is the first without one.
QString commentOf(const TagLib::ID3v2::Tag &tag)
{
    for (const TagLib::ID3v2::Frame *frame : tag.frameList("COMM")) {
        const auto *comment = dynamic_cast<const TagLib::ID3v2::CommentsFrame *>(frame);
        if (comment && comment->description().isEmpty())
            return toQString(comment->text());
    }
    return {};
}

// TCON holds a genre's name, or its number in the ID3v1 table; TagLib has already turned a
// "(n)" reference into the bare number. A number outside the table stays as it stands.
QString genreOf(const TagLib::ID3v2::Tag &tag)
{
    const TagLib::ID3v2::FrameList &frames = tag.frameList("TCON");
    const auto *genres
        = frames.isEmpty() ? nullptr : dynamic_cast<const TagLib::ID3v2::TextIdentificationFrame *>(frames.front());
    if (!genres || genres->fieldList().isEmpty())
        return {};
    const QString text = toQString(genres->fieldList().front());
    const QString name = isAsciiNumber(text) ? GenreNames::name(text.toInt()) : QString();
    return name.isEmpty() ? text : name;
}

TagFields fieldsOf(const TagLib::ID3v2::Tag &tag)
{
    QString year = firstFrameText(tag, "TDRC");
    if (year.isEmpty())
        year = firstFrameText(tag, "TYER");
    return {firstFrameText(tag, "TIT2"), firstFrameText(tag, "TPE1"), firstFrameText(tag, "TALB"), commentOf(tag),
        year.left(4), genreOf(tag), firstFrameText(tag, "TRCK")};
}

// The header file starts with, or an empty array when it starts with no ID3v2 tag.
QByteArray headerOf(RegularFile &file)
{
    QByteArray header = file.readAt(0, TagLib::ID3v2::Header::size());
    return header.startsWith("ID3") ? header : QByteArray();
}

} // namespace

std::optional<TagFields> ID3v2Tag::read(RegularFile &file)
{
    const QByteArray header = headerOf(file);
    if (header.isEmpty())
        return std::nullopt;
    // The size the header claims, but never past the end of the file.
    const qint64 claimed
        = TagLib::ID3v2::Header(TagLib::ByteVector(header.constData(), unsigned(header.size()))).completeTagSize();
    const QByteArray bytes = file.readAt(0, std::min({claimed, file.size(), MaxReadBytes}));

    TagLib::ByteVectorStream stream(
        withOnlyTheFramesRead(TagLib::ByteVector(bytes.constData(), unsigned(bytes.size()))));
    TagLibBytesFile tagBytes(&stream);
    const NonInflatingFrameFactory frames;
    const TagLib::ID3v2::Tag tag(&tagBytes, 0, &frames);
    TagFields fields = fieldsOf(tag);
    if (fields == TagFields {})
        return std::nullopt;
    return fields;
}

bool startsWithID3v2Tag(const QString &path)
{
    RegularFile file = RegularFile::open(path, RegularFile::Access::Read);
    return file.isOpen() && !headerOf(file).isEmpty();
}
