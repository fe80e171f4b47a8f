#include <swephexp.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "positions/swiss/swiss_calls.h"
#include "positions/swiss/swiss_sky.h"
#include "tests/positions/swiss/reference_charts.h"

namespace tarvel {
namespace {

using swiss_test::ArcGapDeg;
using swiss_test::kArcSecondDeg;
using swiss_test::ReferenceChart;
using swiss_test::ReferenceCharts;

// The built-in Moshier ephemeris follows JPL's within an arc-second for the planets and a
// few for the Moon (Swiss Ephemeris documentation, 2.1.1.2).
constexpr double kMoshierToleranceDeg = 5 * kArcSecondDeg;

// An empty folder of its own, removed at the end of the test.
class EmptyFolder {
 public:
  EmptyFolder()
      : path_(std::filesystem::temp_directory_path() /
              ("tarvel-no-ephemeris-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(path_);
  }
  ~EmptyFolder() { std::filesystem::remove_all(path_); }
  std::string Path() const { return path_.string() + "/"; }

 private:
  std::filesystem::path path_;
};

// Runs `work` on a thread of its own, so the library state it changes dies with it.
template <typename Work>
void OnOwnThread(Work work) {
  std::thread thread([&work] {
    work();
    ReleaseThreadState();
  });
  thread.join();
}

TEST(SwissSkyMoshierTest, MissingDataFilesAreReportedAsMoshier) {
  if (std::getenv("SE_EPHE_PATH") != nullptr) {
    GTEST_SKIP() << "SE_EPHE_PATH overrides the folder this test points the library at";
  }
  const ReferenceChart chart = ReferenceCharts()[0];
  const SwissSky sky({SkyKind::Swiss, AyanamsaKind::Lahiri, NodeKind::Mean});
  const EmptyFolder empty;
  SwissSkyResult result;
  OnOwnThread([&] {
    swe_set_ephe_path(empty.Path().c_str());
    result = sky.TryPositions(chart.birth, chart.zoneRow);
  });
  ASSERT_TRUE(result.positions.has_value()) << result.error;
  EXPECT_EQ(result.positions->ephemeris, SkyEphemeris::Moshier);
  for (int planet = Sun; planet <= Saturn; ++planet) {
    EXPECT_LE(ArcGapDeg(result.positions->grahaDeg[planet], chart.planetDeg[planet]),
              kMoshierToleranceDeg)
        << kPlanetNames[planet];
  }

  // A thread that never pointed the library elsewhere still finds the data files.
  SkyEphemeris elsewhere = SkyEphemeris::ClassicFormulas;
  OnOwnThread([&] { elsewhere = sky.Positions(chart.birth, chart.zoneRow).ephemeris; });
  EXPECT_EQ(elsewhere, SkyEphemeris::SwissFiles);
}

}  // namespace
}  // namespace tarvel
