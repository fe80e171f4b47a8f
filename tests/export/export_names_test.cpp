#include <gtest/gtest.h>

#include <string>

#include "export/export_names.h"

namespace tarvel {
namespace {

struct StemCase {
  const char* name;
  const char* stem;
};

constexpr StemCase kStems[] = {
    {"Asha Rao", "Asha-Rao"},
    {"  Asha   Rao  ", "Asha-Rao"},
    {"O'Brien, Jr.", "O-Brien-Jr"},
    {"../../etc/passwd", "etc-passwd"},
    {"a/b\\c:d*e?f\"g<h>i|j", "a-b-c-d-e-f-g-h-i-j"},
    {"\xC4\x80nanda Devi", "nanda-Devi"},  // "Ānanda": letters outside ASCII go
    {"", ""},
    {" !!! ", ""},
    {"Ravi2", "Ravi2"},
    {"-Meera-", "Meera"},
};

TEST(ExportNamesTest, StemsKeepOnlySafeCharacters) {
  for (const StemCase& test : kStems) EXPECT_EQ(SafeFileStem(test.name), test.stem) << test.name;
}

TEST(ExportNamesTest, LongNamesAreCutWithoutATrailingHyphen) {
  const std::string name = "Venkata Lakshmi Narasimha Subrahmanya Sastry Chakravarthy";
  const std::string stem = SafeFileStem(name);
  EXPECT_LE(stem.size(), 48u);
  EXPECT_EQ(stem, "Venkata-Lakshmi-Narasimha-Subrahmanya-Sastry-Cha");
  EXPECT_EQ(SafeFileStem(std::string(47, 'x') + " yz"), std::string(47, 'x'));
}

struct BatchNameCase {
  std::uint64_t line;
  const char* name;
  const char* file;
};

constexpr BatchNameCase kBatchNames[] = {
    {4, "Asha Rao", "0004-Asha-Rao.pdf"},
    {1, "", "0001.pdf"},
    {123, "..", "0123.pdf"},
    {12345, "Ravi", "12345-Ravi.pdf"},
};

TEST(ExportNamesTest, BatchPdfNamesStartWithTheLineNumber) {
  for (const BatchNameCase& test : kBatchNames) {
    EXPECT_EQ(BatchPdfName(test.line, test.name), test.file) << test.file;
  }
}

TEST(ExportNamesTest, SaveDialogsOfferTheNameOrChart) {
  EXPECT_EQ(ExportFileName(" Asha Rao ", "pdf"), "Asha-Rao.pdf");
  EXPECT_EQ(ExportFileName("", "png"), "chart.png");
}

}  // namespace
}  // namespace tarvel
