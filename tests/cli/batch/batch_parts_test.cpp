#include <gtest/gtest.h>

#include <atomic>
#include <sstream>
#include <thread>

#include "base/utf8.h"
#include "cli/batch/batch_csv.h"
#include "cli/batch/batch_lines.h"
#include "cli/batch/batch_pipeline.h"
#include "cli/batch/batch_progress.h"

namespace tarvel {
namespace {

TEST(SplitCsvLineTest, SplitsAtCommasOutsideQuotes) {
  struct Case {
    std::string line;
    std::vector<std::string> cells;
  };
  const Case cases[] = {
      {"", {""}},
      {"a", {"a"}},
      {"a,b,c", {"a", "b", "c"}},
      {",,", {"", "", ""}},
      {"\"a,b\",c", {"a,b", "c"}},
      {"\"\"", {""}},
      {"\"say \"\"hi\"\"\",x", {"say \"hi\"", "x"}},
      {"\"\"\"\"", {"\""}},
      {" a , b ", {" a ", " b "}},
      {"a,\"\"", {"a", ""}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> cells = {"left over"};
    EXPECT_EQ(cli::SplitCsvLine(c.line, cells), std::nullopt) << c.line;
    EXPECT_EQ(cells, c.cells) << c.line;
  }
}

TEST(SplitCsvLineTest, RefusesBrokenQuoting) {
  const std::pair<std::string, std::string> cases[] = {
      {"\"a", "CSV field 1 has no closing quote"},
      {"a,\"b\"\"", "CSV field 2 has no closing quote"},
      {"a\"b", "CSV field 1 has a quote but does not start with one"},
      {"\"a\"b,c", "CSV field 1 has text after its closing quote"},
      {"x,\"a\" ,c", "CSV field 2 has text after its closing quote"},
  };
  for (const auto& [line, refusal] : cases) {
    std::vector<std::string> cells;
    EXPECT_EQ(cli::SplitCsvLine(line, cells), refusal) << line;
  }
}

TEST(FindInvalidUtf8Test, FindsTheFirstByteThatBreaksUtf8) {
  const std::pair<std::string, std::optional<std::size_t>> cases[] = {
      {"", std::nullopt},
      {"plain ascii", std::nullopt},
      {"Z\xC3\xBCrich", std::nullopt},     // ü
      {"\xE2\x82\xAC 5", std::nullopt},    // €
      {"\xF0\x9F\x98\x80", std::nullopt},  // U+1F600
      {"\xF4\x8F\xBF\xBF", std::nullopt},  // U+10FFFF, the last code point
      {"Z\xFCrich", 1},                    // Latin-1 ü
      {"ab\x80", 2},                       // a lone continuation byte
      {"\xC0\x80", 0},                     // overlong NUL
      {"\xC1\xBF", 0},                     // overlong
      {"\xE0\x80\xAF", 0},                 // overlong three-byte form
      {"\xF0\x80\x80\xAF", 0},             // overlong four-byte form
      {"\xED\xA0\x80", 0},                 // a UTF-16 surrogate
      {"\xF4\x90\x80\x80", 0},             // beyond U+10FFFF
      {"\xF5\x80\x80\x80", 0},             // no such lead byte
      {"ok \xE2\x82", 3},                  // cut off at the end
      {"\xE2\x28\xA1", 0},                 // second byte no continuation
      {"\xF0\x9F\x98\x28", 0},             // fourth byte no continuation
      {"12345678\x80", 8},                 // after a word of ASCII
      {"1234567\xC3\xBC"
       "12345678\xFF",
       17},                              // a sequence across a word's edge
      {"0123456789abcdef\xE2\x82", 16},  // cut off after two words
  };
  for (const auto& [text, invalid] : cases) {
    EXPECT_EQ(FindInvalidUtf8(text), invalid) << text;
  }
}

struct ReadLine {
  std::string text;
  cli::LineShape shape;
};

std::vector<ReadLine> ReadAll(const std::string& input, std::size_t maxLineBytes) {
  std::istringstream in(input);
  cli::LineReader reader(in, maxLineBytes);
  std::vector<ReadLine> lines;
  std::string text;
  while (const auto shape = reader.AppendNextLine(text)) {
    lines.push_back({text, *shape});
    text.clear();
  }
  return lines;
}

TEST(LineReaderTest, SplitsLinesAcrossItsBuffer) {
  // Lines of every length from 0 to 999 bytes: well over one buffer's worth.
  std::string input;
  for (int length = 0; length < 1000; ++length) input += std::string(length, 'x') + "\n";
  const auto lines = ReadAll(input, 4096);
  ASSERT_EQ(lines.size(), 1000u);
  for (std::size_t length = 0; length < lines.size(); ++length) {
    EXPECT_EQ(lines[length].text, std::string(length, 'x'));
    EXPECT_EQ(lines[length].shape.length, length);
    EXPECT_FALSE(lines[length].shape.tooLong);
  }
}

TEST(LineReaderTest, KeepsOnlyTheLimitOfALongLine) {
  const auto lines = ReadAll(std::string(200000, 'y') + "\nshort\n", 100);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].text, std::string(100, 'y'));
  EXPECT_TRUE(lines[0].shape.tooLong);
  EXPECT_EQ(lines[1].text, "short");
  EXPECT_FALSE(lines[1].shape.tooLong);
  // Exactly at the limit is whole.
  const auto atLimit = ReadAll(std::string(100, 'z') + "\n", 100);
  ASSERT_EQ(atLimit.size(), 1u);
  EXPECT_FALSE(atLimit[0].shape.tooLong);
}

TEST(LineReaderTest, ReadsALastLineWithoutLineFeed) {
  const auto lines = ReadAll("one\ntwo", 100);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1].text, "two");
  EXPECT_TRUE(ReadAll("", 100).empty());
  EXPECT_EQ(ReadAll("\n", 100).size(), 1u);
}

