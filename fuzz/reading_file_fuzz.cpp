// Reading files from anywhere: a file that is refused changes nothing (but the form, for a
// place off the globe), and one that opens saves and opens again to the same birth.
#include <cstddef>
#include <cstdint>

#include "base/text.h"
#include "chart/skies.h"
#include "form/calculation_driver.h"
#include "form/open_reading.h"
#include "form/reading_file_reader.h"
#include "form/reading_file_writer.h"
#include "fuzz/fuzz_bytes.h"

namespace tarvel::fuzz {
namespace {

// The window at load with a chart on show, as a user who opens a file has.
struct ShownChart {
  BirthForm form;
  ChartState state;
};

ShownChart FreshChart(const Sky& sky) {
  ShownChart shown;
  shown.form.txtName = "Ravi";
  shown.form.txtLatDeg = shown.form.txtLonDeg = *DigitText::Parse("12");
  shown.form.txtLatMin = shown.form.txtLonMin = *DigitText::Parse("34");
  ReadBirthData(shown.form, shown.state);
  RunCalculationChain(shown.state, sky);
  return shown;
}

void CheckRefusal(const FileError& error, std::string_view bytes, const ShownChart& before,
                  const ShownChart& after) {
  Require(after.state.BirthData == before.state.BirthData, "a refused file keeps the birth");
  Require(after.state.Chart == before.state.Chart, "a refused file keeps the chart");
  const auto parsed = ParseReadingFile(bytes);
  if (error.filledForm) {
    Require(parsed && after.form == *parsed,
            "a place off the globe or a missing day fills the form");
  } else {
    Require(!parsed, "only a damaged file is refused whole");
    Require(after.form == before.form, "a damaged file keeps the form");
  }
}

// Saving trims the name's spaces, as the window's save does; all else comes back as it was.
void CheckSavedAgain(const ShownChart& opened, const Skies& skies) {
  if (UnsavableText(opened.state.BirthData)) return;
  const SkySettings& sky = opened.state.Chart.sky;
  const std::string saved = ReadingFileBytes(opened.state.BirthData, opened.state.Zone, sky);
  ShownChart again = FreshChart(skies.For({}));
  Require(!OpenReadingBytes(saved, again.form, again.state, skies), "a saved reading opens");
  BirthData expected = opened.state.BirthData;
  expected.BirthName = std::string(TrimSpaces(expected.BirthName));
  Require(again.state.BirthData == expected, "a saved reading opens to the same birth");
  Require(ReadingFileBytes(again.state.BirthData, again.state.Zone, again.state.Chart.sky) == saved,
          "saving the opened reading gives the same bytes");
}

}  // namespace
}  // namespace tarvel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvel;
  using namespace tarvel::fuzz;
  static const Skies skies;
  static const ShownChart before = FreshChart(skies.For({}));
  const std::string_view bytes = AsText(data, size);
  ShownChart after = before;
  if (auto error = OpenReadingBytes(bytes, after.form, after.state, skies)) {
    CheckRefusal(*error, bytes, before, after);
    return 0;
  }
  Require(ParseReadingFile(bytes) == after.form, "an opened file fills the form it describes");
  CheckSavedAgain(after, skies);
  return 0;
}
