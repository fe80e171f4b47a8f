#include "form/reading_file_extension.h"

#include <gtest/gtest.h>

#include "form/reading_file_reader.h"
#include "form/reading_file_writer.h"
#include "form/scramble.h"
#include "reading_file_test_support.h"

namespace tarvel {
namespace {

using testing::AshaBirth;
using testing::AshaForm;
using testing::AshaLines;
using testing::FileOf;
using testing::SplitCrLf;

std::string WithLines(std::string bytes, const std::vector<std::string>& texts) {
  for (const std::string& text : texts) bytes += ScrambleText(text) + "\r\n";
  return bytes;
}

// Asha's birth 30 seconds later in Nepal's 5:45 ahead: the nearest row is Indian Time (34),
// 15 minutes off, and the box goes unticked as the offset has daylight saving in it.
TEST(ReadingFileExtensionTest, SecondsAndAnExactOffsetRoundTripAndOpenOnTheNearestRow) {
  BirthData birth = AshaBirth();
  birth.BirthSecond = 30;
  birth.IsDST = kFalse;
  const std::string bytes = ReadingFileBytes(birth, OffsetZone(20700));
  const std::vector<std::string> lines = SplitCrLf(bytes);
  ASSERT_EQ(lines.size(), 19u);
  EXPECT_EQ(UnscrambleText(lines[6]), "34");
  EXPECT_EQ(UnscrambleText(lines[13]), "False");
  EXPECT_EQ(UnscrambleText(lines[17]), "30");
  EXPECT_EQ(UnscrambleText(lines[18]), "+05:45:00");
  BirthForm expected = AshaForm();
  expected.cboSecond = 30;
  expected.zoneKind = ZoneKind::Offset;
  expected.zoneOffsetSeconds = 20700;
  EXPECT_EQ(ParseReadingFile(bytes), expected);
  std::string first17;
  for (std::size_t line = 0; line < 17; ++line) first17 += lines[line] + "\r\n";
  const auto rowOnly = ParseReadingFile(first17);
  ASSERT_TRUE(rowOnly.has_value());
  EXPECT_EQ(rowOnly->cboTimeZone, 34);
  EXPECT_EQ(rowOnly->zoneKind, ZoneKind::Row);
}

TEST(ReadingFileExtensionTest, LocalMeanTimeAndBehindUniversalTimeAreWritten) {
  struct Case {
    ZoneChoice zone;
    const char* text;
  };
  for (const Case& c : {Case{LocalMeanTimeZone(), "LMT"}, Case{OffsetZone(-16200), "-04:30:00"},
                        Case{OffsetZone(0), "+00:00:00"}}) {
    const auto lines = SplitCrLf(ReadingFileBytes(AshaBirth(), c.zone));
    ASSERT_EQ(lines.size(), 19u) << c.text;
    EXPECT_EQ(UnscrambleText(lines[18]), c.text);
    const auto form = ParseReadingFile(ReadingFileBytes(AshaBirth(), c.zone));
    ASSERT_TRUE(form.has_value()) << c.text;
    EXPECT_EQ(FormZone(*form), c.zone) << c.text;
  }
}

// Any sky but the classic one is line 19, after a second line and an empty zone; a reader of
// the first 17 lines still opens the file.
TEST(ReadingFileExtensionTest, ASkyOtherThanTheClassicOneIsLineNineteen) {
  const SkySettings sky{SkyKind::Swiss, AyanamsaKind::FaganBradley, NodeKind::True};
  const std::string bytes = ReadingFileBytes(AshaBirth(), RowZone(34), sky);
  const auto lines = SplitCrLf(bytes);
  ASSERT_EQ(lines.size(), 20u);
  EXPECT_EQ(
      UnscrambleText(lines[17]) + "|" + UnscrambleText(lines[18]) + "|" + UnscrambleText(lines[19]),
      "0||swiss fagan-bradley true");
  std::optional<SkySettings> read;
  EXPECT_EQ(ParseReadingFile(bytes, &read), AshaForm());
  EXPECT_EQ(read, sky);
  std::string first17;  // as a reader of 17 lines takes it
  for (std::size_t line = 0; line < 17; ++line) first17 += lines[line] + "\r\n";
  EXPECT_EQ(ParseReadingFile(first17), AshaForm());
}

TEST(ReadingFileExtensionTest, ExtraLinesThatDoNotReadSoRefuseTheFile) {
  const std::string file = FileOf(AshaLines());
  ASSERT_TRUE(ParseReadingFile(WithLines(file, {"7", ""})).has_value());
  ASSERT_TRUE(ParseReadingFile(WithLines(file, {"7", "", "Swiss Raman TRUE"})).has_value());
  for (const auto& extra : std::vector<std::vector<std::string>>{{"7"},
                                                                 {"60", ""},
                                                                 {"x", ""},
                                                                 {"7", "+15:00:01"},
                                                                 {"7", "05:30:00"},
                                                                 {"7", "lmt"},
                                                                 {"7", "", ""},
                                                                 {"7", "", "swiss lahiri"},
                                                                 {"7", "", "moon lahiri mean"}}) {
    EXPECT_EQ(ParseReadingFile(WithLines(file, extra)), std::nullopt) << extra[0];
  }
}

}  // namespace
}  // namespace tarvel
