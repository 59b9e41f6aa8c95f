#pragma once

#include "track/TagFields.h"

#include <QString>

#include <array>

// The tag strings of one track in one block of memory. A listing keeps the tags of every
// file it lists; as strings of their own they would take a third of its memory.
class PackedTagFields
{
public:
    PackedTagFields() = default;
    explicit PackedTagFields(const TagFields &fields);

    TagFields unpacked() const;

private:
    // The fields one after another, in the order TagFields declares them.
    QString m_text;
    // Where each field but the last ends in m_text.
    std::array<qsizetype, 6> m_ends {};
};
