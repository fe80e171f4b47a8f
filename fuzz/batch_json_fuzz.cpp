// Batch input in JSON lines, whatever its bytes: one JSON output line per input line.
#include <cstddef>
#include <cstdint>

#include "fuzz/batch_checks.h"
#include "fuzz/fuzz_bytes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvel::fuzz;
  const std::string_view input = AsText(data, size);
  const BatchOutcome outcome = RunBatchOn(input, false);
  CheckBatchOutput(outcome.output, 1, InputLineCount(input));
  return 0;
}
