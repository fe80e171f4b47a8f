#include "cli/chart/sky_command_options.h"

namespace tarvel::cli {

void AddSkyOptions(CLI::App& command, SkyOptionTexts& texts) {
  command.add_option("--sky", texts.sky,
                     "Where the planets come from: classic (the default) or swiss (the Swiss "
                     "Ephemeris)");
  command.add_option("--ayanamsa", texts.ayanamsa,
                     "Ayanamsa of the swiss sky (lahiri by default): " + AyanamsaCommandNames());
  command.add_option("--node", texts.node, "Rahu of the swiss sky: mean (the default) or true");
}

std::variant<SkyChoice, std::string> ReadSkyNames(const SkyOptionTexts& texts) {
  SkyChoice choice;
  std::optional<std::string> refusal;
  if (texts.sky && !refusal) refusal = ReadSkyKind(*texts.sky, choice);
  if (texts.ayanamsa && !refusal) refusal = ReadAyanamsa(*texts.ayanamsa, choice);
  if (texts.node && !refusal) refusal = ReadNode(*texts.node, choice);
  if (refusal) return *refusal;
  return choice;
}

std::variant<SkyChoice, std::string> ReadSkyOptions(const SkyOptionTexts& texts) {
  auto named = ReadSkyNames(texts);
  const auto* choice = std::get_if<SkyChoice>(&named);
  if (choice == nullptr) return named;
  const auto chosen = ChosenSky(*choice);
  if (const auto* classicRefusal = std::get_if<std::string>(&chosen)) return *classicRefusal;
  return named;
}

}  // namespace tarvel::cli
