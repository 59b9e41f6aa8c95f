#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the program says instead of starting, and the exit status it then ends with.
struct AnswerWithoutWindow
{
    QString text;
    // 0: the text goes to standard output; otherwise to standard error.
    int exitStatus = 0;
};

// The short usage when the only argument is "--help" or "-h", the version when it is
// "--version"; a refusal (status 2) for an argument before any "--" that starts with "-",
// is no option of the program's and names no existing file. Nothing when the program starts.
std::optional<AnswerWithoutWindow> AnswerCommandLine(int argc, const char *const argv[]);

// The arguments in argv after the program's own name, each one a path, but for the first "--",
// which is dropped: it lets a file be named "--help". An argument whose bytes do not decode
// whole still counts as an argument, but as a path that names nothing: its decoded text would
// name another file, which must not be listed or renamed in its place.
QStringList ProgramArguments(int argc, const char *const argv[]);
