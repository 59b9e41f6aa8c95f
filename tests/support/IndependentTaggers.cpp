#include "support/IndependentTaggers.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

using namespace Qt::StringLiterals;

namespace {

const QString kMutagenWriter = uR"(
import sys
from mutagen.id3 import ID3, TIT2, TPE1, TALB, TDRC, TYER, TCON, COMM, TRCK, APIC
path, title, artist, album, year, comment, track, genre, cover, player = sys.argv[1:11]
version, encoding, v1 = (int(n) for n in sys.argv[11:])
tag = ID3()
for frame, text in ((TIT2, title), (TPE1, artist), (TALB, album), (TYER if version == 3 else TDRC, year),
                    (TCON, genre), (TRCK, track)):
    if text:
        tag.add(frame(encoding=encoding, text=text))
if player:
    tag.add(COMM(encoding=encoding, lang="eng", desc="iTunNORM", text=player))
if comment:
    tag.add(COMM(encoding=encoding, lang="eng", desc="", text=comment))
if cover:
    tag.add(APIC(encoding=encoding, mime="image/jpeg", type=3, desc="Cover", data=bytes.fromhex(cover)))
tag.save(path, v1=v1, v2_version=version)
)"_s;

const QString kMutagenReader = uR"(
import json, sys
from mutagen.id3 import ID3
tag = ID3(sys.argv[1], translate=False)
fields = {key: frame.data.hex() if key.startswith("APIC") else str(frame) for key, frame in tag.items()}
fields["version"] = "%d.%d" % tag.version[:2]
print(json.dumps(fields))
)"_s;

const QString kEyeD3Reader = uR"(
import json, sys, eyed3, eyed3.id3
eyed3.log.setLevel("ERROR")
tag = eyed3.id3.Tag()
tag.parse(sys.argv[1])
print(json.dumps({"title": tag.title or "", "artist": tag.artist or "", "version": "%d.%d" % tag.version[:2]}))
)"_s;

// Runs a script with the Debian interpreter, which the Python packages install into; returns
// why not when it could not, else an empty string, with what it printed in output.
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

TaggerReading readWith(const QString &script, const QString &path)
{
    QByteArray output;
    TaggerReading reading {runPython(script, {path}, &output), {}};
    const QJsonObject fields = QJsonDocument::fromJson(output).object();
    for (auto field = fields.begin(); field != fields.end(); ++field)
        reading.fields.insert(field.key(), field.value().toString());
    return reading;
}

} // namespace

QString tagWithMutagen(const QString &path, const ForeignTag &tag, const MutagenLayout &layout)
{
    // mutagen's v1 argument: 0 leaves the file without an ID3v1 block, 2 always writes one.
    const QStringList arguments = {path, tag.title, tag.artist, tag.album, tag.year, tag.comment, tag.track, tag.genre,
        QString::fromLatin1(tag.cover.toHex()), tag.playerComment, QString::number(layout.version),
        QString::number(layout.encoding), layout.withID3v1 ? u"2"_s : u"0"_s};
    return runPython(kMutagenWriter, arguments);
}

TaggerReading readWithMutagen(const QString &path)
{
    return readWith(kMutagenReader, path);
}

TaggerReading readWithEyeD3(const QString &path)
{
    return readWith(kEyeD3Reader, path);
}

QString tagWithId3tool(const QString &path, const ForeignTag &tag)
{
    QProcess process;
    process.start(u"id3tool"_s,
        {u"-t"_s, tag.title, u"-r"_s, tag.artist, u"-a"_s, tag.album, u"-y"_s, tag.year, u"-n"_s, tag.comment, u"-c"_s,
            tag.track, path});
    if (!process.waitForFinished(30000))
        return u"id3tool could not be run (the package id3tool is missing)"_s;
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0
        ? QString()
        : u"id3tool: "_s + QString::fromLocal8Bit(process.readAllStandardError());
}
