#include "entry/FencerOption.h"

std::optional<int> FencerOption(const CommandLine& args, const QString& name, const CliOutput& io,
                                int* exitCode) {
    const std::optional<QString> text = args.value(name);
    bool ok = false;
    const int number = text ? text->trimmed().toInt(&ok) : -1;
    if (!ok || number < 0 || number > 255) {
        *exitCode = io.usageError(
            text ? QStringLiteral("--%1 takes a fencer number, not %2").arg(name, *text)
                 : QStringLiteral("--%1 FENCER is required").arg(name));
        return std::nullopt;
    }
    return number;
}
