#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "positions/sky_settings.h"

namespace tarvel::cli {

/// The sky of a birth as the command line or a batch line gives it; each part may be left out.
struct SkyChoice {
  std::optional<SkyKind> kind;
  std::optional<AyanamsaKind> ayanamsa;
  std::optional<NodeKind> node;
  bool operator==(const SkyChoice&) const = default;
};

/// Reads a sky name ("classic", "swiss"), an ayanamsa name ("lahiri", "fagan-bradley", ...)
/// or a node name ("mean", "true") into the choice; the refusal names what would be accepted.
std::optional<std::string> ReadSkyKind(std::string_view text, SkyChoice& choice);
std::optional<std::string> ReadAyanamsa(std::string_view text, SkyChoice& choice);
std::optional<std::string> ReadNode(std::string_view text, SkyChoice& choice);

/// The sky to compute in: what `given` names, else what `defaults` name, else the classic sky
/// (and Lahiri with the mean node for the precise sky). An ayanamsa or a node that `given`
/// names for the classic sky is refused: the classic sky has its own.
std::variant<SkySettings, std::string> ChosenSky(const SkyChoice& given,
                                                 const SkyChoice& defaults = {});

}  // namespace tarvel::cli
