// The command line, whatever its words. The input up to its first 0x1E byte gives the
// arguments, split at NUL bytes and line feeds; what follows is the standard input a batch
// reads. Exit status 0, 1 or 2; a refusal is one line on stderr and nothing on stdout, and
// whatever stderr says is one line of UTF-8 without control characters.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iostream>
#include <sstream>

#include "base/utf8.h"
#include "cli/cli_app.h"
#include "fuzz/fuzz_bytes.h"

namespace tarvel::fuzz {
namespace {

// Arguments that would write files (a reading, a PDF or a picture) or read beyond the run's
// empty work folder (a path, /dev/zero among them) are left out: the run must not change the
// machine or wait on endless input.
bool StaysInside(const std::vector<std::string>& args) {
  return std::none_of(args.begin(), args.end(), [](const std::string& arg) {
    return arg.find('/') != std::string::npos || arg.starts_with("--save") ||
           arg.starts_with("--pdf") || arg.starts_with("--svg") || arg.starts_with("--png");
  });
}

void CheckErrorLine(std::string_view err) {
  if (err.empty()) return;
  Require(err.back() == '\n' && std::count(err.begin(), err.end(), '\n') == 1,
          "stderr holds one line");
  Require(err.starts_with("tarvel-cli: "), "stderr names the program");
  Require(std::none_of(err.begin(), err.end() - 1,
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }),
          "stderr holds no control character");
  Require(!FindInvalidUtf8(err), "stderr is UTF-8");
}

}  // namespace
}  // namespace tarvel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvel::fuzz;
  const std::string_view text = AsText(data, size);
  const std::size_t split = text.find('\x1e');
  const std::vector<std::string> args = SplitAt(text.substr(0, split), std::string_view("\0\n", 2));
  if (!StaysInside(args)) return 0;
  std::vector<const char*> argv{"tarvel-cli"};
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  std::istringstream standardInput{
      std::string(split == std::string_view::npos ? "" : text.substr(split + 1))};
  std::streambuf* const keptInput = std::cin.rdbuf(standardInput.rdbuf());
  std::ostringstream out;
  std::ostringstream err;
  // Built once for all runs: a fresh atlas for every place would take seconds.
  static const tarvel::LazyAtlas atlas;
  const int status =
      tarvel::cli::RunTarvelCli(static_cast<int>(argv.size()), argv.data(), atlas, out, err);
  std::cin.rdbuf(keptInput);
  std::cin.clear();
  Require(status == 0 || status == 1 || status == 2, "the exit status is 0, 1 or 2");
  if (status == 2) Require(out.str().empty(), "a refusal prints nothing on stdout");
  if (status == 2) Require(!err.str().empty(), "a refusal says why");
  if (status == 0) Require(err.str().empty(), "success says nothing on stderr");
  CheckErrorLine(err.str());
  return 0;
}
