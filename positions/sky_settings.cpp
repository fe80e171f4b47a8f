#include "positions/sky_settings.h"

#include <array>

#include "base/choice_names.h"

namespace tarvel {
namespace {

constexpr std::array<ChoiceNames<SkyKind>, 2> kSkyNames{{
    {SkyKind::Classic, "classic", "Classic formulas"},
    {SkyKind::Swiss, "swiss", "Swiss Ephemeris"},
}};

constexpr std::array<ChoiceNames<AyanamsaKind>, kAyanamsaKinds.size()> kAyanamsaNames{{
    {AyanamsaKind::Lahiri, "lahiri", "Lahiri"},
    {AyanamsaKind::Raman, "raman", "Raman"},
    {AyanamsaKind::Krishnamurti, "krishnamurti", "Krishnamurti"},
    {AyanamsaKind::FaganBradley, "fagan-bradley", "Fagan/Bradley"},
    {AyanamsaKind::TrueChitrapaksha, "true-chitrapaksha", "True Chitrapaksha"},
    {AyanamsaKind::Yukteshwar, "yukteshwar", "Yukteshwar"},
}};

constexpr std::array<ChoiceNames<NodeKind>, kNodeKinds.size()> kNodeNames{{
    {NodeKind::Mean, "mean", "mean"},
    {NodeKind::True, "true", "true"},
}};

constexpr SkyYears kClassicYears{1900, 2050};
constexpr SkyYears kSwissYears{1800, 2399};

}  // namespace

SkyYears YearsOf(SkyKind kind) {
  return kind == SkyKind::Classic ? kClassicYears : kSwissYears;
}

std::optional<std::string> YearRefusal(SkyKind kind, int year) {
  const SkyYears years = YearsOf(kind);
  if (year >= years.first && year <= years.last) return std::nullopt;
  const std::string span = std::to_string(years.first) + " to " + std::to_string(years.last);
  if (kind == SkyKind::Classic && year >= kSwissYears.first && year <= kSwissYears.last) {
    return "The classic sky computes " + span +
           "; choose the precise sky (Sky menu, or --sky swiss) for " + std::to_string(year) + ".";
  }
  return "The " + std::string(kind == SkyKind::Classic ? "classic" : "precise") + " sky computes " +
         span + "; " + std::to_string(year) + " is outside it.";
}

std::string_view SkyCommandName(SkyKind kind) {
  return RowOf(kSkyNames, kind).command;
}

std::optional<SkyKind> ParseSky(std::string_view name) {
  return ParseCommandName(kSkyNames, name);
}

std::string_view AyanamsaCommandName(AyanamsaKind kind) {
  return RowOf(kAyanamsaNames, kind).command;
}

std::string AyanamsaCommandNames() {
  return CommandNameList(kAyanamsaNames);
}

std::string_view AyanamsaDisplayName(AyanamsaKind kind) {
  return RowOf(kAyanamsaNames, kind).display;
}

std::optional<AyanamsaKind> ParseAyanamsa(std::string_view name) {
  return ParseCommandName(kAyanamsaNames, name);
}

std::string_view NodeName(NodeKind kind) {
  return RowOf(kNodeNames, kind).command;
}

std::optional<NodeKind> ParseNode(std::string_view name) {
  return ParseCommandName(kNodeNames, name);
}

std::string SkyLabel(const SkySettings& settings, SkyEphemeris ephemeris) {
  if (ephemeris == SkyEphemeris::ClassicFormulas) {
    return std::string(RowOf(kSkyNames, SkyKind::Classic).display);
  }
  const std::string_view source = ephemeris == SkyEphemeris::Moshier
                                      ? "Moshier ephemeris"
                                      : RowOf(kSkyNames, SkyKind::Swiss).display;
  return std::string(source) + ", " + std::string(AyanamsaDisplayName(settings.ayanamsa)) +
         " ayanamsa, " + std::string(NodeName(settings.node)) + " node";
}

}  // namespace tarvel
