#include "cli/chart/sky_options.h"

#include "cli/chart/quoted_input.h"

namespace tarvel::cli {

namespace {

std::string Refusal(std::string_view what, std::string_view text, std::string_view accepted) {
  std::string message(what);
  message.append(" ").append(QuotedForMessage(text)).append(" is not ").append(accepted);
  return message;
}

}  // namespace

std::optional<std::string> ReadSkyKind(std::string_view text, SkyChoice& choice) {
  choice.kind = ParseSky(text);
  if (!choice.kind) return Refusal("sky", text, "classic or swiss");
  return std::nullopt;
}

std::optional<std::string> ReadAyanamsa(std::string_view text, SkyChoice& choice) {
  choice.ayanamsa = ParseAyanamsa(text);
  if (!choice.ayanamsa) return Refusal("ayanamsa", text, AyanamsaCommandNames());
  return std::nullopt;
}

std::optional<std::string> ReadNode(std::string_view text, SkyChoice& choice) {
  choice.node = ParseNode(text);
  if (!choice.node) return Refusal("node", text, "mean or true");
  return std::nullopt;
}

std::variant<SkySettings, std::string> ChosenSky(const SkyChoice& given,
                                                 const SkyChoice& defaults) {
  SkySettings settings;
  settings.kind = given.kind.value_or(defaults.kind.value_or(SkyKind::Classic));
  settings.ayanamsa = given.ayanamsa.value_or(defaults.ayanamsa.value_or(AyanamsaKind::Lahiri));
  settings.node = given.node.value_or(defaults.node.value_or(NodeKind::Mean));
  if (settings.kind == SkyKind::Classic && (given.ayanamsa || given.node)) {
    return std::string(
        "an ayanamsa or a node can only be chosen for the precise sky (sky swiss); the classic "
        "sky has its own");
  }
  if (settings.kind == SkyKind::Classic) return SkySettings{};
  return settings;
}

}  // namespace tarvel::cli
