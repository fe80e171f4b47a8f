#include <gtest/gtest.h>

#include "app/window/window_arguments.h"

namespace tarvel::testing {
namespace {

using Action = WindowArguments::Action;

struct ArgumentsCase {
  QStringList arguments;
  Action action;
  QString readingFile;
  QString refusalPart;  // a part of the refusal, for Refuse
};

class WindowArgumentsTest : public ::testing::TestWithParam<ArgumentsCase> {};

TEST_P(WindowArgumentsTest, ReadsWhatTheCommandLineAsks) {
  const ArgumentsCase& expected = GetParam();
  const WindowArguments read = ReadWindowArguments(expected.arguments);
  const std::string shown = expected.arguments.join(' ').toStdString();
  EXPECT_EQ(read.action, expected.action) << shown;
  EXPECT_EQ(read.readingFile, expected.readingFile) << shown;
  if (expected.action == Action::Refuse) {
    EXPECT_TRUE(read.refusal.contains(expected.refusalPart)) << read.refusal.toStdString();
    EXPECT_FALSE(read.refusal.contains('\n')) << read.refusal.toStdString();
  } else {
    EXPECT_TRUE(read.refusal.isEmpty()) << shown;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WindowArgumentsTest,
    ::testing::Values(
        ArgumentsCase{{}, Action::Run, "", ""},
        // What a file manager passes for Exec=tarvel %f.
        ArgumentsCase{{"/home/asha/Asha Rao.tvl"}, Action::Run, "/home/asha/Asha Rao.tvl", ""},
        ArgumentsCase{{"--version"}, Action::Version, "", ""},
        ArgumentsCase{{"--help"}, Action::Help, "", ""},
        ArgumentsCase{{"-h"}, Action::Help, "", ""},
        // Answered before Qt has taken out its own options, so they win wherever they stand.
        ArgumentsCase{{"-platform", "offscreen", "--version"}, Action::Version, "", ""},
        ArgumentsCase{{"asha.tvl", "--help"}, Action::Help, "", ""},
        ArgumentsCase{{"--version", "--bogus"}, Action::Version, "", ""},
        // After "--" every argument is a file name.
        ArgumentsCase{{"--", "--version"}, Action::Run, "--version", ""},
        ArgumentsCase{{"--", "-asha.tvl"}, Action::Run, "-asha.tvl", ""},
        ArgumentsCase{{"-"}, Action::Run, "-", ""},
        ArgumentsCase{{"--bogus"}, Action::Refuse, "", "unknown option '--bogus'"},
        ArgumentsCase{{"asha.tvl", "-x"}, Action::Refuse, "", "unknown option '-x'"},
        ArgumentsCase{{"a.tvl", "b.tvl"}, Action::Refuse, "", "one reading file at a time"},
        ArgumentsCase{{"a.tvl", "--", "b.tvl"}, Action::Refuse, "", "one reading file"},
        // $'n\xff.tvl' as Qt decodes it: opening "n\uFFFD.tvl" would say an existing file is
        // missing.
        ArgumentsCase{{QString::fromLocal8Bit("n\xff.tvl")}, Action::Refuse, "", "is not UTF-8"}));

TEST(WindowArgumentsTest, VersionLineNamesTheProgramAndTheProjectVersion) {
  EXPECT_EQ(WindowVersionLine(), QString("tarvel " TARVEL_EXPECTED_VERSION "\n"));
}

// help2man builds the manual page from this text: the synopsis from the "Usage:" line and
// the options from the lines under "Options:".
TEST(WindowArgumentsTest, UsageHasTheShapeTheManualPageIsMadeFrom) {
  const QStringList lines = WindowUsage().split('\n');
  ASSERT_GT(lines.size(), 3);
  EXPECT_EQ(lines[0], "Usage: tarvel [OPTION]... [FILE.tvl]");
  const qsizetype options = lines.indexOf("Options:");
  ASSERT_GT(options, 0);
  EXPECT_TRUE(lines[options + 1].startsWith("  -h, --help "));
  EXPECT_TRUE(lines[options + 2].startsWith("      --version "));
  EXPECT_TRUE(WindowUsage().endsWith('\n'));
}

}  // namespace
}  // namespace tarvel::testing
