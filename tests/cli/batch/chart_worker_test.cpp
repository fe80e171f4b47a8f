#include "cli/batch/chart_worker.h"

#include <gtest/gtest.h>

#include "atlas/lazy_atlas.h"
#include "chart/skies.h"
#include "cli/chart/birth_options.h"

namespace tarvel::cli {
namespace {

BirthOptions Birth(const char* date, const char* latitude, bool dst) {
  BirthOptions options;
  options.date = date;
  options.time = "14:07";
  options.zone = 34;
  options.latitude = latitude;
  options.longitude = "72:49E";
  options.dst = dst;
  return options;
}

// A worker reuses one chart state for chart after chart: nothing of one chart may show in
// the next, and a refused birth leaves the output as it was.
TEST(ChartWorkerTest, EachChartIsWhatAFreshWorkerGives) {
  const Skies skies;
  const LazyAtlas atlas;
  const ChartContext context{skies, atlas, {}};
  const BirthOptions first = Birth("1980-03-05", "18:58N", false);
  const BirthOptions second = Birth("2031-11-30", "51:30S", true);
  ChartWorker reused(context);
  std::string reusedOut;
  ASSERT_FALSE(reused.AppendChartJson(first, reusedOut));
  BirthOptions refused = second;
  refused.date = "2031-02-30";
  const std::string beforeRefusal = reusedOut;
  ASSERT_TRUE(reused.AppendChartJson(refused, reusedOut));
  EXPECT_EQ(reusedOut, beforeRefusal);
  ASSERT_FALSE(reused.AppendChartJson(second, reusedOut));

  ChartWorker fresh(context);
  std::string freshOut;
  ASSERT_FALSE(fresh.AppendChartJson(second, freshOut));
  EXPECT_EQ(reusedOut.substr(beforeRefusal.size()), freshOut);
  EXPECT_NE(beforeRefusal, freshOut);
}

}  // namespace
}  // namespace tarvel::cli
