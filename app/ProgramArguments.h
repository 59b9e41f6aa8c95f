#pragma once

#include <QStringList>

// The arguments in argv after the program's own name, each one a path. An argument whose
// bytes do not decode whole still counts as an argument, but as a path that names nothing:
// its decoded text would name another file, which must not be listed or renamed in its place.
QStringList ProgramArguments(int argc, const char *const argv[]);
