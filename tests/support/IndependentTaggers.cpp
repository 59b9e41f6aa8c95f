#include "support/IndependentTaggers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

using namespace Qt::StringLiterals;

namespace {

// Runs script with the Debian interpreter, which python3-mutagen installs into. Returns why it
// could not run or failed, else an empty string, with what it printed in output.
QString runPython(const QString &script, const QStringList &arguments, QByteArray *output = nullptr)
{
    QProcess process;
    process.start(u"/usr/bin/python3"_s, QStringList {u"-c"_s, script} + arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return u"python3 could not be run"_s;
    if (process.exitCode() != 0)
        return u"python3: "_s + QString::fromLocal8Bit(process.readAllStandardError());
    if (output)
        *output = process.readAllStandardOutput();
    return {};
}

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

const QString kMutagenReader = uR"(
import json, sys
from mutagen.id3 import ParseID3v1
with open(sys.argv[1], "rb") as f:
    f.seek(-128, 2)
    texts = {key.split(":")[0]: str(value) for key, value in (ParseID3v1(f.read(128)) or {}).items()}
print(json.dumps([texts.get(key, "") for key in ("TIT2", "TPE1", "TALB", "TDRC", "COMM", "TRCK")]))
)"_s;

} // namespace

QString tagWithMutagen(const QString &path, const ForeignTag &tag, const MutagenLayout &layout)
{
    // mutagen's v1 argument: 0 leaves the file without an ID3v1 block, 2 always writes one.
    return runPython(kMutagenWriter,
        {path, tag.title, tag.artist, tag.album, tag.year, tag.comment, QString::number(tag.track), tag.genre,
            QString::number(layout.version), QString::number(layout.encoding), layout.withID3v1 ? u"2"_s : u"0"_s});
}

std::optional<ForeignTag> readWithMutagen(const QString &path)
{
    QByteArray output;
    if (!runPython(kMutagenReader, {path}, &output).isEmpty())
        return std::nullopt;
    const QJsonArray texts = QJsonDocument::fromJson(output).array();
    return ForeignTag {texts[0].toString(), texts[1].toString(), texts[2].toString(), texts[3].toString(),
        texts[4].toString(), texts[5].toString().toInt()};
}
