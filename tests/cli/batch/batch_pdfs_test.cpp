#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "../../export/asha_state.h"
#include "batch_test_support.h"
#include "cli/batch/batch_pdfs.h"
#include "recording_exporter.h"

namespace tarvel::testing {
namespace {

const std::string kAshaLine =
    R"({"date": "1980-03-05", "time": "14:07", "zone": 34, "lat": "18:58N", "lon": "72:49E", )"
    R"("name": "Asha Rao", "city": "Mumbai", "state": "Maharashtra", "country": "India"})";
const std::string kBadLine =
    R"({"date": "1980-13-05", "time": "14:07", "zone": 34, "lat": "18:58N", "lon": "72:49E"})";
const std::string kNamelessLine =
    R"({"date": "1990-01-05", "time": "04:07", "zone": 29, "lat": "51:30N", "lon": "0:07W"})";

// Four lines: a chart, a refused line, a chart without a name, and the first chart again.
const std::string kInput =
    kAshaLine + "\n" + kBadLine + "\n" + kNamelessLine + "\n" + kAshaLine + "\n";

class BatchPdfsTest : public ::testing::Test {
 protected:
  BatchPdfsTest() {
    folder = std::filesystem::temp_directory_path() /
             ("tarvel-batch-pdfs-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
  }
  ~BatchPdfsTest() override { std::filesystem::remove_all(folder); }

  BatchRun Run(std::size_t jobs, const std::filesystem::path& pdfDir) {
    std::istringstream in(kInput);
    std::ostringstream out;
    std::ostringstream err;
    cli::BatchRequest request;
    request.jobs = jobs;
    request.pdfDir = pdfDir.string();
    request.exporter = &exporter;
    BatchRun run;
    run.status = cli::RunBatch(in, request, out, err);
    run.lines = SplitLines(out.str());
    run.err = err.str();
    return run;
  }

  std::filesystem::path folder;
  RecordingExporter exporter;
};

TEST_F(BatchPdfsTest, OnePdfPerLineThatGaveAChartNamedFromItsLineAndName) {
  for (const std::size_t jobs : {1u, 2u}) {
    exporter.calls.clear();
    std::filesystem::remove_all(folder);
    const BatchRun run = Run(jobs, folder / "pdfs");
    EXPECT_EQ(run.status, 1) << "line 2 gives no chart";
    EXPECT_EQ(run.lines, RunBatchOn(kInput, jobs).lines) << "the output is unchanged";
    EXPECT_TRUE(run.err.empty()) << run.err;
    ASSERT_EQ(exporter.calls.size(), 3u);
    const std::vector<std::string> names{"0001-Asha-Rao.pdf", "0003.pdf", "0004-Asha-Rao.pdf"};
    for (std::size_t call = 0; call < names.size(); ++call) {
      EXPECT_EQ(exporter.calls[call].kind, "pdf");
      EXPECT_EQ(exporter.calls[call].path, (folder / "pdfs" / names[call]).string());
    }
    EXPECT_EQ(exporter.calls[0].document, MakeChartDocument(AshaState()));
    EXPECT_EQ(exporter.calls[1].document.header.title, "Rasi chart");
    EXPECT_EQ(exporter.calls[2].document, exporter.calls[0].document);
  }
  EXPECT_TRUE(std::filesystem::is_directory(folder / "pdfs"));
}

TEST_F(BatchPdfsTest, AFailedPdfIsToldOnceAndNoMoreAreWritten) {
  exporter.failAt = 0;
  const BatchRun run = Run(1, folder);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.lines, RunBatchOn(kInput).lines);
  EXPECT_EQ(run.err, "tarvel-cli: cannot write '" + (folder / "0001-Asha-Rao.pdf").string() +
                         "': Disk full (no more PDFs were written)\n");
  EXPECT_EQ(exporter.calls.size(), 1u);
  EXPECT_TRUE(std::filesystem::is_empty(folder)) << "names claimed but not written are let go";
}

// A second run into the same folder, or a block numbered as another was, finds the names taken.
TEST_F(BatchPdfsTest, APdfThatExistsIsNeverReplacedItsLineIsRefused) {
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "0003.pdf") << "kept";
  const BatchRun run = Run(2, folder);
  ASSERT_EQ(run.lines.size(), 4u);
  EXPECT_EQ(run.lines[2], ErrorLine(3, "PDF '" + (folder / "0003.pdf").string() +
                                           "' exists already: not replaced"));
  EXPECT_EQ(exporter.calls.size(), 2u);
  std::ifstream kept(folder / "0003.pdf");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "kept");
}

TEST_F(BatchPdfsTest, AFolderThatCannotBeMadeStopsTheBatchBeforeItStarts) {
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "taken") << "a file, not a folder";
  const BatchRun run = Run(1, folder / "taken");
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.lines.empty());
  EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  EXPECT_NE(run.err.find("taken"), std::string::npos);
  EXPECT_TRUE(exporter.calls.empty());
}

TEST_F(BatchPdfsTest, AFolderIsNamedEscapedOnOneLine) {
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "taken") << "a file, not a folder";
  const BatchRun run = Run(1, folder / "taken" / "a\nb");
  EXPECT_EQ(run.err, "tarvel-cli: cannot make the folder '" + (folder / "taken").string() +
                         "/a\\nb': Not a directory\n");
}

TEST(BatchPdfNamesTest, KeptChartsCarryTheirLineNameAndStyle) {
  const ChartState state = AshaState();
  const cli::LinePdf kept = cli::KeepForPdf("out", 12, state, ChartStyle::North);
  EXPECT_EQ(kept.path, "out/0012-Asha-Rao.pdf");
  EXPECT_EQ(kept.document, MakeChartDocument(state, {}, ChartStyle::North));
  EXPECT_EQ(kept.document.face.style, ChartStyle::North);
}

// A line's style, in any letter case, overrides the batch's; a style no drawing has is the
// line's error, and the JSON is the same in every style.
TEST_F(BatchPdfsTest, EachLinesPdfTakesItsOwnStyleOrTheBatchs) {
  const std::string birth =
      R"({"date":"1980-03-05","time":"14:07","zone":34,"lat":"18:58N","lon":"72:49E")";
  std::istringstream in(birth + R"(,"style":"NORTH"})" + "\n" + birth + "}\n" + birth +
                        R"(,"style":"diamond"})" + "\n");
  std::ostringstream out, err;
  cli::BatchRequest request;
  request.pdfDir = (folder / "styled").string();
  request.exporter = &exporter;
  request.style = ChartStyle::East;
  EXPECT_EQ(cli::RunBatch(in, request, out, err), 1);
  const std::vector<std::string> lines = SplitLines(out.str());
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], lines[1]);
  EXPECT_NE(lines[2].find(R"(style 'diamond' is not south, north or east)"), std::string::npos);
  ASSERT_EQ(exporter.calls.size(), 2u);
  EXPECT_EQ(exporter.calls[0].document.face.style, ChartStyle::North);
  EXPECT_EQ(exporter.calls[1].document.face.style, ChartStyle::East);
}

}  // namespace
}  // namespace tarvel::testing
