#include "CommandLine.h"

#include <QHash>

CommandLine::CommandLine(const QStringList& words, const QStringList& flags) {
    for (int i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        if (!word.startsWith(QLatin1String("--"))) {
            m_positional << word;
            continue;
        }
        const QString name = word.mid(2);
        if (m_options.contains(name) && m_error.isEmpty()) {
            m_error = QStringLiteral("option %1 is given twice").arg(word);
        }
        if (flags.contains(name)) {
            m_options.insert(name, QString());
        } else if (i + 1 < words.size()) {
            m_options.insert(name, words[++i]);
        } else {
            // Kept, so that an unknown option is called unknown rather than short of a value.
            m_options.insert(name, QString());
            m_error = QStringLiteral("option %1 needs a value").arg(word);
        }
    }
}

std::optional<QString> CommandLine::value(const QString& name) const {
    const auto it = m_options.constFind(name);
    if (it == m_options.constEnd()) {
        return std::nullopt;
    }
    return *it;
}

QStringList CommandLine::unknownOptions(const QStringList& known) const {
    QStringList unknown;
    for (auto it = m_options.constBegin(); it != m_options.constEnd(); ++it) {
        if (!known.contains(it.key())) {
            unknown << QStringLiteral("--") + it.key();
        }
    }
    return unknown;
}
