#pragma once

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

/// The value a field takes: in a JSON line the one JSON type it accepts, in a CSV cell how
/// its text reads.
enum class FieldValue {
  Text,    ///< a string, kept as given
  Choice,  ///< a string naming a choice (sky, ayanamsa, node, style) or an offset
  Whole,   ///< a JSON number without fraction or exponent; decimal digits in a CSV cell
  Truth,   ///< true or false; true/false/1/0 in a CSV cell
};

/// The field called `name` exactly, if any.
std::optional<BatchField> FindBatchField(std::string_view name);

std::string_view FieldName(BatchField field);

FieldValue ValueOf(BatchField field);

/// Every field name in order, joined by commas, as a CSV header lists them.
std::string BatchFieldList();

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

  /// The refusal that names the first required field not given (the zone and the coordinates
  /// need not be where a place is, nor the zone where an offset is).
  std::optional<std::string> FindMissing() const;

  /// Sets a field from its text as a CSV cell holds it: the zone and the varga as decimal
  /// whole numbers, daylight saving as true/false/1/0, the sky's choices and the style by name,
  /// the offset as ±HH:MM[:SS] or lmt (checked with the birth). An empty cell is no value: its
  /// field is left out.
  std::optional<std::string> SetFromText(BatchField field, std::string_view text);

  /// The JSON values, each refused where the field takes another type (see ValueOf). A string
  /// is kept as given; `digits` is a JSON integer as decimal text; null leaves out a field not
  /// required, as if it were not named.
  std::optional<std::string> SetString(BatchField field, std::string value);
  std::optional<std::string> SetWhole(BatchField field, std::string_view digits);
  std::optional<std::string> SetTruth(BatchField field, bool value);
  std::optional<std::string> SetNull(BatchField field);

  /// The options once every required field was given (see FindMissing); the refusal names the
  /// first missing, or an offset given with a zone or daylight saving, which it includes.
  std::optional<std::string> Finish();

  BirthOptions& Options() { return options_; }

 private:
  static std::string GivenTwice(BatchField field);
  std::optional<std::string> SetChoice(BatchField field, std::string_view text);
  void SetText(BatchField field, std::string text);

  BirthOptions options_;
  std::bitset<kBatchFieldCount> given_;
};

/// "field 'X' must be ...": the refusal of a JSON value of another type than the field takes.
std::string WrongTypeMessage(BatchField field);

/// The pieces one after another: messages are put together this way rather than with `+`.
std::string Joined(std::initializer_list<std::string_view> pieces);

}  // namespace tarvel::cli
