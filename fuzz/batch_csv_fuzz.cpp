// Batch input in CSV, whatever its bytes: the first byte puts one of a few headers before the
// lines or leaves the input its own. A refused header gives one line for line 1 and no more;
// otherwise each line after the header gives one output line.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/batch_checks.h"
#include "fuzz/fuzz_bytes.h"

namespace {

constexpr std::array<std::string_view, 4> kHeaders = {
    "",
    "date,time,zone,lat,lon\n",
    "date,time,zone,lat,lon,dst,name,city,state,country\n",
    "place,date,time,sky,ayanamsa,node,zone,dst,lat,lon\n",
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvel::fuzz;
  FuzzBytes bytes(data, size);
  const std::string input =
      std::string(kHeaders[bytes.Byte() % kHeaders.size()]) + std::string(bytes.Rest());
  const BatchOutcome outcome = RunBatchOn(input, true);
  const std::size_t lines = InputLineCount(input);
  if (outcome.output.starts_with("{\"line\":1,")) {
    CheckBatchOutput(outcome.output, 1, 1);
  } else {
    CheckBatchOutput(outcome.output, 2, lines == 0 ? 0 : lines - 1);
  }
  return 0;
}
