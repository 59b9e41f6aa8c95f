#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// Files told apart by a marker at the start of their contents: the bytes up to and
// including the first ';'.
QByteArray markerOf(const QByteArray &contents);

// Where a marked file may be after a rename run.
struct OldOrNewName
{
    QString oldName;
    QString newName;
};

// Expects folder to hold each file of expected exactly once, under its old or its new
// name, and nothing else (hidden files included).
void expectEachFileOnceUnderOldOrNewName(const QString &folder, QHash<QByteArray, OldOrNewName> expected);
