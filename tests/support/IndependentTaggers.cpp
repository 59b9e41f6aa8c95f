#include "support/IndependentTaggers.h"

#include <QProcess>

using namespace Qt::StringLiterals;

namespace {

const QString kMutagenWriter = uR"(
import sys
from mutagen.id3 import ID3, TIT2, TPE1, TALB, TDRC, TYER, TCON, COMM, TRCK
path, title, artist, album, year, comment, track, genre = sys.argv[1:9]
version, encoding, v1 = (int(n) for n in sys.argv[9:])
tag = ID3()
for frame, text in ((TIT2, title), (TPE1, artist), (TALB, album), (TYER if version == 3 else TDRC, year),
                    (TCON, genre), (TRCK, "" if track == "0" else track)):
    if text:
        tag.add(frame(encoding=encoding, text=text))
if comment:
    tag.add(COMM(encoding=encoding, lang="eng", desc="ID3v1 Comment", text=comment))
tag.save(path, v1=v1, v2_version=version)
)"_s;

} // namespace

QString tagWithMutagen(const QString &path, const ForeignTag &tag, const MutagenLayout &layout)
{
    // mutagen's v1 argument: 0 leaves the file without an ID3v1 block, 2 always writes one.
    const QStringList arguments
        = {path, tag.title, tag.artist, tag.album, tag.year, tag.comment, QString::number(tag.track), tag.genre,
            QString::number(layout.version), QString::number(layout.encoding), layout.withID3v1 ? u"2"_s : u"0"_s};
    // The Debian interpreter, which python3-mutagen installs into.
    QProcess process;
    process.start(u"/usr/bin/python3"_s, QStringList {u"-c"_s, kMutagenWriter} + arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return u"python3 could not be run"_s;
    if (process.exitCode() != 0)
        return u"python3: "_s + QString::fromLocal8Bit(process.readAllStandardError());
    return {};
}
