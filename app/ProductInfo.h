#pragma once

#include "platform/Message.h"

#include <QString>
#include <QUrl>

inline constexpr int VersionMajor = 2;
inline constexpr int VersionMinor = 3;

// "2.3": major and minor number, no revision.
QString GetVersionText();
QUrl HomePageAddress();
QUrl SuggestionPageAddress();
Message AboutMessage();