TEST(LineReaderTest, SkipsAByteOrderMarkAndFindsTheFirstNonBlankByte) {
  std::istringstream in("\xEF\xBB\xBF \r\n\t{x}\n");
  cli::LineReader reader(in, 100);
  EXPECT_EQ(reader.FirstNonBlankByte(), '{');
  std::string text;
  ASSERT_TRUE(reader.AppendNextLine(text));
  EXPECT_EQ(text, " \r");
  std::istringstream blank(" \n\n");
  EXPECT_EQ(cli::LineReader(blank, 100).FirstNonBlankByte(), std::nullopt);
  // Beyond the first buffer's worth of blank lines, which are kept to be read.
  std::istringstream late(std::string(100000, '\n') + "{}\n");
  cli::LineReader lateReader(late, 100);
  EXPECT_EQ(lateReader.FirstNonBlankByte(), '{');
  ASSERT_TRUE(lateReader.AppendNextLine(text = ""));
  EXPECT_EQ(text, "");
}

// A pipeline whose jobs carry their sequence number as text, computed after a delay that
// varies, so that workers finish out of order.
TEST(OrderedPipelineTest, WritesJobsInTheOrderTheyWereReadAndEndsEveryWorker) {
  for (std::size_t workers : {1, 2, 5}) {
    int nextJob = 0;
    std::atomic<std::size_t> workersEnded = 0;
    std::vector<std::string> written;
    const cli::PipelineStages stages{
        .read =
            [&](cli::BatchJob& job) {
              job.text = std::to_string(nextJob);
              job.lines.push_back({});
              return ++nextJob < 200;
            },
        .readWouldWait = {},
        .compute =
            [](cli::BatchJob& job, std::size_t) {
              std::this_thread::sleep_for(std::chrono::microseconds(std::stoi(job.text) % 7 * 50));
              job.output = "job " + job.text;
            },
        .write =
            [&](const cli::BatchJob& job) {
              written.push_back(job.output);
              return true;
            },
        .workerEnds = [&] { ++workersEnded; },
    };
    EXPECT_TRUE(cli::RunOrderedPipeline(workers, stages));
    EXPECT_EQ(workersEnded, workers);
    ASSERT_EQ(written.size(), 200u) << workers;
    for (std::size_t i = 0; i < written.size(); ++i)
      EXPECT_EQ(written[i], "job " + std::to_string(i));
  }
}

TEST(OrderedPipelineTest, StopsWhenWritingFailsAndNeverComputesOnOneWorkerTwice) {
  std::atomic<int> busy[2] = {0, 0};
  std::atomic<bool> overlapped = false;
  int nextJob = 0;
  int writes = 0;
  const cli::PipelineStages stages{
      .read =
          [&](cli::BatchJob& job) {
            job.lines.push_back({});
            return ++nextJob < 1000;
          },
      .readWouldWait = {},
      .compute =
          [&](cli::BatchJob&, std::size_t worker) {
            if (busy[worker]++ != 0) overlapped = true;
            std::this_thread::sleep_for(std::chrono::microseconds(20));
            --busy[worker];
          },
      .write = [&](const cli::BatchJob&) { return ++writes < 10; },
      .workerEnds = {},
  };
  EXPECT_FALSE(cli::RunOrderedPipeline(2, stages));
  EXPECT_EQ(writes, 10);
  EXPECT_LT(nextJob, 1000);  // reading stopped too
  EXPECT_FALSE(overlapped);
}

TEST(BatchProgressTest, ShowsLinesRateAndTime) {
  EXPECT_EQ(cli::ProgressText(1000, 2.0), "1000 lines, 500 lines/s, 2.0 s");
  EXPECT_EQ(cli::ProgressText(0, 0.0), "0 lines, 0 lines/s, 0.0 s");
  EXPECT_EQ(cli::ProgressText(12345678, 10.25), "12345678 lines, 1204456 lines/s, 10.2 s");
}

TEST(BatchProgressTest, WritesOnlyWhenEnabled) {
  std::ostringstream quiet;
  cli::BatchProgress off(quiet, false);
  off.Update(10);
  off.Finish(10);
  EXPECT_TRUE(quiet.str().empty());

  std::ostringstream terminal;
  cli::BatchProgress on(terminal, true);
  on.Finish(42);
  const std::string text = terminal.str();
  EXPECT_EQ(text.rfind("\r\x1b[K42 lines, ", 0), 0u) << text;
  EXPECT_TRUE(text.ends_with(" s\n")) << text;
}

}  // namespace
}  // namespace tarvel
