#include "form/reading_file_writer.h"

#include <array>
#include <cassert>
#include <cstdio>
#include <string_view>
#include <variant>

#include "base/text.h"
#include "files/replace_file.h"
#include "form/reading_file_extension.h"
#include "form/scramble.h"
#include "form/windows_1252.h"

namespace tarvel {
namespace {

struct TextField {
  ReadingLine line;
  std::string_view name;  ///< as a message names it
  std::string BirthData::*text;
};

constexpr std::array<TextField, 4> kTextFields{{
    {kLineName, "name", &BirthData::BirthName},
    {kLineCity, "city", &BirthData::BirthCity},
    {kLineState, "state", &BirthData::BirthState},
    {kLineCountry, "country", &BirthData::BirthCountry},
}};

constexpr char32_t kLastC0Control = 0x1F;
constexpr char32_t kFirstC1Control = 0x7F;
constexpr char32_t kLastC1Control = 0x9F;

std::string NumberText(int value) {
  return std::to_string(value);
}

std::string TruthText(Flag16 flag) {
  return flag != kFalse ? "True" : "False";
}

// The value texts in file order (see ReadingLine), names and places still in UTF-8.
std::array<std::string, kReadingLineCount> ValueTexts(const BirthData& birth, int zoneRow) {
  return {birth.BirthName,
          NumberText(birth.BirthMonth),
          NumberText(birth.BirthDay),
          NumberText(birth.BirthYear),
          NumberText(birth.BirthHour),
          NumberText(birth.BirthMinute),
          NumberText(zoneRow),
          NumberText(birth.LonDeg),
          NumberText(birth.LonMin),
          NumberText(birth.LatDeg),
          NumberText(birth.LatMin),
          TruthText(birth.IsEast),
          TruthText(birth.IsSouth),
          TruthText(birth.IsDST),
          birth.BirthCity,
          birth.BirthState,
          birth.BirthCountry};
}

std::string CodeText(char32_t codePoint) {
  char code[16];
  std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(codePoint));
  return code;
}

// A control character is named by its code alone: shown, it would be invisible or break the
// message's line. (Appending piece by piece keeps GCC 12's -Wrestrict quiet in Release.)
std::string CharacterText(char32_t codePoint) {
  const bool control =
      codePoint <= kLastC0Control || (codePoint >= kFirstC1Control && codePoint <= kLastC1Control);
  std::string text;
  if (control) return text.append("the control character ").append(CodeText(codePoint));
  return text.append("\"")
      .append(Utf8Of(codePoint))
      .append("\" (")
      .append(CodeText(codePoint))
      .append(")");
}

}  // namespace

std::optional<std::string> UnsavableText(const BirthData& birth) {
  for (const TextField& field : kTextFields) {
    const auto encoded = EncodeReadingText(TrimSpaces(birth.*field.text));
    if (const char32_t* refused = std::get_if<char32_t>(&encoded)) {
      std::string message = "the ";
      return message.append(field.name)
          .append(" holds ")
          .append(CharacterText(*refused))
          .append(", which a reading file cannot hold");
    }
  }
  return std::nullopt;
}

std::string ReadingFileBytes(const BirthData& birth, const ZoneChoice& zone,
                             const SkySettings& sky) {
  auto texts = ValueTexts(birth, ReadingFileRow(birth, zone));
  // An exact offset has daylight saving in it: the nearest row stands without the box.
  if (zone.kind != ZoneKind::Row) texts[kLineIsDST] = TruthText(kFalse);
  for (const TextField& field : kTextFields) {
    auto encoded = EncodeReadingText(TrimSpaces(texts[field.line]));
    assert(std::holds_alternative<std::string>(encoded) && "check UnsavableText first");
    if (auto* bytes = std::get_if<std::string>(&encoded)) texts[field.line] = std::move(*bytes);
  }
  std::string bytes;
  for (const std::string& text : texts) {
    bytes += ScrambleText(TrimSpaces(text));
    bytes += kReadingLineEnd;
  }
  for (const std::string& text : ExtensionTexts(birth, zone, sky)) {
    bytes += ScrambleText(text);
    bytes += kReadingLineEnd;
  }
  return bytes;
}

std::optional<FileError> SaveReading(const std::filesystem::path& path, const BirthData& birth,
                                     const ZoneChoice& zone, const SkySettings& sky) {
  const auto reason = [&]() -> std::optional<std::string> {
    if (auto unsavable = UnsavableText(birth)) return unsavable;
    return ReplaceFileContents(path, ReadingFileBytes(birth, zone, sky));
  }();
  if (!reason) return std::nullopt;
  return FileError{"Could not save \"" + path.string() + "\": " + *reason + "."};
}

}  // namespace tarvel
