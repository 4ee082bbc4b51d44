#pragma once

#include <QByteArray>
#include <QString>

// Raw file contents for tests that plant foreign or damaged files.
QByteArray ReadBytes(const QString& path);
void WriteBytes(const QString& path, const QByteArray& bytes);
