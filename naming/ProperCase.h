#pragma once

#include <QString>

// Upper-cases the first character and every character that follows a space; never
// lower-cases anything. "hello  world" gives "Hello  World", "mIxEd" gives "MIxEd".
QString ProperCase(const QString &text);
