#include "cli/batch/batch_json_fast.h"

#include <optional>

#include <simdjson.h>

#include "cli/batch/batch_fields.h"
#include "cli/batch/batch_json_line.h"

namespace tarvel::cli {
namespace {

using simdjson::ondemand::json_type;

// Escapes (their unescaping and surrogates) are left to the careful parser: they are rare in
// birth lines. Control characters in a string need no look here: the fast parser refuses them.
bool IsPlainLine(std::string_view line) {
  return line.find('\\') == std::string_view::npos;
}

// Sets one field from its value; false where the careful parser is needed.
bool SetField(BatchField field, simdjson::ondemand::value value, BirthFields& fields) {
  json_type type;
  if (value.type().get(type) != simdjson::SUCCESS) return false;
  if (type == json_type::null) {
    // The error-code form: the bool conversion of a simdjson result throws on an error.
    bool isNull = false;
    return field > BatchField::Lon && value.is_null().get(isNull) == simdjson::SUCCESS && isNull;
  }
  if (field == BatchField::Zone) {
    std::int64_t zone = 0;
    return type == json_type::number && value.get_int64().get(zone) == simdjson::SUCCESS &&
           !fields.SetZone(zone);
  }
  if (field == BatchField::Dst) {
    bool dst = false;
    if (type != json_type::boolean || value.get_bool().get(dst) != simdjson::SUCCESS) return false;
    fields.SetDst(dst);
    return true;
  }
  std::string_view text;
  if (type != json_type::string || value.get_string().get(text) != simdjson::SUCCESS) return false;
  if (field >= BatchField::Sky) return !fields.SetFromText(field, text);
  fields.SetText(field, std::string(text));
  return true;
}

}  // namespace

struct JsonBirthLineReader::State {
  simdjson::ondemand::parser parser;
  std::string padded;

  // The birth when the line is a plain object of known fields, each valid and given once.
  std::optional<BirthOptions> ParseFast(std::string_view line) {
    padded.assign(line);
    padded.resize(line.size() + simdjson::SIMDJSON_PADDING);
    simdjson::ondemand::document doc;
    simdjson::ondemand::object object;
    if (parser.iterate(padded.data(), line.size(), padded.size()).get(doc) != simdjson::SUCCESS ||
        doc.get_object().get(object) != simdjson::SUCCESS) {
      return std::nullopt;
    }
    BirthFields fields;
    for (auto member : object) {
      std::string_view key;
      simdjson::ondemand::value value;
      if (member.unescaped_key().get(key) != simdjson::SUCCESS ||
          member.value().get(value) != simdjson::SUCCESS) {
        return std::nullopt;
      }
      const auto field = FindBatchField(key);
      if (!field || fields.MarkGiven(*field) || !SetField(*field, value, fields)) {
        return std::nullopt;
      }
    }
    // Past the object there is nothing left to point at, unless more text follows it.
    const bool atEnd = doc.current_location().error() == simdjson::OUT_OF_BOUNDS;
    if (!atEnd || fields.Finish()) return std::nullopt;
    return std::move(fields.Options());
  }
};

JsonBirthLineReader::JsonBirthLineReader() : state_(std::make_unique<State>()) {}
JsonBirthLineReader::~JsonBirthLineReader() = default;
JsonBirthLineReader::JsonBirthLineReader(JsonBirthLineReader&&) noexcept = default;
JsonBirthLineReader& JsonBirthLineReader::operator=(JsonBirthLineReader&&) noexcept = default;

std::variant<BirthOptions, std::string> JsonBirthLineReader::Parse(std::string_view line) {
  if (IsPlainLine(line)) {
    // Any error the fast reader meets, thrown or returned, leaves the line to the careful one.
    try {
      if (auto birth = state_->ParseFast(line)) return std::move(*birth);
    } catch (const simdjson::simdjson_error&) {
    }
  }
  return ParseJsonBirthLine(line);
}

}  // namespace tarvel::cli
