#include <fcntl.h>

#include <cstdio>
#include <iostream>

#include "cli/cli_app.h"

namespace {

// A standard stream that was closed gets /dev/null for reading in its place: a file the
// program opens cannot take its number and receive the output, and writing to it fails, so a
// closed output is noticed like a full one.
void StandInForClosedStreams() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) == -1) open("/dev/null", O_RDONLY);
  }
}

}  // namespace

int main(int argc, char** argv) {
  StandInForClosedStreams();
  const int status = tarvel::cli::RunTarvelCli(argc, argv, std::cout, std::cerr);
  // Whatever the C library still holds would be written at exit, too late to report.
  if (std::fflush(stdout) != 0 && status == tarvel::cli::kExitOk) {
    std::cerr << "tarvel-cli: " << tarvel::cli::kOutputFailure << '\n';
    return tarvel::cli::kExitFailed;
  }
  return status;
}
