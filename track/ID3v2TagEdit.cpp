#include "track/ID3v2TagEdit.h"

#include "track/ID3v2FrameWalk.h"
#include "track/TagLibBytesFile.h"
#include "track/TagLibFrameHeader.h"

#include <taglib/id3v2.h>
#include <taglib/id3v2header.h>
#include <taglib/id3v2synchdata.h>
#include <taglib/id3v2tag.h>
#include <taglib/tbytevectorstream.h>

#include <memory>
#include <vector>

namespace {

constexpr char kUnsynchronised = char(0x80);
constexpr char kExtendedHeader = 0x40;
constexpr char kFooter = 0x10;

QByteArray toQByteArray(const TagLib::ByteVector &bytes)
{
    return QByteArray(bytes.data(), bytes.size());
}

TagLib::ByteVector toByteVector(QByteArrayView bytes)
{
    return TagLib::ByteVector(bytes.data(), unsigned(bytes.size()));
}

// Whether the raw frame belongs to a field that changes: a comment only when it is plain,
// which takes parsing it, unless it is packed (compressed, encrypted) and so no comment the
// reader takes either.
bool isFrameOf(
    TagField field, const ID3v2FrameSpan &span, const TagLib::ByteVector &frame, const TagLib::ID3v2::Header &tagHeader)
{
    if (!mayHoldField(field, span.id))
        return false;
    if (field != TagField::Comment)
        return true;
    const ID3v2FrameHeader header(frame, tagHeader.majorVersion());
    if (header.compression() || header.encryption())
        return false;
    const std::unique_ptr<TagLib::ID3v2::Frame> parsed(
        TagLib::ID3v2::FrameFactory::instance()->createFrame(frame, &tagHeader));
    return parsed && isPlainComment(*parsed);
}

EditedID3v2Tag splicedTag(
    const TagLib::ByteVector &tag, const TagLib::ID3v2::Header &header, const std::vector<FieldChange> &changes)
{
    const unsigned version = header.majorVersion();
    EditedID3v2Tag edited {toQByteArray(tag.mid(0, 6)), {}};
    std::vector<bool> placed(changes.size(), false);
    const auto place = [&](std::size_t change) {
        if (!placed[change] && !changes[change].text.isEmpty())
            edited.frames += toQByteArray(fieldFrame(changes[change].field, changes[change].text, version)->render());
        placed[change] = true;
    };
    const unsigned begin = EditedID3v2Tag::HeaderSize;
    walkID3v2Frames(tag, begin, begin + header.tagSize(), version, [&](const ID3v2FrameSpan &span) {
        const TagLib::ByteVector frame = tag.mid(span.offset, span.size);
        for (std::size_t change = 0; change < changes.size(); ++change) {
            if (isFrameOf(changes[change].field, span, frame, header))
                return place(change);
        }
        edited.frames += toQByteArray(frame);
    });
    for (std::size_t change = 0; change < changes.size(); ++change)
        place(change);
    return edited;
}

// Keeps a packed frame out of the parsed tag, never inflated, and notes that there was one.
class PackedFrameNotingFactory final : public FrameFactoryBase
{
public:
    bool sawPackedFrame() const { return m_sawPackedFrame; }

protected:
    bool updateFrame(FrameHeader header) const override
    {
        if (!header->compression() && !header->encryption())
            return FrameFactory::updateFrame(header);
        m_sawPackedFrame = true;
        return false;
    }

private:
    mutable bool m_sawPackedFrame = false;
};

std::optional<EditedID3v2Tag> renderedByTagLib(
    const TagLib::ByteVector &tag, const TagLib::ID3v2::Header &header, const std::vector<FieldChange> &changes)
{
    TagLib::ByteVectorStream stream(tag);
    TagLibBytesFile file(&stream);
    const PackedFrameNotingFactory factory;
    TagLib::ID3v2::Tag parsed(&file, 0, &factory);
    if (factory.sawPackedFrame())
        return std::nullopt;
    // TagLib holds every tag with the frames of 2.4, and turns them back into those of 2.3
    // when it renders one.
    for (const FieldChange &change : changes) {
        // Not a copy of the list: the tag's own deletes the frames it holds, and a copy shares it.
        const TagLib::ID3v2::FrameList &list = parsed.frameList();
        const std::vector<TagLib::ID3v2::Frame *> frames(list.begin(), list.end());
        for (TagLib::ID3v2::Frame *frame : frames) {
            const TagLib::ByteVector id = frame->frameID();
            if (mayHoldField(change.field, std::string_view(id.data(), id.size()))
                && (change.field != TagField::Comment || isPlainComment(*frame)))
                parsed.removeFrame(frame);
        }
        if (!change.text.isEmpty())
            parsed.addFrame(fieldFrame(change.field, change.text, 4).release());
    }
    const TagLib::ID3v2::Version version = header.majorVersion() == 4 ? TagLib::ID3v2::v4 : TagLib::ID3v2::v3;
    const TagLib::ByteVector rendered = parsed.render(version);
    const unsigned begin = EditedID3v2Tag::HeaderSize;
    const unsigned end = walkID3v2Frames(rendered, begin, rendered.size(), version, [](const ID3v2FrameSpan &) {});
    return EditedID3v2Tag {
        QByteArray("ID3") + char(version) + '\0' + '\0', toQByteArray(rendered.mid(begin, end - begin))};
}

} // namespace

QByteArray EditedID3v2Tag::laidOut(qsizetype completeSize) const
{
    QByteArray tag
        = headerStart + toQByteArray(TagLib::ID3v2::SynchData::fromUInt(unsigned(completeSize - HeaderSize)));
    tag += frames;
    tag.append(completeSize - tag.size(), '\0');
    return tag;
}

std::optional<EditedID3v2Tag> editID3v2Tag(const QByteArray &tag, const std::vector<FieldChange> &changes)
{
    const QByteArray newTag = QByteArray("ID3\x04\x00\x00", 6) + QByteArray(4, '\0');
    const TagLib::ByteVector bytes = toByteVector(tag.isEmpty() ? newTag : tag);
    const TagLib::ID3v2::Header header(bytes.mid(0, EditedID3v2Tag::HeaderSize));
    const unsigned version = header.majorVersion();
    if (version < 2 || version > 4)
        return std::nullopt;
    const char flags = bytes.at(5);
    if (version == 2 || (flags & (kUnsynchronised | kExtendedHeader | kFooter)) != 0)
        return renderedByTagLib(bytes, header, changes);
    return splicedTag(bytes, header, changes);
}
