#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "cli_test_support.h"
#include "export/picture_geometry.h"
#include "recording_exporter.h"

namespace tarvel::testing {
namespace {

struct SizeCase {
  const char* text;
  std::optional<cli::PictureSize> size;  ///< none when refused
};

const SizeCase kSizes[] = {
    {"1200", cli::PictureSize{1200, 0}},
    {"800x600", cli::PictureSize{800, 600}},
    {"1x1", cli::PictureSize{1, 1}},
    {"16384x16384", cli::PictureSize{16384, 16384}},
    {"", std::nullopt},
    {"x", std::nullopt},
    {"0", std::nullopt},
    {"16385", std::nullopt},
    {"800x", std::nullopt},
    {"x600", std::nullopt},
    {"-5", std::nullopt},
    {"800x-5", std::nullopt},
    {"1.5", std::nullopt},
    {"800X600", std::nullopt},
    {"800x600x2", std::nullopt},
    {" 800", std::nullopt},
};

TEST(PictureSizeTest, WidthAloneOrWidthByHeight) {
  for (const SizeCase& test : kSizes) {
    const auto parsed = cli::ParsePictureSize(test.text);
    if (test.size) {
      ASSERT_TRUE(std::holds_alternative<cli::PictureSize>(parsed)) << test.text;
      EXPECT_EQ(std::get<cli::PictureSize>(parsed), *test.size) << test.text;
    } else {
      ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << test.text;
      EXPECT_NE(std::get<std::string>(parsed).find("malformed size"), std::string::npos);
    }
  }
}

const ChartDocument kDocument{
    {"Asha Rao", "Born", "Mumbai", "Classic formulas", ""}, {}, {}, {}, {}, {}};

TEST(ExportChartTest, WritesThePdfThenTheSvgThenThePngAtTheirSize) {
  RecordingExporter exporter;
  cli::ExportTargets targets{"a.pdf", "a.svg", "a.png", {640, 480}};
  EXPECT_EQ(cli::ExportChart(exporter, kDocument, targets), std::nullopt);
  ASSERT_EQ(exporter.calls.size(), 3u);
  EXPECT_EQ(exporter.calls[0].kind + exporter.calls[0].path, "pdfa.pdf");
  EXPECT_EQ(exporter.calls[1].kind + exporter.calls[1].path, "svga.svg");
  EXPECT_EQ(exporter.calls[2].kind + exporter.calls[2].path, "pnga.png");
  for (std::size_t call = 1; call < 3; ++call) {
    EXPECT_EQ(exporter.calls[call].widthPx, 640);
    EXPECT_EQ(exporter.calls[call].heightPx, 480);
    EXPECT_EQ(exporter.calls[call].document, kDocument);
  }
}

// A width alone keeps the picture's own proportions: its natural size in twips, scaled.
TEST(ExportChartTest, AWidthAloneTakesThePicturesProportions) {
  RecordingExporter exporter;
  cli::ExportTargets targets;
  targets.pngPath = "a.png";
  ASSERT_EQ(cli::ExportChart(exporter, kDocument, targets), std::nullopt);
  ASSERT_EQ(exporter.calls.size(), 1u);
  EXPECT_EQ(exporter.calls[0].widthPx, 1200);
  EXPECT_EQ(exporter.calls[0].heightPx,
            static_cast<int>(std::lround(1200.0 * kPictureHeightTwips / kPictureWidthTwips)));
}

TEST(ExportChartTest, TheFirstFailureStopsAndNamesItsFile) {
  RecordingExporter exporter;
  exporter.failAt = 1;
  const cli::ExportTargets targets{"a.pdf", "b.svg", "c.png", {}};
  EXPECT_EQ(cli::ExportChart(exporter, kDocument, targets), "cannot write 'b.svg': Disk full");
  EXPECT_EQ(exporter.calls.size(), 2u);
}

// The file is named as given, on one line whatever it holds.
TEST(ExportChartTest, AFileThatCannotBeWrittenIsNamedEscaped) {
  RecordingExporter exporter;
  exporter.failAt = 0;
  const cli::ExportTargets targets{"a\nb\x1b.pdf", {}, {}, {}};
  EXPECT_EQ(cli::ExportChart(exporter, kDocument, targets),
            "cannot write 'a\\nb\\e.pdf': Disk full");
}

const std::vector<std::string> kAsha = {"chart",  "--date", "1980-03-05", "--time",
                                        "14:07",  "--zone", "34",         "--lat",
                                        "18:58N", "--lon",  "72:49E"};

std::vector<std::string> Plus(std::vector<std::string> args, const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

TEST(ExportOptionsTest, ASizeWithoutAPictureOrMalformedIsRefused) {
  const CliRun alone = RunCli(Plus(kAsha, {"--size", "800"}));
  EXPECT_EQ(alone.status, 2);
  EXPECT_EQ(alone.err, "tarvel-cli: --size is for --svg or --png\n");
  EXPECT_TRUE(alone.out.empty());
  const CliRun bad = RunCli(Plus(kAsha, {"--png", "a.png", "--size", "800x0"}));
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.err.find("malformed size '800x0'"), std::string::npos);
  EXPECT_FALSE(std::ifstream("a.png").good());
}

// Qt would write such a name with its bytes replaced, perhaps over another file.
TEST(ExportOptionsTest, ANameThatIsNotUtf8IsRefused) {
  for (const std::string option : {"--pdf", "--svg", "--png", "--pdf-dir"}) {
    const auto args = option == "--pdf-dir" ? std::vector<std::string>{"batch"} : kAsha;
    const CliRun run = RunCli(Plus(args, {option, "n\xff.png"}));
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.starts_with("tarvel-cli: " + option + ": 'n\\xff.png' is not UTF-8"));
  }
}

bool QtGuiIsLoaded() {
  std::ifstream maps("/proc/self/maps");
  for (std::string line; std::getline(maps, line);) {
    if (line.find("libQt6Gui") != std::string::npos) return true;
  }
  return false;
}

// Charts and batches start and compute without Qt: only an export loads it.
TEST(ExportOptionsTest, ACommandWithoutFilesLoadsNoQt) {
  EXPECT_EQ(RunCli(kAsha).status, 0);
  EXPECT_EQ(RunCli(Plus(kAsha, {"--json"})).status, 0);
  EXPECT_FALSE(QtGuiIsLoaded());
}

}  // namespace
}  // namespace tarvel::testing
