#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cli/chart/quoted_input.h"
#include "cli_test_support.h"

namespace tarvel {
namespace {

using testing::RunCli;

struct QuoteCase {
  std::string input;
  std::string quoted;
};

TEST(QuotedForMessageTest, InputComesBackOnOneLineWithNothingATerminalActsOn) {
  const QuoteCase cases[] = {
      {"1980-13-05", "'1980-13-05'"},
      {"", "''"},
      {"Zürich", "'Zürich'"},
      {"a\nb\r\tc", "'a\\nb\\r\\tc'"},
      {"\x1b[2J", "'\\e[2J'"},
      {std::string("\0x", 2), "'\\x00x'"},
      {"\x01\x1f\x7f", "'\\x01\\x1f\\x7f'"},
      {"back\\slash", "'back\\\\slash'"},
      {"Z\xFCrich", "'Z\\xfcrich'"},
      {"\xE2\x82", "'\\xe2\\x82'"},           // cut short
      {"\xC0\xAF", "'\\xc0\\xaf'"},           // overlong
      {"\xED\xA0\x80", "'\\xed\\xa0\\x80'"},  // a surrogate
      {"\xC2\x9B"
       "31m",
       "'\\u009b31m'"},                          // C1 control sequence introducer
      {"a\u2028b\u2029", "'a\\u2028b\\u2029'"},  // line and paragraph separators
      {"\u202Etxt.exe", "'\\u202etxt.exe'"},     // right-to-left override
      {"\u00A0\u20AC\U0001F600", "'\u00A0\u20AC\U0001F600'"},
  };
  for (const auto& [input, quoted] : cases) {
    EXPECT_EQ(cli::QuotedForMessage(input), quoted) << quoted;
  }
}

TEST(QuotedForMessageTest, EscapingWithoutQuotesKeepsTheTextsOwnQuotes) {
  EXPECT_EQ(cli::EscapedForMessage("No place called \"a\nb\""), "No place called \"a\\nb\"");
}

const std::vector<std::string> kGreenwich = {"chart", "--date", "2000-01-01", "--time",
                                             "12:00", "--zone", "29",         "--lat",
                                             "0:0N",  "--lon",  "0:0W"};

std::vector<std::string> With(std::vector<std::string> args, const std::string& option,
                              const std::string& value) {
  const auto at = std::find(args.begin(), args.end(), option);
  if (at == args.end()) {
    args.insert(args.end(), {option, value});
  } else {
    *(at + 1) = value;
  }
  return args;
}

struct EchoCase {
  std::vector<std::string> args;
  std::string line;  ///< the whole error output
};

TEST(EchoedInputTest, RefusalsQuoteTheInputEscapedOnOneLine) {
  const EchoCase cases[] = {
      {With(kGreenwich, "--date", "2000\n01-01"),
       "malformed date '2000\\n01-01': expected YYYY-MM-DD"},
      {With(kGreenwich, "--date", "2000-13-0\x01"),
       "malformed date '2000-13-0\\x01': expected YYYY-MM-DD"},
      {With(kGreenwich, "--time", "\x1b[2J12:00"),
       "malformed time '\\e[2J12:00': expected HH:MM, 00:00 to 23:59, or HH:MM:SS"},
      {With(kGreenwich, "--lat", "18:58\xFF"),
       "malformed latitude '18:58\\xff': expected degrees:minutes followed by N or S"},
      {With(kGreenwich, "--lon", "72:49\r"),
       "malformed longitude '72:49\\r': expected degrees:minutes followed by E or W"},
      {With(kGreenwich, "--name", "Asha\r\nRao"), "Please enter only letters: 'Asha\\r\\nRao'"},
      {With(kGreenwich, "--city", "Z\xFCrich"), "Please enter only letters: 'Z\\xfcrich'"},
      {With(kGreenwich, "--zone", "3\n4"), "zone '3\\n4' is not a whole number"},
      {With(kGreenwich, "--zone", "99999999999\n"), "zone '99999999999\\n' is not a whole number"},
      {With(kGreenwich, "--sky", "swiss\n"), "sky 'swiss\\n' is not classic or swiss"},
      {With(With(kGreenwich, "--sky", "swiss"), "--node", "\u202Etrue"),
       "node '\\u202etrue' is not mean or true"},
      {{"chart", "--open", "a\nb.tvl"},
       "Please Check The File. (a\\nb.tvl) The file is missing or may not be read."},
  };
  for (const auto& [args, line] : cases) {
    const auto run = RunCli(args);
    EXPECT_EQ(run.status, 2) << line;
    EXPECT_EQ(run.err, "tarvel-cli: " + line + "\n");
    EXPECT_TRUE(run.out.empty()) << line;
  }
}

// Messages made elsewhere (the atlas, the command-line parser, a failed save) that carry the
// input are escaped as a whole.
TEST(EchoedInputTest, MessagesThatCarryInputAreEscapedAsAWhole) {
  struct Case {
    std::vector<std::string> args;
    std::string echoed;  ///< how the input shows in the line
  };
  const Case cases[] = {
      {With(kGreenwich, "--place", "Nowhere\nland"), "\"Nowhere\\nland\""},
      {{"places", "Xq\x1b[2J"}, "Xq\\e[2J"},
      {With(kGreenwich, "--colour", "red\nblue"), "red\\nblue"},
      {With(kGreenwich, "--save", "/nonexistent\x1b/a.tvl"), "/nonexistent\\e/a.tvl"},
  };
  for (const auto& [args, echoed] : cases) {
    const auto run = RunCli(args);
    EXPECT_NE(run.status, 0) << echoed;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_NE(run.err.find(echoed), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\x1b'), std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace tarvel
