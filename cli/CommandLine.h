#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

// The words of one orle-cli command: positional arguments and --name [value] options.
class CommandLine final {
public:
    // `flags` are the options that take no value.
    CommandLine(const QStringList& words, const QStringList& flags = {});

    const QStringList& positional() const { return m_positional; }
    bool has(const QString& name) const { return m_options.contains(name); }
    std::optional<QString> value(const QString& name) const;
    // Options given that are not in `known`; empty when all are understood.
    QStringList unknownOptions(const QStringList& known) const;
    // A value missing after the last option, or an option given twice.
    const QString& error() const { return m_error; }

private:
    QStringList m_positional;
    QHash<QString, QString> m_options;
    QString m_error;
};
