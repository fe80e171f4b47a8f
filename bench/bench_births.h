#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "chart/chart_state.h"
#include "cli/chart/birth_options.h"

namespace tarvel::bench {

/// A birth as the command line takes it.
struct SampleBirth {
  std::string_view date;
  std::string_view time;
  int zone;
  std::string_view latitude;
  std::string_view longitude;
  bool dst;
};

/// Births spread over the years the form offers and over both hemispheres, so that the
/// loops whose length depends on the date run their typical counts.
inline constexpr std::array<SampleBirth, 8> kSampleBirths{{
    {"1980-03-05", "14:07", 34, "18:58N", "72:49E", false},
    {"1903-11-21", "03:45", 29, "51:30N", "0:7W", false},
    {"1947-08-15", "00:00", 34, "28:36N", "77:12E", false},
    {"1969-07-20", "20:17", 27, "28:31N", "80:39W", true},
    {"2001-09-11", "08:46", 24, "40:42N", "74:0W", false},
    {"2024-02-29", "23:59", 8, "33:52S", "151:12E", true},
    {"1925-06-30", "12:00", 38, "35:41N", "139:41E", false},
    {"2049-12-31", "06:30", 14, "23:33S", "46:38W", false},
}};

/// The options of a sample birth, with a name and a place.
cli::BirthOptions SampleOptions(const SampleBirth& birth);

/// One chart state per sample birth, each with its BirthData filled and the chain run once in
/// the classic sky, so that every stage can run on its own.
std::vector<ChartState> SampleStates();

}  // namespace tarvel::bench
