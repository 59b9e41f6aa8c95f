#include "app/ProgramArguments.h"

#include "app/ProductInfo.h"
#include "platform/FileLookup.h"

#include <QFile>

#include <string_view>

using namespace Qt::StringLiterals;

namespace {

const QString kUsageLine = u"Usage: sorvane [FILE]..."_s;
const QString kUsage = kUsageLine + uR"(
Lists the MP3 files of the folder listed last (at first, of the home folder), each beside
the name its ID3v1 tag gives it, ready to be renamed. With FILEs, lists those files, all
taken to lie in the folder of the first one.

  -h, --help   show this help and exit
  --version    show the version and exit
  --           take every argument after it as a file
)"_s;

bool isOption(std::string_view argument)
{
    return argument == "--" || argument == "--help" || argument == "-h" || argument == "--version";
}

// An argument that looks like an option but is none, unless a file has that name.
bool isUnknownOption(const char *argument)
{
    if (argument[0] != '-' || isOption(argument))
        return false;
    const std::optional<QString> path = decodedPath(argument);
    return !path || entryKindOf(*path) == EntryKind::Missing;
}

} // namespace

std::optional<AnswerWithoutWindow> AnswerCommandLine(int argc, const char *const argv[])
{
    if (argc == 2) {
        const std::string_view argument = argv[1];
        if (argument == "--help" || argument == "-h")
            return AnswerWithoutWindow{kUsage};
        if (argument == "--version")
            return AnswerWithoutWindow{u"Sorvane "_s + GetVersionText() + u'\n'};
    }
    for (int i = 1; i < argc && std::string_view(argv[i]) != "--"; ++i) {
        if (isUnknownOption(argv[i]))
            return AnswerWithoutWindow{
                u"sorvane: unknown option '%1'\n%2\n"_s.arg(QFile::decodeName(argv[i]), kUsageLine), 2};
    }
    return std::nullopt;
}

QStringList ProgramArguments(int argc, const char *const argv[])
{
    QStringList arguments;
    bool separatorSeen = false;
    for (int i = 1; i < argc; ++i) {
        if (!separatorSeen && std::string_view(argv[i]) == "--") {
            separatorSeen = true;
            continue;
        }
        // A path holding a NUL is refused by every lookup, so it names no file.
        arguments.append(decodedPath(argv[i]).value_or(QFile::decodeName(argv[i]) + QChar(u'\0')));
    }
    return arguments;
}
