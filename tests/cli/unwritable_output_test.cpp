#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "cli/cli_app.h"

namespace tarvel {
namespace {

// A device that takes `room` bytes and then no more, as a disk that fills up.
class FullBuffer : public std::streambuf {
 public:
  explicit FullBuffer(std::streamsize room) : room_(room) {}

 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    return xsputn(nullptr, 1) == 1 ? c : traits_type::eof();
  }
  std::streamsize xsputn(const char*, std::streamsize count) override {
    const std::streamsize taken = std::min(count, room_);
    room_ -= taken;
    return taken;
  }

 private:
  std::streamsize room_;
};

struct UnwritableRun {
  int status = -1;
  std::string err;
};

UnwritableRun RunIntoFullOutput(const std::vector<std::string>& args, std::streamsize room) {
  std::vector<const char*> argv{"tarvel-cli"};
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  FullBuffer full(room);
  std::ostream out(&full);
  std::ostringstream err;
  UnwritableRun run;
  run.status = cli::RunTarvelCli(static_cast<int>(argv.size()), argv.data(), out, err);
  run.err = err.str();
  return run;
}

const std::vector<std::string> kChart = {"chart", "--date", "2000-01-01", "--time",
                                         "12:00", "--zone", "29",         "--lat",
                                         "0:0N",  "--lon",  "0:0W"};

std::vector<std::string> Plus(std::vector<std::string> args, const std::string& more) {
  args.push_back(more);
  return args;
}

// Every command that prints, with nowhere to print to, and with room for only a part.
TEST(UnwritableOutputTest, EveryCommandFailsWithOneLineWhenItsOutputCannotBeWritten) {
  const std::vector<std::string> commands[] = {
      {"zones"},
      {"--version"},
      {"--help"},
      {"chart", "--help"},
      {"batch", "--help"},
      {"places", "--help"},
      {"places", "Mumb"},
      {"places", "Mumb", "--json"},
      kChart,
      Plus(kChart, "--json"),
  };
  for (const std::streamsize room : {0, 10}) {
    for (const auto& args : commands) {
      const UnwritableRun run = RunIntoFullOutput(args, room);
      EXPECT_EQ(run.status, 1) << args[0] << " " << args.back() << ", room " << room;
      EXPECT_EQ(run.err, "tarvel-cli: could not write the output\n") << args.back();
    }
  }
}

// A refusal writes nothing to the output, so it stays the refusal it is.
TEST(UnwritableOutputTest, RefusalsKeepTheirOwnLineAndStatus) {
  const UnwritableRun run = RunIntoFullOutput({"chart", "--date", "2000-13-01"}, 0);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  EXPECT_EQ(run.err.find("could not write"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace tarvel
