#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "cli/chart/birth_options.h"

namespace tarvel::cli {

/// The fields of a birth line, named as the chart command's options (without the dashes).
/// Every field from Name on may be left out; the zone and the coordinates too when a place is
/// given, and the zone when an offset stands in for it.
enum class BatchField {
  Date,
  Time,
  Zone,
  Lat,
  Lon,
  Dst,
  Name,
  City,
  State,
  Country,
  Place,
  Sky,
  Ayanamsa,
  Node,
  Varga,
  Offset,
  Style
};
inline constexpr int kBatchFieldCount = 17;

/// The field names in BatchField order.
inline constexpr std::array<std::string_view, kBatchFieldCount> kBatchFieldNames = {
    "date",    "time",  "zone", "lat",      "lon",  "dst",   "name",   "city", "state",
    "country", "place", "sky",  "ayanamsa", "node", "varga", "offset", "style"};

/// True for the fields a place can stand in for: the zone, the coordinates and daylight saving.
bool PlaceCanFill(BatchField field);

/// The field called `name` exactly, if any.
std::optional<BatchField> FindBatchField(std::string_view name);

std::string_view FieldName(BatchField field);

/// Collects the fields of one birth line, each at most once.
class BirthFields {
 public:
  /// The refusal when the field was given before. Inline: every field of every line passes.
  std::optional<std::string> MarkGiven(BatchField field) {
    const auto bit = static_cast<std::size_t>(field);
    if (given_[bit]) return GivenTwice(field);
    given_[bit] = true;
    return std::nullopt;
  }

  /// Sets a field from its text as a CSV cell holds it: the zone and the varga as decimal
  /// whole numbers, daylight saving as true/false/1/0 (empty is false), the sky's choices and
  /// the style by name, the offset as ±HH:MM[:SS] or lmt (checked with the birth), an empty
  /// name, place, sky choice, varga, offset or style as absent.
  std::optional<std::string> SetFromText(BatchField field, std::string_view text);

  void SetText(BatchField field, std::string text);
  void SetDst(bool dst) { options_.dst = dst; }
  /// The zone row; a number outside the int range is refused as a row outside the list.
  std::optional<std::string> SetZone(std::int64_t zone);
  /// The varga by its factor; one no varga has is refused.
  std::optional<std::string> SetVarga(std::int64_t factor);

  /// The options once every required field was given (the zone and the coordinates need not be
  /// where a place is, nor the zone where an offset is); the refusal names the first missing, or
  /// an offset given with a zone or daylight saving, which it includes.
  std::optional<std::string> Finish();

  BirthOptions& Options() { return options_; }

 private:
  static std::string GivenTwice(BatchField field);

  BirthOptions options_;
  std::bitset<kBatchFieldCount> given_;
};

/// The pieces one after another: messages are put together this way rather than with `+`.
std::string Joined(std::initializer_list<std::string_view> pieces);

/// The refusal of a zone row outside the list, for the row's number as text.
std::string ZoneOutsideMessage(std::string_view number);

}  // namespace tarvel::cli
