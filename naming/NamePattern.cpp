#include "naming/NamePattern.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

std::optional<NameField> fieldNamed(QStringView name)
{
    static constexpr std::array<std::pair<QStringView, NameField>, 6> kFields = {{
        {u"Artist", NameField::Artist},
        {u"Title", NameField::Title},
        {u"Album", NameField::Album},
        {u"Year", NameField::Year},
        {u"Genre", NameField::Genre},
        {u"Track", NameField::Track},
    }};
    const auto named = std::ranges::find_if(
        kFields, [name](const auto &entry) { return entry.first.compare(name, Qt::CaseInsensitive) == 0; });
    return named == kFields.end() ? std::nullopt : std::optional(named->second);
}

} // namespace

NamePattern::NamePattern(const QString &text)
    : m_text(text)
{
    static const QRegularExpression fieldWord(u"<([A-Za-z]+)>"_s);
    qsizetype textStart = 0;
    for (const QRegularExpressionMatch &match : fieldWord.globalMatch(text)) {
        const std::optional<NameField> field = fieldNamed(match.capturedView(1));
        if (!field) {
            if (m_unknownField.isEmpty())
                m_unknownField = match.captured(1);
            continue;
        }
        if (match.capturedStart() > textStart)
            m_pieces.push_back({std::nullopt, text.sliced(textStart, match.capturedStart() - textStart)});
        m_pieces.push_back({field, {}});
        textStart = match.capturedEnd();
    }
    if (textStart < text.size())
        m_pieces.push_back({std::nullopt, text.sliced(textStart)});

    if (!m_unknownField.isEmpty())
        m_fault = Fault::UnknownField;
    else if (text.contains(u'/'))
        m_fault = Fault::HoldsSlash;
    else if (std::ranges::none_of(m_pieces, [](const Piece &piece) { return piece.field.has_value(); }))
        m_fault = Fault::NoField;
}
