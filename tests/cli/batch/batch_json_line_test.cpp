#include <gtest/gtest.h>

#include "cli/batch/batch_json_line.h"
#include "cli/batch/batch_line.h"

namespace tarvel {
namespace {

// A field, a value it takes, a value of another JSON type, what it is told for a value of the
// wrong type, and whether a line needs it.
struct FieldCase {
  std::string name;
  std::string good;
  std::string other;
  std::string mustBe;
  bool required;
};

const FieldCase kFields[] = {
    {"date", R"("1980-03-05")", "19800305", "a string", true},
    {"time", R"("14:07")", "14", "a string", true},
    {"zone", "34", R"("34")", "a whole number", true},
    {"lat", R"("18:58N")", "18", "a string", true},
    {"lon", R"("72:49E")", "72", "a string", true},
    {"dst", "true", R"("true")", "true or false", false},
    {"name", R"("Asha")", "1", "a string", false},
    {"city", R"("Mumbai")", "1", "a string", false},
    {"state", R"("Maharashtra")", "1", "a string", false},
    {"country", R"("India")", "1", "a string", false},
    {"place", R"("Mumbai, India")", "1", "a string", false},
    {"sky", R"("swiss")", "1", "a string", false},
    {"ayanamsa", R"("raman")", "1", "a string", false},
    {"node", R"("true")", "true", "a string", false},
    {"varga", "9", R"("9")", "a whole number", false},
    {"offset", R"("+05:30")", "5", "a string", false},
    {"style", R"("north")", "1", "a string", false},
};

// A birth line whose field `c.name` has the JSON `value`; `named` is a text field given
// with an escape or without one, to show that escapes elsewhere change nothing.
std::string Line(const FieldCase& c, const std::string& value, const std::string& named) {
  std::string line = "{";
  for (const FieldCase& base : kFields) {
    if (!base.required || base.name == c.name || (c.name == "offset" && base.name == "zone"))
      continue;
    line += "\"" + base.name + "\": " + base.good + ", ";
  }
  const std::string other = c.name == "name" ? "city" : "name";
  return line + "\"" + other + "\": " + named + ", \"" + c.name + "\": " + value + "}";
}

std::variant<cli::BirthOptions, std::string> Read(const std::string& line) {
  const auto checked = cli::CheckLine(line, {line.size(), false});
  if (const auto* refusal = std::get_if<std::string>(&checked)) return *refusal;
  return cli::ParseJsonBirthLine(std::get<std::string_view>(checked));
}

TEST(JsonBirthLineTest, EachFieldTakesOneJsonTypeWithOrWithoutEscapes) {
  for (const FieldCase& c : kFields) {
    const std::string wrong = "field '" + c.name + "' must be " + c.mustBe;
    const std::string minusZero = c.name == "zone"    ? ""
                                  : c.name == "varga" ? "varga 0 is not one of"
                                                      : wrong;
    // Beyond 64 bits: still a whole number, out of the field's range.
    const std::string huge = "-18446744073709551616";
    const std::string outOfRange = c.name == "zone"    ? "zone row " + huge + " is outside 0-70"
                                   : c.name == "varga" ? "varga " + huge + " is not one of"
                                                       : wrong;
    // null leaves a field out: an offset left out leaves the line without a zone.
    const std::string leftOut = c.required           ? wrong
                                : c.name == "offset" ? "field 'zone' is missing"
                                                     : "";
    // The value in the line, and the start of its refusal; empty where it gives a birth.
    const std::pair<std::string, std::string> values[] = {
        {c.good, ""},
        {c.other, wrong},
        {"9.5", wrong},
        {"1e1", wrong},
        {"-0", minusZero},
        {"null", leftOut},
        {huge, outOfRange},
        {"[" + c.good + "]", wrong},
        {"{\"a\": " + c.good + "}", wrong},
        {c.good + ", \"" + c.name + "\": " + c.good, "field '" + c.name + "' is given twice"},
        {c.good + "\xEF\xBB\xBF", "malformed JSON at byte "},
        {c.good + std::string(1, '\0'), "NUL byte at byte "},
        {c.good + "\xC3", "invalid UTF-8 at byte "},
    };
    for (const auto& [value, refusal] : values) {
      const auto plain = Read(Line(c, value, R"("Ab")"));
      const auto escaped = Read(Line(c, value, R"("A\u0062")"));
      if (refusal.empty()) {
        EXPECT_TRUE(std::holds_alternative<cli::BirthOptions>(plain)) << c.name << ": " << value;
        EXPECT_EQ(plain, escaped) << c.name << ": " << value;
        continue;
      }
      for (const auto& read : {plain, escaped}) {
        ASSERT_TRUE(std::holds_alternative<std::string>(read)) << c.name << ": " << value;
        EXPECT_EQ(std::get<std::string>(read).substr(0, refusal.size()), refusal) << value;
      }
    }
  }
}

// A byte order mark may open a line; the same birth follows.
TEST(JsonBirthLineTest, AByteOrderMarkBeforeTheObjectIsSkipped) {
  const std::string line = Line(kFields[0], kFields[0].good, R"("Ab")");
  EXPECT_EQ(Read("\xEF\xBB\xBF" + line), Read(line));
  EXPECT_TRUE(std::holds_alternative<cli::BirthOptions>(Read(line)));
}

}  // namespace
}  // namespace tarvel
