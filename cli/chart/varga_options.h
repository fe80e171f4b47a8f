#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <CLI/CLI.hpp>

#include "varga/varga.h"

namespace tarvel::cli {

/// Adds `--varga N` to a command, its help listing every varga by factor and name.
void AddVargaOption(CLI::App& command, std::optional<std::string>& text);

/// Reads a varga's factor written in decimal ("9" is the Navamsa) into `varga`; the refusal
/// lists the factors there are.
std::optional<std::string> ReadVarga(std::string_view text, std::optional<Varga>& varga);

/// Reads a varga's factor given as a number, as a JSON line does: `digits` is the number in
/// decimal, which the refusal shows unquoted.
std::optional<std::string> ReadVargaFactor(std::string_view digits, std::optional<Varga>& varga);

}  // namespace tarvel::cli
