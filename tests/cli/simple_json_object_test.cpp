#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/simple_json_object.h"

namespace tarvel::cli {
namespace {

// The members read, each as key=value, or nothing when the reader declined the text.
std::optional<std::vector<std::string>> Members(std::string_view text) {
  std::vector<std::string> members;
  const bool read = ReadSimpleJsonObject(text, [&](std::string_view key, const SimpleJsonValue& v) {
    std::string value;
    if (const auto* s = std::get_if<std::string_view>(&v)) value = "'" + std::string(*s) + "'";
    if (const auto* n = std::get_if<std::int64_t>(&v)) value = std::to_string(*n);
    if (const auto* b = std::get_if<bool>(&v)) value = *b ? "true" : "false";
    members.push_back(std::string(key) + "=" + value);
    return true;
  });
  if (!read) return std::nullopt;
  return members;
}

using Expected = std::vector<std::string>;

TEST(SimpleJsonObjectTest, ReadsStringsWholeNumbersAndTruthWithJsonSpacing) {
  const std::pair<std::string_view, Expected> cases[] = {
      {R"({"date": "1980-03-05", "zone": 34, "dst": false})",
       {"date='1980-03-05'", "zone=34", "dst=false"}},
      {" \t{\"a\":\"\",\"b\":0,\"c\":true} \r\n", {"a=''", "b=0", "c=true"}},
      {"{ \"n\" :\n 999999999999999999 }", {"n=999999999999999999"}},
      {"{\"city\": \"Z\xC3\xBCrich, 19\xC2\xB0 {1}\"}", {"city='Z\xC3\xBCrich, 19\xC2\xB0 {1}'"}},
  };
  for (const auto& [text, expected] : cases) {
    const auto members = Members(text);
    ASSERT_TRUE(members) << text;
    EXPECT_EQ(*members, expected) << text;
  }
}

TEST(SimpleJsonObjectTest, DeclinesWhatItLeavesToTheFullParser) {
  for (std::string_view text : {
           "",
           "{}",
           "[]",
           "\"text\"",
           "{\"a\": null}",
           "{\"a\": \"q\\\"uote\"}",
           "{\"a\": \"tab\tinside\"}",
           "{\"a\": -1}",
           "{\"a\": 034}",
           "{\"a\": 3.5}",
           "{\"a\": 3e2}",
           "{\"a\": 3E2}",
           "{\"a\": 1234567890123456789}",
           "{\"a\": {}}",
           "{\"a\": [1]}",
           "{\"a\": truex}",
           "{\"a\": 1,}",
           "{\"a\": 1} x",
           "{\"a\" 1}",
           "{\"a\": 1",
           "{\"a\": \"open}",
           "{a: 1}",
           "{\"a\": 1 \"b\": 2}",
           "{\"a\": TRUE}",
           R"({"name": "Z\u00fcrich"})",
       }) {
    EXPECT_FALSE(Members(text)) << text;
  }
}

TEST(SimpleJsonObjectTest, StopsWhenAMemberIsRefused) {
  int seen = 0;
  const bool read = ReadSimpleJsonObject(R"({"a": 1, "b": 2, "c": 3})",
                                         [&](std::string_view key, const SimpleJsonValue&) {
                                           ++seen;
                                           return key != "b";
                                         });
  EXPECT_FALSE(read);
  EXPECT_EQ(seen, 2);
}

}  // namespace
}  // namespace tarvel::cli
