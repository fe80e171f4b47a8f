#include "cli/batch/batch_fields.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "base/text.h"
#include "cli/chart/quoted_input.h"
#include "cli/chart/style_options.h"
#include "cli/chart/varga_options.h"

namespace tarvel::cli {
namespace {

constexpr std::array<BatchField, 5> kRequiredFields = {
    BatchField::Date, BatchField::Time, BatchField::Zone, BatchField::Lat, BatchField::Lon};

// Reads a choice of the sky; an empty text leaves it out.
std::optional<std::string> SetSkyChoice(BatchField field, std::string_view text,
                                        SkyChoice& choice) {
  if (text.empty()) return std::nullopt;
  if (field == BatchField::Sky) return ReadSkyKind(text, choice);
  if (field == BatchField::Ayanamsa) return ReadAyanamsa(text, choice);
  return ReadNode(text, choice);
}

std::optional<bool> ParseTruth(std::string_view text) {
  if (text.empty() || text == "0" || EqualsIgnoringCase(text, "false")) return false;
  if (text == "1" || EqualsIgnoringCase(text, "true")) return true;
  return std::nullopt;
}

}  // namespace

std::optional<BatchField> FindBatchField(std::string_view name) {
  const auto at = std::find(kBatchFieldNames.begin(), kBatchFieldNames.end(), name);
  if (at == kBatchFieldNames.end()) return std::nullopt;
  return static_cast<BatchField>(at - kBatchFieldNames.begin());
}

bool PlaceCanFill(BatchField field) {
  return field == BatchField::Zone || field == BatchField::Lat || field == BatchField::Lon ||
         field == BatchField::Dst;
}

std::string_view FieldName(BatchField field) {
  return kBatchFieldNames[static_cast<std::size_t>(field)];
}

std::string BirthFields::GivenTwice(BatchField field) {
  return Joined({"field ", QuotedForMessage(FieldName(field)), " is given twice"});
}

std::optional<std::string> BirthFields::SetFromText(BatchField field, std::string_view text) {
  if (field == BatchField::Zone) {
    auto row = ParseZoneRow(text);
    if (auto* error = std::get_if<OptionError>(&row)) return std::move(error->message);
    return SetZone(std::get<int>(row));
  }
  if (field == BatchField::Dst) {
    const auto dst = ParseTruth(text);
    if (!dst) return Joined({"dst ", QuotedForMessage(text), " is not true or false"});
    SetDst(*dst);
    return std::nullopt;
  }
  if (field == BatchField::Varga) {
    return text.empty() ? std::nullopt : ReadVarga(text, options_.varga);
  }
  if (field == BatchField::Offset) {
    if (!text.empty()) options_.offset = std::string(text);
    return std::nullopt;
  }
  if (field == BatchField::Style) {
    return text.empty() ? std::nullopt : ReadChartStyle(text, options_.style);
  }
  if (field >= BatchField::Sky) return SetSkyChoice(field, text, options_.sky);
  const bool optional = field >= BatchField::Name;
  if (!(optional && text.empty())) SetText(field, std::string(text));
  return std::nullopt;
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
    case BatchField::Zone:
    case BatchField::Dst:
    case BatchField::Sky:
    case BatchField::Ayanamsa:
    case BatchField::Node:
    case BatchField::Varga:
    case BatchField::Offset:
    case BatchField::Style:
      break;
  }
}

std::optional<std::string> BirthFields::SetZone(std::int64_t zone) {
  if (zone < std::numeric_limits<int>::min() || zone > std::numeric_limits<int>::max()) {
    return ZoneOutsideMessage(std::to_string(zone));
  }
  options_.zone = static_cast<int>(zone);
  return std::nullopt;
}

std::optional<std::string> BirthFields::SetVarga(std::int64_t factor) {
  return ReadVargaFactor(factor, options_.varga);
}

std::optional<std::string> BirthFields::Finish() {
  const bool placeGiven = given_.test(static_cast<std::size_t>(BatchField::Place));
  const bool offsetGiven = given_.test(static_cast<std::size_t>(BatchField::Offset));
  if (offsetGiven && (given_.test(static_cast<std::size_t>(BatchField::Zone)) ||
                      given_.test(static_cast<std::size_t>(BatchField::Dst)))) {
    return "field 'offset' stands instead of 'zone' and 'dst', not with them";
  }
  for (BatchField field : kRequiredFields) {
    if (placeGiven && PlaceCanFill(field)) continue;
    if (offsetGiven && field == BatchField::Zone) continue;
    if (!given_.test(static_cast<std::size_t>(field))) {
      return Joined({"field ", QuotedForMessage(FieldName(field)), " is missing"});
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

std::string ZoneOutsideMessage(std::string_view number) {
  return Joined({"zone row ", number, " is outside 0-70"});
}

}  // namespace tarvel::cli
