#include "naming/RenameJournal.h"

#include "platform/FileLookup.h"
#include "platform/RenameWithoutReplacing.h"

#include <QDir>
#include <QFile>
#include <QHash>

#include <algorithm>
#include <cerrno>

using namespace Qt::StringLiterals;

// The journal is text: a header line, the line that says when the run was made, then one
// line per record, its fields separated by tabs. "R" is a rename (folder, old name, new name,
// and the file's device, inode and size), "T" a step through a temporary name, "C" a claimed
// name and "F" a rename that was not made; each of these names the rename it belongs to by
// its folder, old name and new name. Names are percent-encoded from the bytes the file system
// holds, so any name survives whole and no name can hold a tab or a line break. The first
// format had only the header and renames of three fields.

namespace {

// The size is recorded but not compared: a tag saved after the run may change it.
bool isSameFile(const FileIdentity &a, const FileIdentity &b)
{
    return a.device == b.device && a.inode == b.inode;
}

const QByteArray kFirstHeader = "Sorvane rename journal 1\n";
const QByteArray kHeader = "Sorvane rename journal 2\n";
constexpr qint64 kLargestJournal = 256 * 1024 * 1024;

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

QByteArray renameKey(const JournalEntry &entry)
{
    return encoded(entry.folder) + '\t' + encoded(entry.oldName) + '\t' + encoded(entry.newName);
}

QByteArray renameLine(const JournalEntry &entry)
{
    QByteArray line = "R\t" + renameKey(entry) + '\t';
    if (entry.file)
        line += QByteArray::number(entry.file->device) + '\t' + QByteArray::number(entry.file->inode) + '\t'
            + QByteArray::number(entry.file->size);
    else
        line += "\t\t";
    return line + '\n';
}

QByteArray stepLine(const JournalEntry &entry, const JournalStep &step)
{
    if (step.kind == JournalStep::Kind::Claim)
        return "C\t" + renameKey(entry) + '\t' + encoded(step.name) + '\n';
    return "T\t" + renameKey(entry) + '\t' + encoded(step.name) + '\t' + encoded(step.destination) + '\n';
}

std::optional<QString> bareName(const QByteArray &field)
{
    const auto name = decoded(field);
    return name && isBareName(*name) ? name : std::nullopt;
}

// The folder, old name and new name at the start of fields.
std::optional<JournalEntry> parsedRename(const QList<QByteArray> &fields)
{
    const auto folder = decoded(fields[0]);
    const auto oldName = bareName(fields[1]);
    const auto newName = bareName(fields[2]);
    if (!folder || !oldName || !newName || !QDir::isAbsolutePath(*folder))
        return std::nullopt;
    return JournalEntry {*folder, *oldName, *newName, std::nullopt, {}};
}

std::optional<FileIdentity> parsedIdentity(const QByteArray &device, const QByteArray &inode, const QByteArray &size)
{
    bool deviceOk = false, inodeOk = false, sizeOk = false;
    const FileIdentity identity {device.toULongLong(&deviceOk), inode.toULongLong(&inodeOk), size.toLongLong(&sizeOk)};
    return deviceOk && inodeOk && sizeOk ? std::optional(identity) : std::nullopt;
}

// The records of a journal of the current format; false when one is not whole or belongs to
// no rename.
bool parseRecords(const QList<QByteArray> &lines, JournalContents &contents)
{
    QHash<QByteArray, size_t> latest;
    std::vector<bool> notMade;
    for (const QByteArray &line : lines) {
        QList<QByteArray> fields = line.split('\t');
        const QByteArray kind = fields.takeFirst();
        if (fields.size() < 3)
            return false;
        const QByteArray key = fields[0] + '\t' + fields[1] + '\t' + fields[2];
        std::optional<JournalEntry> entry = parsedRename(fields);
        if (!entry)
            return false;
        if (kind == "R" && fields.size() == 6) {
            const bool known = !fields[3].isEmpty();
            entry->file = known ? parsedIdentity(fields[3], fields[4], fields[5]) : std::nullopt;
            if (known && !entry->file)
                return false;
            latest.insert(key, contents.entries.size());
            contents.entries.push_back(std::move(*entry));
            notMade.push_back(false);
            continue;
        }
        const auto of = latest.constFind(key);
        if (of == latest.cend())
            return false;
        JournalEntry &rename = contents.entries[*of];
        if (kind == "F" && fields.size() == 3) {
            notMade[*of] = true;
        } else if (kind == "C" && fields.size() == 4) {
            const auto claimed = bareName(fields[3]);
            if (!claimed)
                return false;
            rename.steps.push_back({JournalStep::Kind::Claim, *claimed, {}});
        } else if (kind == "T" && fields.size() == 5) {
            const auto through = bareName(fields[3]);
            const auto destination = bareName(fields[4]);
            if (!through || !destination)
                return false;
            rename.steps.push_back({JournalStep::Kind::Through, *through, *destination});
        } else {
            return false;
        }
    }
    // A rename that was not made may still have left steps to put right.
    size_t i = 0;
    std::erase_if(contents.entries, [&](const JournalEntry &entry) { return notMade[i++] && entry.steps.empty(); });
    return true;
}

bool parseFirstFormat(const QList<QByteArray> &lines, JournalContents &contents)
{
    for (const QByteArray &line : lines) {
        const QList<QByteArray> fields = line.split('\t');
        const auto entry = fields.size() == 3 ? parsedRename(fields) : std::nullopt;
        if (!entry)
            return false;
        contents.entries.push_back(*entry);
    }
    return true;
}

} // namespace

