#pragma once

#include "CliOutput.h"
#include "CommandLine.h"

#include <optional>

// The fencer number given as --NAME, required; on failure writes the reason and sets *exitCode.
std::optional<int> FencerOption(const CommandLine& args, const QString& name, const CliOutput& io,
                                int* exitCode);
