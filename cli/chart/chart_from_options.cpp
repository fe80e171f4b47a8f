#include "cli/chart/chart_from_options.h"

#include "form/calculation_driver.h"

namespace tarvel::cli {

std::variant<std::optional<PlaceUsed>, OptionError> CalculateFromOptions(
    const BirthOptions& options, ChartState& state, const ChartContext& context, ChartParts parts) {
  const auto sky = ChosenSky(options.sky, context.defaultSky);
  if (const auto* refusal = std::get_if<std::string>(&sky)) return OptionError{*refusal};
  std::optional<ResolvedPlace> found;
  if (options.place) {
    // The atlas is built only for a birth that names a place.
    auto place = FindPlace(*options.place, context.atlas.Get());
    if (auto* error = std::get_if<OptionError>(&place)) return std::move(*error);
    found = std::move(std::get<ResolvedPlace>(place));
  }
  auto read = ReadBirthOptions(options, std::get<SkySettings>(sky).kind);
  if (auto* error = std::get_if<OptionError>(&read)) return std::move(*error);
  BirthRecord& record = std::get<BirthRecord>(read);
  std::optional<PlaceUsed> placeUsed;
  if (found) {
    auto used = FillFromPlace(options, *found, record);
    if (auto* error = std::get_if<OptionError>(&used)) return std::move(*error);
    placeUsed = std::move(std::get<PlaceUsed>(used));
  }
  if (auto error = CompleteBirth(record, state)) return *error;
  RunCalculationChain(state, context.skies.For(std::get<SkySettings>(sky)),
                      options.varga ? options.varga : context.defaultVarga, parts);
  return placeUsed;
}

}  // namespace tarvel::cli
