#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_app.h"

namespace tarvel::testing {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

/// Runs tarvel-cli in this process with the given arguments (without the program name).
inline CliRun RunCli(const std::vector<std::string>& args) {
  std::vector<const char*> argv{"tarvel-cli"};
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  std::ostringstream out;
  std::ostringstream err;
  CliRun run;
  run.status = cli::RunTarvelCli(static_cast<int>(argv.size()), argv.data(), out, err);
  run.out = out.str();
  run.err = err.str();
  return run;
}

}  // namespace tarvel::testing
