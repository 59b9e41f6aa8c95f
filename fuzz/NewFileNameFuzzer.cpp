// Under every convention, a name that a rename can use (the build found every needed field)
// stays inside its folder and on one line: no "/", no NUL or other control character, and
// it ends in ".mp3". A marked file keeps its name and shows its fields as they stand, so
// only its ending and start are checked: no name starts with ".", which would hide a file.

#include "naming/FileNameCleaning.h"
#include "naming/NamingConventions.h"
#include "naming/NewFileNameBuilder.h"
#include "track/ID3TagBlock.h"
#include "track/MP3File.h"

#include <QFile>

#include <algorithm>
#include <cstdlib>
#include <unistd.h>

namespace {

// One file for every input: the track record loads its tag from a file.
class TagFile
{
public:
    TagFile()
    {
        char pattern[] = "/tmp/sorvane-fuzz-XXXXXX.mp3";
        m_fd = ::mkstemps(pattern, 4);
        if (m_fd < 0)
            std::abort();
        m_path = QFile::decodeName(pattern);
    }
    ~TagFile()
    {
        ::close(m_fd);
        ::unlink(QFile::encodeName(m_path).constData());
    }
    const QString &holding(const QByteArray &block)
    {
        if (::pwrite(m_fd, block.constData(), size_t(block.size()), 0) != block.size())
            std::abort();
        return m_path;
    }

private:
    int m_fd = -1;
    QString m_path;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static TagFile file;
    static const IllegalCharList illegalChars = [] {
        IllegalCharList chars;
        FillIllegalChars(chars);
        return chars;
    }();
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    MP3File track;
    track.setFileName(file.holding(("TAG" + input).leftJustified(ID3TagBlock::Size, '\0', true)));

    for (int convention = -1; convention <= NamingConventionCount; ++convention) {
        for (const bool markedBefore : {false, true}) {
            track.setIsMissingTags(markedBefore);
            const QString name = BuildNewFileName(track, convention, illegalChars);
            if (!name.endsWith(u".mp3") || name.startsWith(u'.'))
                std::abort();
            const bool unreadable = std::any_of(name.begin(), name.end(), isControlCharacter);
            if (!track.IsMissingTags() && (name.contains(u'/') || unreadable))
                std::abort();
        }
    }
    return 0;
}
