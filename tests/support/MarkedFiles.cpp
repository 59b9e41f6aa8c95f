#include "support/MarkedFiles.h"

#include "support/QtPrinting.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

void expectMarkedFiles(const QString &folder, const QHash<QString, QByteArray> &expected)
{
    QStringList expectedNames = expected.keys();
    expectedNames.sort();
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name), expectedNames);
    for (const auto &[name, marker] : expected.asKeyValueRange()) {
        QFile file(folder + u'/' + name);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly) && file.read(marker.size()) == marker) << name.toStdString();
    }
}
