#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <vector>

// The elements of an FIE XML document whose path ends as asked ("Poule/Match/Tireur"), each
// as its attributes, in document order; a test failure when the document is not well-formed.
std::vector<QMap<QString, QString>> FieElements(const QByteArray& xml, const QString& pathEnd);

// What `xmllint --noout` says of the document: empty when it accepts it.
QString XmllintComplaint(const QByteArray& xml);
