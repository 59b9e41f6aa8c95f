#include "track/ID3v2FieldFrames.h"

#include <taglib/commentsframe.h>
#include <taglib/textidentificationframe.h>

#include <array>
#include <utility>

namespace {

// TagLib renders a frame for the version its header holds, which only the frame itself may
// set.
template <typename Frame> class FrameOfVersion final : public Frame
{
public:
    template <typename... Arguments>
    explicit FrameOfVersion(unsigned version, Arguments &&...arguments)
        : Frame(std::forward<Arguments>(arguments)...)
    {
        this->header()->setVersion(version);
    }
};

TagLib::String toTagLib(const QString &text)
{
    return TagLib::String(text.toStdString(), TagLib::String::UTF8);
}

const char *textFrameID(TagField field, unsigned version)
{
    switch (field) {
    case TagField::Title:
        return "TIT2";
    case TagField::Artist:
        return "TPE1";
    case TagField::Album:
        return "TALB";
    case TagField::Year:
        return version >= 4 ? "TDRC" : "TYER";
    case TagField::Genre:
        return "TCON";
    case TagField::Track:
        return "TRCK";
    case TagField::Comment:
        break;
    }
    return "COMM";
}

} // namespace

std::vector<FieldChange> changedFields(const TagFields &asRead, const TagFields &typed)
{
    const std::array<std::pair<TagField, QString TagFields::*>, 7> fields = {{{TagField::Title, &TagFields::Title},
        {TagField::Artist, &TagFields::Artist}, {TagField::Album, &TagFields::Album},
        {TagField::Comment, &TagFields::Comment}, {TagField::Year, &TagFields::Year},
        {TagField::Genre, &TagFields::Genre}, {TagField::Track, &TagFields::Track}}};
    std::vector<FieldChange> changes;
    for (const auto &[field, member] : fields) {
        if (typed.*member != asRead.*member)
            changes.push_back({field, typed.*member});
    }
    return changes;
}

bool mayHoldField(TagField field, std::string_view id)
{
    switch (field) {
    case TagField::Year:
        return id == "TDRC" || id == "TYER" || id == "TDAT" || id == "TIME";
    case TagField::Comment:
        return id == "COMM";
    default:
        return id == textFrameID(field, 4);
    }
}

bool isPlainComment(const TagLib::ID3v2::Frame &frame)
{
    const auto *comment = dynamic_cast<const TagLib::ID3v2::CommentsFrame *>(&frame);
    return comment && comment->description().isEmpty();
}

std::unique_ptr<TagLib::ID3v2::Frame> fieldFrame(TagField field, const QString &text, unsigned version)
{
    const TagLib::String::Type encoding = version >= 4 ? TagLib::String::UTF8 : TagLib::String::UTF16;
    if (field == TagField::Comment) {
        auto comment = std::make_unique<FrameOfVersion<TagLib::ID3v2::CommentsFrame>>(version, encoding);
        comment->setLanguage("eng");
        comment->setText(toTagLib(text));
        return comment;
    }
    auto frame = std::make_unique<FrameOfVersion<TagLib::ID3v2::TextIdentificationFrame>>(
        version, TagLib::ByteVector(textFrameID(field, version)), encoding);
    frame->setText(toTagLib(text));
    return frame;
}
