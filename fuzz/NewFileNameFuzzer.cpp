// Under every convention and a pattern of every field, a name that a rename can use (the build found every needed
// field) stays inside its folder and on one line: no "/", no NUL or other control character, and it ends in ".mp3". A
// marked file keeps its name and shows its fields as they stand, so only its ending and start are checked: no name
// starts with ".", which would hide a file.

#include "fuzz/ScratchFile.h"
#include "naming/FileNameCleaning.h"
#include "naming/NamingConventions.h"
#include "naming/NewFileNameBuilder.h"
#include "track/ID3TagBlock.h"
#include "track/MP3File.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static ScratchFile file;
    static const IllegalCharList illegalChars = [] {
        IllegalCharList chars;
        FillIllegalChars(chars);
        return chars;
    }();
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    MP3File track;
    track.setFileName(file.holding(("TAG" + input).leftJustified(ID3TagBlock::Size, '\0', true)));

    static const std::vector<NameChoice> choices = [] {
        std::vector<NameChoice> all;
        for (int convention = -1; convention <= NamingConventionCount; ++convention)
            all.push_back({convention, std::nullopt});
        all.push_back({0, NamePattern(QStringLiteral("<Track>. <Title> (<Year>) <Genre> - <Album> - <Artist>"))});
        return all;
    }();
    for (const NameChoice &choice : choices) {
        for (const bool markedBefore : {false, true}) {
            track.setIsMissingTags(markedBefore);
            const QString name = BuildNewFileName(track, choice, illegalChars);
            if (!name.endsWith(u".mp3") || name.startsWith(u'.'))
                std::abort();
            const bool unreadable = std::any_of(name.begin(), name.end(), isControlCharacter);
            if (!track.IsMissingTags() && (name.contains(u'/') || unreadable))
                std::abort();
        }
    }
    return 0;
}
