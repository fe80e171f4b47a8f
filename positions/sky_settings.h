#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tarvel {

/// Which ephemeris gave a chart's places.
enum class SkyEphemeris { ClassicFormulas, SwissFiles, Moshier };

/// Which implementation places the planets.
enum class SkyKind { Classic, Swiss };

/// The ayanamsas the precise sky offers; the classic sky has its own.
enum class AyanamsaKind { Lahiri, Raman, Krishnamurti, FaganBradley, TrueChitrapaksha, Yukteshwar };

/// Rahu at the Moon's mean or true ascending node; Ketu stands opposite.
enum class NodeKind { Mean, True };

/// Every ayanamsa and node the precise sky offers, in the order of their kinds.
inline constexpr std::array kAyanamsaKinds{
    AyanamsaKind::Lahiri,           AyanamsaKind::Raman,
    AyanamsaKind::Krishnamurti,     AyanamsaKind::FaganBradley,
    AyanamsaKind::TrueChitrapaksha, AyanamsaKind::Yukteshwar};
inline constexpr std::array kNodeKinds{NodeKind::Mean, NodeKind::True};

/// The user's choice of sky. The default is the classic sky, which ignores the other two.
struct SkySettings {
  SkyKind kind = SkyKind::Classic;
  AyanamsaKind ayanamsa = AyanamsaKind::Lahiri;
  NodeKind node = NodeKind::Mean;
  bool operator==(const SkySettings&) const = default;
};

/// The local birth years a sky computes, both included.
struct SkyYears {
  int first = 0;
  int last = 0;
};

/// 1900-2050 for the classic sky, where its formulas are fitted; 1800-2399 for the precise
/// sky, the span of its data files.
SkyYears YearsOf(SkyKind kind);

/// Why the sky does not compute a birth of local year `year`, naming the sky that does;
/// empty when it computes it.
std::optional<std::string> YearRefusal(SkyKind kind, int year);

/// The sky's name on the command line: "classic" or "swiss".
std::string_view SkyCommandName(SkyKind kind);

/// The sky named on the command line, in any letter case; empty for an unknown name.
std::optional<SkyKind> ParseSky(std::string_view name);

/// The ayanamsa's name on the command line, e.g. "lahiri", "fagan-bradley".
std::string_view AyanamsaCommandName(AyanamsaKind kind);

/// Every ayanamsa's command-line name, as a list: "lahiri, raman, ... or yukteshwar".
std::string AyanamsaCommandNames();

/// The ayanamsa's name in JSON and in the window, e.g. "Lahiri", "Fagan/Bradley".
std::string_view AyanamsaDisplayName(AyanamsaKind kind);

/// The ayanamsa named on the command line, in any letter case; empty for an unknown name.
std::optional<AyanamsaKind> ParseAyanamsa(std::string_view name);

/// The node's name on the command line, in JSON and in the window: "mean" or "true".
std::string_view NodeName(NodeKind kind);

/// The node named on the command line, in any letter case; empty for an unknown name.
std::optional<NodeKind> ParseNode(std::string_view name);

/// One line saying what placed a chart, e.g. "Swiss Ephemeris, Lahiri ayanamsa, mean node",
/// "Moshier ephemeris, Raman ayanamsa, true node" or "Classic formulas". `ephemeris` is the
/// one the chart's places came from, which may be the fallback rather than the one chosen.
std::string SkyLabel(const SkySettings& settings, SkyEphemeris ephemeris);

}  // namespace tarvel
