#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The writing orle-cli commands the kill test interrupts, each with the championship file
// it starts from. The starting files are built once, by orle-cli itself, in `folder`.
class WritingCommands final {
public:
    struct Command {
        QString name;
        QString startFile;  // copied to the work file before each run; empty: no file
        QStringList words;  // "{db}" stands for the work file
    };

    WritingCommands(const QString& cli, const QString& folder) : m_cli(cli), m_folder(folder) {}

    // Builds the starting files; on failure returns false and sets *error.
    bool prepare(QString* error);
    const std::vector<Command>& commands() const { return m_commands; }

    // Runs orle-cli to its end; false with the reason when it fails.
    bool run(const QStringList& words, QString* error) const;

private:
    QString file(const QString& name) const;
    // A copy of `from` named `name`, changed by each command of `steps` in turn.
    bool stage(const QString& from, const QString& name, const std::vector<QStringList>& steps,
               QString* error) const;
    QString writeRosterFile() const;

    QString m_cli;
    QString m_folder;
    std::vector<Command> m_commands;
};