std::optional<FileIdentity> identityOf(const QString &path)
{
    const EntryInfo entry = lookUpEntry(path, Links::NotFollowed);
    if (entry.kind != EntryKind::RegularFile)
        return std::nullopt;
    return FileIdentity {quint64(entry.version.device), quint64(entry.version.inode), entry.version.size};
}

RenameJournalWriter::RenameJournalWriter(QString path, QDateTime made)
    : m_path(std::move(path))
    , m_made(std::move(made))
{ }

RenameJournalWriter RenameJournalWriter::continuing(QString path)
{
    RenameJournalWriter writer(std::move(path), {});
    RegularFile file = RegularFile::open(writer.m_path, RegularFile::Access::ReadWrite);
    writer.m_started = true;
    if (file.isOpen()) {
        writer.m_size = file.size();
        writer.m_file.emplace(std::move(file));
    } else {
        writer.m_failed = true;
    }
    return writer;
}

void RenameJournalWriter::record(const JournalEntry &entry)
{
    if (!m_started && !start())
        return;
    if (m_failed || !append(renameLine(entry)))
        return;
    if (++m_unflushed == FlushInterval)
        flush();
}

void RenameJournalWriter::recordStep(const JournalEntry &entry, const JournalStep &step)
{
    if (!m_failed && append(stepLine(entry, step)))
        flush();
}

BeforeStrandingStep RenameJournalWriter::recordingSteps(const JournalEntry &entry, const QString &destination)
{
    return [this, &entry, destination](StrandingStep step, const QString &path) {
        recordStep(entry,
            step == StrandingStep::Claim ? JournalStep {JournalStep::Kind::Claim, fileNameOf(path), {}}
                                         : JournalStep {JournalStep::Kind::Through, fileNameOf(path), destination});
    };
}

void RenameJournalWriter::recordFailed(const JournalEntry &entry)
{
    if (!m_failed)
        append("F\t" + renameKey(entry) + '\n');
}

bool RenameJournalWriter::start()
{
    m_started = true;
    const bool created = QDir().mkpath(QFileInfo(m_path).path()) && removeFile(m_path)
        && m_file.emplace(RegularFile::create(m_path)).isOpen();
    if (!created)
        return fail();
    const QByteArray made = m_made.isValid() ? m_made.toUTC().toString(Qt::ISODate).toLatin1() : QByteArray();
    return append(kHeader + "made\t" + made + '\n') && flush();
}

bool RenameJournalWriter::append(const QByteArray &bytes)
{
    if (!m_file->writeAt(m_size, bytes))
        return fail();
    m_size += bytes.size();
    return true;
}

bool RenameJournalWriter::flush()
{
    m_unflushed = 0;
    return m_file->syncData() || fail();
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
        return {file.error() == ENOENT, {}, {}};
    const QByteArray bytes = file.size() <= kLargestJournal ? file.readAt(0, file.size()) : QByteArray();
    const bool firstFormat = bytes.startsWith(kFirstHeader);
    if (!firstFormat && !bytes.startsWith(kHeader))
        return {false, {}, {}};
    QList<QByteArray> lines = bytes.sliced(kHeader.size()).split('\n');
    // What follows the last line break is a record whose writing was cut short: that rename
    // was never made.
    lines.removeLast();
    JournalContents contents;
    if (firstFormat) {
        if (!parseFirstFormat(lines, contents))
            return {false, {}, {}};
        return contents;
    }
    if (lines.isEmpty() || !lines.front().startsWith("made\t"))
        return {false, {}, {}};
    // Empty where a journal of the first format was written anew.
    const QByteArray made = lines.takeFirst().sliced(5);
    contents.made = QDateTime::fromString(QString::fromLatin1(made), Qt::ISODate);
    if ((!made.isEmpty() && !contents.made.isValid()) || !parseRecords(lines, contents))
        return {false, {}, {}};
    return contents;
}

bool journalHoldsSteps(const QString &path)
{
    RegularFile file = RegularFile::open(path, RegularFile::Access::Read);
    if (!file.isOpen() || file.size() > kLargestJournal)
        return false;
    // A step's line follows the line of its rename.
    const QByteArray bytes = file.readAt(0, file.size());
    return bytes.contains("\nT\t") || bytes.contains("\nC\t");
}

bool holdsRecordedFile(const QString &path, const JournalEntry &entry)
{
    const std::optional<FileIdentity> found = identityOf(path);
    return found && (!entry.file || isSameFile(*found, *entry.file));
}

bool isRecordedFolder(const QString &folder)
{
    return canonicalFolder(folder) == withTrailingSlash(folder);
}

bool replaceRenameJournal(const QString &path, const QDateTime &made, const std::vector<JournalEntry> &entries)
{
    if (entries.empty())
        return removeFile(path);
    const QString replacement = path + u".new"_s;
    RenameJournalWriter writer(replacement, made);
    for (const JournalEntry &entry : entries)
        writer.record(entry);
    return writer.finish() && replaceFile(replacement, path);
}

bool recordReplacedFile(const QString &path, const FileIdentity &was, const FileIdentity &is)
{
    JournalContents journal = readRenameJournal(path);
    bool recorded = false;
    for (JournalEntry &entry : journal.entries) {
        if (entry.file && isSameFile(*entry.file, was)) {
            entry.file = is;
            recorded = true;
        }
    }
    // A journal still holding a step is the start-up's to put right first.
    const auto hasSteps = [](const JournalEntry &entry) { return !entry.steps.empty(); };
    if (!recorded || !journal.readable || std::ranges::any_of(journal.entries, hasSteps))
        return true;
    return replaceRenameJournal(path, journal.made, journal.entries);
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
