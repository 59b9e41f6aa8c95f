#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// Expects folder to hold exactly the files of expected, hidden ones included, each under its
// name and starting with its marker: bytes that tell it apart from every other file.
void expectMarkedFiles(const QString &folder, const QHash<QString, QByteArray> &expected);
