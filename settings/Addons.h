#pragma once

#include <QString>

struct ProgramState;

// The remembered start folder and the add-on links, read once at start-up in folder mode.
void LoadSettings(ProgramState &state);

// The address an add-on opens for a track: the prefix as stored, then artist and title, each
// cut at its first NUL and trimmed of spaces, as a form value, so that every character
// reaches the page meaning what it says: spaces become "+", and "&", "#", "%", "+", "?", "="
// and anything outside printable ASCII are percent-encoded (UTF-8).
QString AddonAddress(const QString &prefix, const QString &artist, const QString &title);
