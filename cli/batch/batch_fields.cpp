#include "cli/batch/batch_fields.h"

#include <algorithm>
#include <array>

#include "base/text.h"
#include "cli/chart/quoted_input.h"
#include "cli/chart/style_options.h"
#include "cli/chart/varga_options.h"

namespace tarvel::cli {
namespace {

struct FieldRow {
  BatchField field;
  std::string_view name;
  FieldValue value;
  bool required;    ///< a line without it is refused, unless a place or an offset stands in
  bool placeFills;  ///< the atlas gives it when a place is named
};

// One row a field, in BatchField order: the names, the types and the needs of a birth line.
constexpr std::array<FieldRow, kBatchFieldCount> kFields{{
    {BatchField::Date, "date", FieldValue::Text, true, false},
    {BatchField::Time, "time", FieldValue::Text, true, false},
    {BatchField::Zone, "zone", FieldValue::Whole, true, true},
    {BatchField::Lat, "lat", FieldValue::Text, true, true},
    {BatchField::Lon, "lon", FieldValue::Text, true, true},
    {BatchField::Dst, "dst", FieldValue::Truth, false, true},
    {BatchField::Name, "name", FieldValue::Text, false, false},
    {BatchField::City, "city", FieldValue::Text, false, false},
    {BatchField::State, "state", FieldValue::Text, false, false},
    {BatchField::Country, "country", FieldValue::Text, false, false},
    {BatchField::Place, "place", FieldValue::Text, false, false},
    {BatchField::Sky, "sky", FieldValue::Choice, false, false},
    {BatchField::Ayanamsa, "ayanamsa", FieldValue::Choice, false, false},
    {BatchField::Node, "node", FieldValue::Choice, false, false},
    {BatchField::Varga, "varga", FieldValue::Whole, false, false},
    {BatchField::Offset, "offset", FieldValue::Choice, false, false},
    {BatchField::Style, "style", FieldValue::Choice, false, false},
}};

const FieldRow& RowOf(BatchField field) {
  return kFields[static_cast<std::size_t>(field)];
}

std::optional<bool> ParseTruth(std::string_view text) {
  if (text == "0" || EqualsIgnoringCase(text, "false")) return false;
  if (text == "1" || EqualsIgnoringCase(text, "true")) return true;
  return std::nullopt;
}

}  // namespace

std::optional<BatchField> FindBatchField(std::string_view name) {
  const auto at = std::ranges::find(kFields, name, &FieldRow::name);
  if (at == kFields.end()) return std::nullopt;
  return at->field;
}

std::string_view FieldName(BatchField field) {
  return RowOf(field).name;
}

FieldValue ValueOf(BatchField field) {
  return RowOf(field).value;
}

std::string BatchFieldList() {
  std::string names;
  for (const FieldRow& row : kFields) names.append(names.empty() ? "" : ",").append(row.name);
  return names;
}

std::string WrongTypeMessage(BatchField field) {
  const FieldValue value = ValueOf(field);
  const std::string_view kind = value == FieldValue::Whole   ? "a whole number"
                                : value == FieldValue::Truth ? "true or false"
                                                             : "a string";
  return Joined({"field '", FieldName(field), "' must be ", kind});
}

std::string BirthFields::GivenTwice(BatchField field) {
  return Joined({"field ", QuotedForMessage(FieldName(field)), " is given twice"});
}

std::optional<std::string> BirthFields::SetFromText(BatchField field, std::string_view text) {
  switch (ValueOf(field)) {
    case FieldValue::Whole:
      if (field == BatchField::Zone) {
        auto row = ParseZoneRow(text);
        if (auto* error = std::get_if<OptionError>(&row)) return std::move(error->message);
        options_.zone = std::get<int>(row);
        return std::nullopt;
      }
      return ReadVarga(text, options_.varga);
    case FieldValue::Truth: {
      const auto dst = ParseTruth(text);
      if (!dst) return Joined({"dst ", QuotedForMessage(text), " is not true or false"});
      return SetTruth(field, *dst);
    }
    case FieldValue::Choice:
      return SetChoice(field, text);
    case FieldValue::Text:
      break;
  }
  SetText(field, std::string(text));
  return std::nullopt;
}

std::optional<std::string> BirthFields::SetString(BatchField field, std::string value) {
  switch (ValueOf(field)) {
    case FieldValue::Whole:
    case FieldValue::Truth:
      return WrongTypeMessage(field);
    case FieldValue::Choice:
      return SetChoice(field, value);
    case FieldValue::Text:
      break;
  }
  SetText(field, std::move(value));
  return std::nullopt;
}

std::optional<std::string> BirthFields::SetWhole(BatchField field, std::string_view digits) {
  if (field == BatchField::Varga) return ReadVargaFactor(digits, options_.varga);
  if (field != BatchField::Zone) return WrongTypeMessage(field);
  return SetFromText(field, digits);
}

std::optional<std::string> BirthFields::SetTruth(BatchField field, bool value) {
  if (field != BatchField::Dst) return WrongTypeMessage(field);
  options_.dst = value;
  return std::nullopt;
}

std::optional<std::string> BirthFields::SetNull(BatchField field) {
  if (RowOf(field).required) return WrongTypeMessage(field);
  given_[static_cast<std::size_t>(field)] = false;
  return std::nullopt;
}

// An empty text leaves the choice out.
std::optional<std::string> BirthFields::SetChoice(BatchField field, std::string_view text) {
  if (text.empty()) return std::nullopt;
  switch (field) {
    case BatchField::Sky:
      return ReadSkyKind(text, options_.sky);
    case BatchField::Ayanamsa:
      return ReadAyanamsa(text, options_.sky);
    case BatchField::Node:
      return ReadNode(text, options_.sky);
    case BatchField::Offset:
      options_.offset = std::string(text);
      return std::nullopt;
    case BatchField::Style:
    default:
      return ReadChartStyle(text, options_.style);
  }
}

void BirthFields::SetText(BatchField field, std::string text) {
  switch (field) {
    case BatchField::Date:
      options_.date = std::move(text);
      break;
    case BatchField::Time:
      options_.time = std::move(text);
      break;
    case BatchField::Lat:
      options_.latitude = std::move(text);
      break;
    case BatchField::Lon:
      options_.longitude = std::move(text);
      break;
    case BatchField::Name:
      options_.name = std::move(text);
      break;
    case BatchField::City:
      options_.city = std::move(text);
      break;
    case BatchField::State:
      options_.state = std::move(text);
      break;
    case BatchField::Country:
      options_.country = std::move(text);
      break;
    case BatchField::Place:
      options_.place = std::move(text);
      break;
    default:
      // The other fields take no text as it is (see kFields).
      break;
  }
}

std::optional<std::string> BirthFields::Finish() {
  if (given_.test(static_cast<std::size_t>(BatchField::Offset)) &&
      (given_.test(static_cast<std::size_t>(BatchField::Zone)) ||
       given_.test(static_cast<std::size_t>(BatchField::Dst)))) {
    return "field 'offset' stands instead of 'zone' and 'dst', not with them";
  }
  return FindMissing();
}

std::optional<std::string> BirthFields::FindMissing() const {
  const bool placeGiven = given_.test(static_cast<std::size_t>(BatchField::Place));
  const bool offsetGiven = given_.test(static_cast<std::size_t>(BatchField::Offset));
  for (const FieldRow& row : kFields) {
    if (!row.required || (placeGiven && row.placeFills)) continue;
    if (offsetGiven && row.field == BatchField::Zone) continue;
    if (!given_.test(static_cast<std::size_t>(row.field))) {
      return Joined({"field ", QuotedForMessage(row.name), " is missing"});
    }
  }
  return std::nullopt;
}

std::string Joined(std::initializer_list<std::string_view> pieces) {
  std::size_t length = 0;
  for (std::string_view piece : pieces) length += piece.size();
  std::string joined;
  joined.reserve(length);
  for (std::string_view piece : pieces) joined.append(piece);
  return joined;
}

}  // namespace tarvel::cli
