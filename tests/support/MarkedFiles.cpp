#include "support/MarkedFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <utility>

QByteArray markerOf(const QByteArray &contents)
{
    return contents.left(contents.indexOf(';') + 1);
}

void expectEachFileOnceUnderOldOrNewName(const QString &folder, QHash<QByteArray, OldOrNewName> expected)
{
    const QDir directory(folder);
    for (const QString &name : directory.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        QFile file(directory.filePath(name));
        const QByteArray marker = file.open(QIODevice::ReadOnly) ? markerOf(file.readAll()) : QByteArray();
        if (!expected.contains(marker)) {
            ADD_FAILURE() << "unexpected or repeated file " << name.toStdString();
            continue;
        }
        const auto [oldName, newName] = expected.take(marker);
        EXPECT_TRUE(name == oldName || name == newName) << name.toStdString();
    }
    for (const OldOrNewName &place : std::as_const(expected))
        ADD_FAILURE() << "missing file " << place.oldName.toStdString();
}
