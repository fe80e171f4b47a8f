#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <set>
#include <string>
#include <string_view>

#include "chart/skies.h"
#include "form/open_reading.h"
#include "form/reading_file_writer.h"
#include "reading_file_test_support.h"
#include "temp_folder.h"

namespace tarvel {
namespace {

namespace fs = std::filesystem;
using testing::AshaBirth;
using testing::AshaForm;
using testing::AshaLines;
using testing::FileOf;
using testing::kAshaZoneRow;

using testing::ReadAll;
using testing::WriteAll;

class ReadingFileDiskTest : public testing::TempFolderTest {
 protected:
  std::set<std::string> FolderEntries() const { return Entries(); }

  BirthForm form;
  const Skies skies;
  const Sky& sky = skies.For({});
  ChartState state;
};

TEST_F(ReadingFileDiskTest, SaveWritesTheReadingFile) {
  const fs::path path = folder / "asha.tvl";
  ASSERT_EQ(SaveReading(path, AshaBirth(), RowZone(kAshaZoneRow)), std::nullopt);
  EXPECT_EQ(ReadAll(path), FileOf(AshaLines()));
  EXPECT_EQ(FolderEntries(), std::set<std::string>{"asha.tvl"});
}

TEST_F(ReadingFileDiskTest, OpeningThenSavingUnderAnotherNameGivesAnIdenticalFile) {
  const fs::path original = folder / "asha.tvl";
  const fs::path copy = folder / "copy.tvl";
  WriteAll(original, FileOf(AshaLines()));
  ASSERT_EQ(OpenReading(original, form, state, skies), std::nullopt);
  EXPECT_EQ(form, AshaForm());
  ASSERT_EQ(SaveReading(copy, state.BirthData, state.Zone), std::nullopt);
  EXPECT_EQ(ReadAll(copy), ReadAll(original));
}

TEST_F(ReadingFileDiskTest, SavingOverAReadingReplacesItAndKeepsItsPermissions) {
  const fs::path path = folder / "asha.tvl";
  WriteAll(path, "old reading");
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_EQ(SaveReading(path, AshaBirth(), RowZone(kAshaZoneRow)), std::nullopt);
  EXPECT_EQ(ReadAll(path), FileOf(AshaLines()));
  EXPECT_EQ(fs::status(path).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(FolderEntries(), std::set<std::string>{"asha.tvl"});
}

struct FailedSaveCase {
  std::string_view target;  ///< relative to the test's folder
  std::string_view reason;
};

// The folder holds "old.tvl" (a reading), "plain" (a regular file) and "dir.tvl" (a folder).
constexpr FailedSaveCase kFailedSaves[] = {
    {"missing/asha.tvl", "No such file or directory"},
    {"plain/asha.tvl", "Not a directory"},
    {"dir.tvl", "Is a directory"},
    {"old.tvl", "The file is read-only"},
};

TEST_F(ReadingFileDiskTest, FailedSaveIsReportedAndLeavesEverythingAsItWas) {
  WriteAll(folder / "old.tvl", "old reading");
  fs::permissions(folder / "old.tvl", fs::perms::owner_read | fs::perms::group_read);
  WriteAll(folder / "plain", "text");
  fs::create_directory(folder / "dir.tvl");
  const auto entriesBefore = FolderEntries();
  for (const auto& [target, reason] : kFailedSaves) {
    const fs::path path = folder / target;
    const auto error = SaveReading(path, AshaBirth(), RowZone(kAshaZoneRow));
    const std::string expected =
        "Could not save \"" + path.string() + "\": " + std::string(reason) + ".";
    EXPECT_EQ(error, FileError{expected}) << target;
    EXPECT_EQ(FolderEntries(), entriesBefore) << target;
  }
  EXPECT_EQ(ReadAll(folder / "old.tvl"), "old reading");
  EXPECT_TRUE(fs::is_empty(folder / "dir.tvl"));
}

TEST_F(ReadingFileDiskTest, ATextAFileCannotHoldIsRefusedNamedAndNotSaved) {
  BirthData birth = AshaBirth();
  birth.BirthCity = "Z\u00FCrich";
  const fs::path path = folder / "asha.tvl";
  WriteAll(path, "old reading");
  EXPECT_EQ(SaveReading(path, birth, RowZone(kAshaZoneRow)),
            FileError{"Could not save \"" + path.string() +
                      "\": the city holds \"\u00FC\" (U+00FC), which a reading file cannot hold."});
  EXPECT_EQ(ReadAll(path), "old reading");
  EXPECT_EQ(FolderEntries(), std::set<std::string>{"asha.tvl"});
}

TEST(HasReadingFileEndingTest, OnlyTheExactLowerCaseEndingPasses) {
  struct Case {
    std::string_view name;
    bool passes;
  };
  constexpr Case kCases[] = {
      {"asha.tvl", true},      {"/home/a/asha.tvl", true}, {"ashatvl", true},   {"tvl", true},
      {"asha.TVL", false},     {"asha.Tvl", false},        {"asha.tvL", false}, {"asha.tv", false},
      {"asha.tvl.bak", false}, {"asha.tvl ", false},       {"vl", false},       {"", false},
  };
  for (const auto& [name, passes] : kCases) EXPECT_EQ(HasReadingFileEnding(name), passes) << name;
}

TEST_F(ReadingFileDiskTest, RefusedOpenChangesNothing) {
  WriteAll(folder / "asha.TVL", FileOf(AshaLines()));
  WriteAll(folder / "short.tvl", FileOf(AshaLines()).substr(0, 20));
  // A reading followed by more than a megabyte is not a reading.
  WriteAll(folder / "huge.tvl", FileOf(AshaLines()) + std::string(std::size_t{1} << 20, 'x'));
  fs::create_directory(folder / "dir.tvl");
  const BirthForm formBefore = form;
  for (std::string_view name : {"asha.TVL", "short.tvl", "huge.tvl", "dir.tvl", "absent.tvl"}) {
    EXPECT_EQ(OpenReading(folder / name, form, state, skies), FileError{"Please Check The File."})
        << name;
    EXPECT_EQ(form, formBefore) << name;
    EXPECT_EQ(state.BirthData, BirthData{}) << name;
    EXPECT_TRUE(state.Chart.reading.empty()) << name;
  }
}

TEST_F(ReadingFileDiskTest, APipeFolderOrDeviceIsRefusedAtOnce) {
  ASSERT_EQ(::mkfifo((folder / "pipe.tvl").c_str(), 0644), 0);
  fs::create_directory(folder / "dir.tvl");
  fs::create_symlink("/dev/zero", folder / "zero.tvl");
  fs::create_symlink("/dev/null", folder / "null.tvl");
  const BirthForm formBefore = form;
  for (std::string_view name : {"pipe.tvl", "dir.tvl", "zero.tvl", "null.tvl"}) {
    const fs::path path = folder / name;
    auto answer = std::async(std::launch::async,
                             [this, &path] { return OpenReading(path, form, state, skies); });
    const bool answered = answer.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
    // A reader stuck on the pipe is let go, so that the test ends.
    if (!answered) ::close(::open(path.c_str(), O_WRONLY | O_NONBLOCK));
    EXPECT_TRUE(answered) << name << " blocked the open";
    EXPECT_EQ(answer.get(), FileError{"Please Check The File."}) << name;
    EXPECT_EQ(form, formBefore) << name;
    EXPECT_TRUE(state.Chart.reading.empty()) << name;
  }
}

}  // namespace
}  // namespace tarvel
