#pragma once

#include <optional>
#include <string>
#include <variant>

#include <CLI/CLI.hpp>

#include "cli/chart/sky_options.h"

namespace tarvel::cli {

/// The sky options as typed, before they are read.
struct SkyOptionTexts {
  std::optional<std::string> sky;
  std::optional<std::string> ayanamsa;
  std::optional<std::string> node;
};

/// Adds `--sky classic|swiss`, `--ayanamsa NAME` and `--node mean|true` to a command.
void AddSkyOptions(CLI::App& command, SkyOptionTexts& texts);

/// The choice the options name, part by part; the refusal of an unknown name. For a saved
/// reading, whose file may name the sky the options leave out.
std::variant<SkyChoice, std::string> ReadSkyNames(const SkyOptionTexts& texts);

/// The choice the options make; the refusal of an unknown name, or of an ayanamsa or a node
/// for the classic sky.
std::variant<SkyChoice, std::string> ReadSkyOptions(const SkyOptionTexts& texts);

}  // namespace tarvel::cli
