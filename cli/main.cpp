#include <iostream>

#include "cli/cli_app.h"

int main(int argc, char** argv) {
  return tarvel::cli::RunTarvelCli(argc, argv, std::cout, std::cerr);
}
