#pragma once

#include <QString>

class DesktopServices;
class QUrl;
class QWidget;

// Opens a web address in the desktop's browser; failures are silent.
void ShellOpen(DesktopServices &services, const QUrl &address);

// Plays the file in the player the desktop associates with it; says so when none starts.
void PreviewFile(DesktopServices &services, QWidget *parent, const QString &path);

// Opens directory in the desktop's file manager; failures are silent.
void ExploreCurrentDirectory(DesktopServices &services, const QString &directory);
