#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What to print instead of starting when the only argument is "--help" or "-h" (a short
// usage) or "--version"; nothing for any other command line.
std::optional<QString> HelpOrVersionText(int argc, const char *const argv[]);

// The arguments in argv after the program's own name, each one a path, but for the first "--",
// which is dropped: it lets a file be named "--help". An argument whose bytes do not decode
// whole still counts as an argument, but as a path that names nothing: its decoded text would
// name another file, which must not be listed or renamed in its place.
QStringList ProgramArguments(int argc, const char *const argv[]);
