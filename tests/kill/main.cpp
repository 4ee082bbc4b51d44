// Kills writing orle-cli commands with SIGKILL at random moments and checks, after every
// kill, that the championship file passes SQLite's integrity check and that the command's
// work is wholly there or wholly absent.
//
//     orle_kill_test --cli PATH [--kills N] [--seed S]
//
// CTest runs a short form; `make soak` runs a long one.

#include "FileState.h"
#include "WritingCommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <random>

namespace {

constexpr int kDefaultKills = 200;
// Runs that end before their kill do not count; this many of them per kill end the test.
constexpr int kMaxRunsPerKill = 4;
constexpr int kCommandTimeoutMs = 60000;

// How one command leaves its file when it is not interrupted.
struct Reference {
    FileState before;
    FileState after;
    qint64 milliseconds = 0;
};

struct Options {
    QString cli;
    int kills = kDefaultKills;
    unsigned seed = std::random_device{}();
};

QTextStream& out() {
    static QTextStream stream(stdout);
    return stream;
}

bool parse(const QStringList& arguments, Options* options) {
    for (int i = 1; i + 1 < arguments.size(); i += 2) {
        const QString& name = arguments[i];
        const QString& value = arguments[i + 1];
        if (name == QLatin1String("--cli")) {
            options->cli = value;
        } else if (name == QLatin1String("--kills")) {
            options->kills = value.toInt();
        } else if (name == QLatin1String("--seed")) {
            options->seed = value.toUInt();
        } else {
            return false;
        }
    }
    return !options->cli.isEmpty() && options->kills > 0 && arguments.size() % 2 == 1;
}

// A fresh work file from the command's starting file; a killed run's journal goes too.
bool resetWorkFile(const WritingCommands::Command& command, const QString& work) {
    for (const QString& suffix : {QString(), QStringLiteral("-journal")}) {
        QFile::remove(work + suffix);
    }
    return command.startFile.isEmpty() || QFile::copy(command.startFile, work);
}

QStringList wordsFor(const WritingCommands::Command& command, const QString& work) {
    QStringList words = command.words;
    words.replaceInStrings(QStringLiteral("{db}"), work);
    return words;
}

bool measure(const WritingCommands& commands, const WritingCommands::Command& command,
             const QString& work, Reference* reference, QString* error) {
    if (!resetWorkFile(command, work)) {
        *error = QStringLiteral("cannot copy %1").arg(command.startFile);
        return false;
    }
    reference->before = FileState::Read(work);
    QElapsedTimer clock;
    clock.start();
    if (!commands.run(wordsFor(command, work), error)) {
        return false;
    }
    reference->milliseconds = clock.elapsed();
    reference->after = FileState::Read(work);
    return true;
}

// Whether the file after a kill is sound and holds the work wholly or not at all.
QString verdict(const FileState& found, const Reference& reference) {
    if (!found.exists) {
        return reference.before.exists ? QStringLiteral("the file is gone") : QString();
    }
    if (found.integrity != QLatin1String("ok")) {
        return QStringLiteral("integrity check: %1").arg(found.integrity);
    }
    if (found.fingerprint != reference.before.fingerprint &&
        found.fingerprint != reference.after.fingerprint) {
        return QStringLiteral("the file holds part of the command's work");
    }
    return QString();
}

// One run killed after `delayMs`; false when the command ended first.
bool runAndKill(const QString& cli, const QStringList& words, int delayMs) {
    QProcess process;
    process.start(cli, words);
    if (process.waitForFinished(delayMs)) {
        return false;
    }
    process.kill();  // SIGKILL
    process.waitForFinished(kCommandTimeoutMs);
    return process.exitStatus() == QProcess::CrashExit;
}

int runKills(const Options& options) {
    QTemporaryDir folder;
    WritingCommands commands(options.cli, folder.path());
    QString error;
    if (!commands.prepare(&error)) {
        out() << "cannot prepare the files: " << error << Qt::endl;
        return 1;
    }
    const QString work = QDir(folder.path()).filePath(QStringLiteral("work.mdb"));
    std::vector<Reference> references(commands.commands().size());
    for (size_t c = 0; c < references.size(); ++c) {
        if (!measure(commands, commands.commands()[c], work, &references[c], &error)) {
            out() << error << Qt::endl;
            return 1;
        }
    }
    std::mt19937 random(options.seed);
    out() << "seed " << options.seed << ", " << options.kills << " kills" << Qt::endl;
    int kills = 0;
    for (int run = 0; kills < options.kills && run < kMaxRunsPerKill * options.kills; ++run) {
        const size_t c = static_cast<size_t>(run) % references.size();
        const WritingCommands::Command& command = commands.commands()[c];
        const int delayMs = std::uniform_int_distribution<int>(
            0, static_cast<int>(references[c].milliseconds))(random);
        if (!resetWorkFile(command, work)) {
            out() << "cannot copy " << command.startFile << Qt::endl;
            return 1;
        }
        if (!runAndKill(options.cli, wordsFor(command, work), delayMs)) {
            continue;
        }
        ++kills;
        if (const QString wrong = verdict(FileState::Read(work), references[c]); !wrong.isEmpty()) {
            out() << "orle-cli " << command.name << " killed after " << delayMs << " ms: " << wrong
                  << " (seed " << options.seed << ")" << Qt::endl;
            return 1;
        }
    }
    out() << kills << " kills, every file sound and every command whole or absent" << Qt::endl;
    return kills == options.kills ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    Options options;
    if (!parse(app.arguments(), &options)) {
        out() << "usage: orle_kill_test --cli PATH [--kills N] [--seed S]" << Qt::endl;
        return 2;
    }
    return runKills(options);
}
