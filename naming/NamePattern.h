#pragma once

#include "naming/NameField.h"

#include <QString>

#include <optional>
#include <vector>

// A naming pattern of the person's own, such as "<Year> <Album> - <Track>. <Title>": fields
// in angle brackets (<Artist>, <Title>, <Album>, <Year>, <Genre>, <Track>, in any case), and
// any other text. A word in angle brackets that names no
// field makes the pattern unusable; other text, "<" and ">" included, is taken as it stands.
class NamePattern
{
public:
    // Why a pattern cannot name files.
    enum class Fault {
        None,
        NoField, // every file would get the same name
        HoldsSlash, // the name would lead into another folder
        UnknownField,
    };

    // One piece of the pattern: a field, or text taken as it stands.
    struct Piece
    {
        std::optional<NameField> field;
        QString text;
    };

    explicit NamePattern(const QString &text);

    const QString &text() const { return m_text; }
    Fault fault() const { return m_fault; }
    bool isUsable() const { return m_fault == Fault::None; }
    // The first word in angle brackets that names no field, as typed.
    const QString &unknownField() const { return m_unknownField; }
    const std::vector<Piece> &pieces() const { return m_pieces; }

private:
    QString m_text;
    Fault m_fault = Fault::None;
    QString m_unknownField;
    std::vector<Piece> m_pieces;
};
