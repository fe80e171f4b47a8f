#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <thread>

#include "positions/swiss/swiss_calls.h"
#include "positions/swiss/swiss_sky.h"
#include "tests/positions/swiss/reference_charts.h"

namespace tarvel {
namespace {

using swiss_test::ArcGapDeg;
using swiss_test::kArcSecondDeg;

// Runs `work` on a thread of its own, so the library state it changes dies with it.
template <typename Work>
void OnOwnThread(Work work) {
  std::thread([&work] {
    work();
    ReleaseThreadState();
  }).join();
}

TEST(SwissSkyMoshierTest, MissingDataFilesAreReportedAsMoshier) {
  if (std::getenv("SE_EPHE_PATH") != nullptr) {
    GTEST_SKIP() << "SE_EPHE_PATH overrides the folder this test points the library at";
  }
  const swiss_test::ReferenceChart chart = swiss_test::ReferenceCharts()[0];
  const SkySettings settings{SkyKind::Swiss, AyanamsaKind::Lahiri, NodeKind::Mean};
  const std::filesystem::path empty = std::filesystem::temp_directory_path() /
                                      ("tarvel-no-ephemeris-" + std::to_string(::getpid()));
  std::filesystem::create_directories(empty);
  const SwissSky sky(settings, empty.string());
  const BirthInstant instant = swiss_test::InstantFor(chart.birth, chart.zoneRow);
  SkyResult result;
  OnOwnThread([&] { result = sky.Positions(instant); });
  std::filesystem::remove_all(empty);
  ASSERT_EQ(result.error, "");
  EXPECT_EQ(result.positions.ephemeris, SkyEphemeris::Moshier);
  // Moshier's ephemeris follows JPL's within an arc-second for the planets and a few for the
  // Moon (Swiss Ephemeris documentation, 2.1.1.2).
  for (int planet = Sun; planet <= Saturn; ++planet) {
    EXPECT_LE(ArcGapDeg(result.positions.grahaDeg[planet], chart.planetDeg[planet]),
              5 * kArcSecondDeg)
        << kPlanetNames[planet];
  }
  // A sky of the installed folder on the same thread finds the data files again.
  SkyEphemeris elsewhere = SkyEphemeris::ClassicFormulas;
  OnOwnThread([&] {
    result = sky.Positions(instant);
    elsewhere = SwissSky(settings).Positions(instant).positions.ephemeris;
  });
  EXPECT_EQ(elsewhere, SkyEphemeris::SwissFiles);
}

}  // namespace
}  // namespace tarvel
