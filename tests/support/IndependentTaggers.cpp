#include "support/IndependentTaggers.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

using namespace Qt::StringLiterals;

namespace {

// What a program printed, or why it could not be run or failed.
struct Run
{
    QByteArray output;
    QString failure;
};

Run run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return {{}, program + u" could not be run"_s};
    if (process.exitCode() != 0)
        return {{}, program + u": "_s + QString::fromLocal8Bit(process.readAllStandardError())};
    return {process.readAllStandardOutput(), {}};
}

// The Debian interpreter, which the python3-mutagen package installs into.
const QString kPython = u"/usr/bin/python3"_s;

const QString kMutagenWriter = uR"(
import sys
from mutagen.id3 import ID3, TIT2, TPE1, TALB, TDRC, TYER, TCON, COMM, TRCK
path, title, artist, album, year, comment, track, genre = sys.argv[1:9]
version, encoding, v1 = (int(n) for n in sys.argv[9:])
tag = ID3()
for frame, text in ((TIT2, title), (TPE1, artist), (TALB, album), (TYER if version == 3 else TDRC, year),
                    (TCON, genre)):
    if text:
        tag.add(frame(encoding=encoding, text=text))
if comment:
    tag.add(COMM(encoding=encoding, lang="eng", desc="ID3v1 Comment", text=comment))
if track != "0":
    tag.add(TRCK(encoding=encoding, text=track))
tag.save(path, v1=v1, v2_version=version)
)"_s;

const QString kMutagenReader = uR"(
import json, sys
from mutagen.id3 import ParseID3v1
with open(sys.argv[1], "rb") as f:
    f.seek(-128, 2)
    frames = ParseID3v1(f.read(128)) or {}
keys = {"TIT2": "title", "TPE1": "artist", "TALB": "album", "TDRC": "year", "COMM": "comment", "TRCK": "track"}
print(json.dumps({keys[k.split(":")[0]]: str(v) for k, v in frames.items() if k.split(":")[0] in keys}))
)"_s;

} // namespace

QString tagWithMutagen(const QString &path, const ForeignTag &tag, const MutagenLayout &layout)
{
    // mutagen's v1 argument: 0 leaves the file without an ID3v1 block, 2 always writes one.
    return run(kPython,
        {u"-c"_s, kMutagenWriter, path, tag.title, tag.artist, tag.album, tag.year, tag.comment,
            QString::number(tag.track), tag.genre, QString::number(layout.version), QString::number(layout.encoding),
            layout.withID3v1 ? u"2"_s : u"0"_s})
        .failure;
}

std::optional<ForeignTag> readWithMutagen(const QString &path)
{
    const Run reader = run(kPython, {u"-c"_s, kMutagenReader, path});
    if (!reader.failure.isEmpty())
        return std::nullopt;
    const QJsonObject read = QJsonDocument::fromJson(reader.output).object();
    const auto text = [&read](const QString &key) { return read.value(key).toString(); };
    return ForeignTag {text(u"title"_s), text(u"artist"_s), text(u"album"_s), text(u"year"_s), text(u"comment"_s),
        text(u"track"_s).toInt()};
}
