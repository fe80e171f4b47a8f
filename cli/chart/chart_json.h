#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "chart/chart_state.h"
#include "cli/chart/dasha_options.h"
#include "cli/chart/json_writer.h"
#include "cli/chart/place_options.h"

namespace tarvel::cli {

/// What a chart's JSON is written from: the state's last chart, what the atlas found, and the
/// periods asked for.
struct ChartJsonSource {
  const ChartState& state;
  const std::optional<PlaceUsed>& place;
  const DashaRequest* dasha = nullptr;  ///< none: no "Dasha" key
};

/// One top-level key of a chart's JSON: its name (as --fields takes it), the optional parts of
/// the chain its value needs, and the writer of its value.
struct ChartJsonKey {
  std::string_view name;
  unsigned needs;  ///< ChartPart bits
  void (*writeValue)(const ChartJsonSource& source, JsonWriter& json);
  /// Null when the key is always there; otherwise false leaves the key out of that chart.
  bool (*present)(const ChartJsonSource& source) = nullptr;
};

/// The names the chart's JSON gives the choices of the sky that computed it ("Sky" object).
struct SkyNames {
  std::string_view sky;
  std::string_view ayanamsa;
  std::string_view node;
};
SkyNames NamesOfSky(const ChartResult& chart);

/// The keys a JSON line holds, in the order they are written.
class ChartJsonSelection {
 public:
  /// Every key, in the whole chart's order.
  ChartJsonSelection();
  /// The keys named in a comma-separated list, in its order; an unknown key, a key named
  /// twice or an empty list is refused with the known keys listed.
  static std::variant<ChartJsonSelection, std::string> Parse(std::string_view list);

  /// The parts of the chain the selected keys need.
  ChartParts Needs() const;
  /// Whether the key of this name is selected.
  bool Includes(std::string_view name) const;
  const std::vector<const ChartJsonKey*>& Keys() const { return keys_; }

 private:
  std::vector<const ChartJsonKey*> keys_;
};

/// The chart of the state's last calculation as one line of JSON: the birth data, the zone
/// row, every position, both Argala lists, the sign boxes and the reading as plain text (CR LF
/// line breaks kept), then the sky that computed it, every sidereal longitude in full
/// precision, what the atlas found when it found the place, and the Argala synthesis. Texts
/// are UTF-8; bytes that are not are replaced, so the output always parses.
std::string ChartJson(const ChartState& state, const std::optional<PlaceUsed>& place = {},
                      const DashaRequest* dasha = nullptr);

/// ChartJson appended to `out`, without a string of its own; with a selection, only its keys.
void AppendChartJson(const ChartState& state, std::string& out,
                     const std::optional<PlaceUsed>& place = {},
                     const DashaRequest* dasha = nullptr);
void AppendChartJson(const ChartJsonSource& source, const ChartJsonSelection& selection,
                     std::string& out);

}  // namespace tarvel::cli
