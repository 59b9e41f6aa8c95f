#pragma once

#include <QString>

// The folder for what the program keeps between runs that is neither a setting nor the
// person's data: $XDG_STATE_HOME/Sorvane, or ~/.local/state/Sorvane where that is unset or
// not an absolute path. It is not created here.
QString userStateFolder();
