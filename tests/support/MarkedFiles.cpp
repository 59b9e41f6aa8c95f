#include "support/MarkedFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

void expectMarkedFiles(const QString &folder, const QHash<QString, QByteArray> &expected)
{
    const QDir directory(folder);
    QStringList names = directory.entryList(QDir::Files | QDir::Hidden | QDir::System);
    QStringList expectedNames = expected.keys();
    names.sort();
    expectedNames.sort();
    EXPECT_EQ(names, expectedNames);
    for (auto file = expected.cbegin(); file != expected.cend(); ++file) {
        QFile contents(directory.filePath(file.key()));
        EXPECT_TRUE(contents.open(QIODevice::ReadOnly) && contents.read(file.value().size()) == file.value())
            << file.key().toStdString();
    }
}
