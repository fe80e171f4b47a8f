#include "cli/chart/chart_from_options.h"

#include "app/calculation_driver.h"

namespace tarvel::cli {

std::variant<std::optional<PlaceUsed>, OptionError> CalculateFromOptions(
    BirthOptions options, BirthForm& form, ChartState& state, const ChartContext& context,
    ChartParts parts) {
  const auto sky = ChosenSky(options.sky, context.defaultSky);
  if (const auto* refusal = std::get_if<std::string>(&sky)) return OptionError{*refusal};
  std::optional<PlaceUsed> placeUsed;
  if (options.place) {
    // The atlas is built only for a birth that names a place.
    auto place = FillFromPlace(options, context.atlas.Get());
    if (auto* error = std::get_if<OptionError>(&place)) return std::move(*error);
    placeUsed = std::move(std::get<std::optional<PlaceUsed>>(place));
  }
  auto built = BuildBirthForm(options, std::get<SkySettings>(sky).kind);
  if (auto* error = std::get_if<OptionError>(&built)) return std::move(*error);
  form = std::move(std::get<BirthForm>(built));
  ReadBirthData(form, state);
  RunCalculationChain(state, context.skies.For(std::get<SkySettings>(sky)),
                      options.varga ? options.varga : context.defaultVarga, parts);
  return placeUsed;
}

}  // namespace tarvel::cli
