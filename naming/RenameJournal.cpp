#include "naming/RenameJournal.h"

#include "platform/FileLookup.h"
#include "platform/RenameWithoutReplacing.h"

#include <QDir>
#include <QFile>

#include <cerrno>

using namespace Qt::StringLiterals;

// The journal is text: a header line, then one line per rename holding the folder, the old
// name and the new name, separated by tabs. Each is percent-encoded from the bytes the file
// system holds, so any name survives whole and no name can hold a tab or a line break.

namespace {

const QByteArray kHeader = "Sorvane rename journal 1\n";
constexpr qint64 kLargestJournal = 64 * 1024 * 1024;

QByteArray encoded(const QString &text)
{
    return QFile::encodeName(text).toPercentEncoding("/");
}

// Nothing when field is not exactly what encoded() writes.
std::optional<QString> decoded(const QByteArray &field)
{
    const QByteArray bytes = QByteArray::fromPercentEncoding(field);
    if (bytes.isEmpty() || bytes.contains('\0') || bytes.toPercentEncoding("/") != field)
        return std::nullopt;
    return decodedPath(bytes.constData());
}

bool isBareName(const QString &name)
{
    return !name.contains(u'/') && name != "."_L1 && name != ".."_L1;
}

QByteArray recordLine(const JournalEntry &entry)
{
    return encoded(entry.folder) + '\t' + encoded(entry.oldName) + '\t' + encoded(entry.newName) + '\n';
}

std::optional<JournalEntry> parsedRecord(const QByteArray &line)
{
    const QList<QByteArray> fields = line.split('\t');
    if (fields.size() != 3)
        return std::nullopt;
    const auto folder = decoded(fields[0]);
    const auto oldName = decoded(fields[1]);
    const auto newName = decoded(fields[2]);
    if (!folder || !oldName || !newName || !QDir::isAbsolutePath(*folder) || !isBareName(*oldName)
        || !isBareName(*newName))
        return std::nullopt;
    return JournalEntry {*folder, *oldName, *newName};
}

} // namespace

RenameJournalWriter::RenameJournalWriter(QString path)
    : m_path(std::move(path))
{ }

void RenameJournalWriter::record(const JournalEntry &entry)
{
    if (m_failed || (!m_file && !start()))
        return;
    if (!append(recordLine(entry)))
        return;
    if (++m_unflushed == FlushInterval) {
        m_unflushed = 0;
        if (!m_file->syncData())
            fail();
    }
}

bool RenameJournalWriter::start()
{
    const bool created = QDir().mkpath(QFileInfo(m_path).path()) && removeFile(m_path)
        && m_file.emplace(RegularFile::create(m_path)).isOpen();
    return created ? append(kHeader) : fail();
}

bool RenameJournalWriter::append(const QByteArray &bytes)
{
    if (!m_file->writeAt(m_size, bytes))
        return fail();
    m_size += bytes.size();
    return true;
}

bool RenameJournalWriter::fail()
{
    m_failed = true;
    m_file.reset();
    removeFile(m_path);
    return false;
}

bool RenameJournalWriter::finish()
{
    if (m_file && !(m_file->syncData() && m_file->close()))
        fail();
    m_file.reset();
    return !m_failed;
}

JournalContents readRenameJournal(const QString &path)
{
    RegularFile file = RegularFile::open(path, RegularFile::Access::Read);
    if (!file.isOpen())
        return {file.error() == ENOENT, {}};
    const QByteArray bytes = file.size() <= kLargestJournal ? file.readAt(0, file.size()) : QByteArray();
    if (!bytes.startsWith(kHeader))
        return {false, {}};
    JournalContents contents;
    QList<QByteArray> lines = bytes.sliced(kHeader.size()).split('\n');
    // What follows the last line break is a record whose writing was cut short: that rename
    // never reached the journal.
    lines.removeLast();
    for (const QByteArray &line : lines) {
        const auto entry = parsedRecord(line);
        if (!entry)
            return {false, {}};
        contents.entries.push_back(*entry);
    }
    return contents;
}

bool replaceRenameJournal(const QString &path, const std::vector<JournalEntry> &entries)
{
    if (entries.empty())
        return removeFile(path);
    const QString replacement = path + u".new"_s;
    RenameJournalWriter writer(replacement);
    for (const JournalEntry &entry : entries)
        writer.record(entry);
    return writer.finish() && replaceFile(replacement, path);
}

QString setJournalAside(const QString &path)
{
    for (int attempt = 1; attempt <= 100; ++attempt) {
        const QString aside = path + u".damaged"_s + (attempt > 1 ? u"-%1"_s.arg(attempt) : QString());
        const RenameOutcome outcome = renameWithoutReplacing(path, aside);
        if (outcome.renamed)
            return aside;
        if (outcome.error != EEXIST)
            break;
    }
    return {};
}
