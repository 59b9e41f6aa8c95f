#include "track/PackedTagFields.h"

#include <QStringBuilder>

PackedTagFields::PackedTagFields(const TagFields &fields)
    : m_text(fields.Title % fields.Artist % fields.Album % fields.Comment % fields.Year % fields.Genre % fields.Track)
{
    qsizetype end = 0;
    const std::array<qsizetype, 6> sizes {fields.Title.size(), fields.Artist.size(), fields.Album.size(),
        fields.Comment.size(), fields.Year.size(), fields.Genre.size()};
    for (size_t i = 0; i < sizes.size(); ++i)
        m_ends[i] = end += sizes[i];
}

TagFields PackedTagFields::unpacked() const
{
    const auto field = [this](size_t i) {
        const qsizetype start = i == 0 ? 0 : m_ends[i - 1];
        const qsizetype end = i < m_ends.size() ? m_ends[i] : m_text.size();
        return m_text.sliced(start, end - start);
    };
    return {field(0), field(1), field(2), field(3), field(4), field(5), field(6)};
}
