#include "form/calculation_driver.h"

#include <gtest/gtest.h>

#include "form_test_support.h"
#include "positions/classic/classic_sky.h"

namespace tarvel {
namespace {

using testing::AshaBirth;
using testing::AshaForm;
using testing::RecordingSink;

TEST(ReadBirthDataTest, CopiesEveryFieldOfTheForm) {
  ChartState state;
  BirthForm form = AshaForm();
  form.txtName = "  Asha Rao ";
  form.txtCity = "  Mumbai ";
  form.txtState = " Maharashtra";
  form.txtCountry = "India   ";
  ReadBirthData(form, state);

  const BirthData& birth = state.BirthData;
  EXPECT_EQ(birth.BirthName, "  Asha Rao ");  // the name is kept as typed
  EXPECT_EQ(birth.BirthMonth, 3);
  EXPECT_EQ(birth.BirthDay, 5);
  EXPECT_EQ(birth.BirthYear, 1980);
  EXPECT_EQ(birth.BirthHour, 14);
  EXPECT_EQ(birth.BirthMinute, 7);
  EXPECT_EQ(birth.ZoneHours, 5);  // "Indian Time, IST, -5.3": -5 and -30 in the table
  EXPECT_EQ(birth.ZoneMinutes, 30);
  EXPECT_EQ(birth.LonDeg, 72);
  EXPECT_EQ(birth.LonMin, 49);
  EXPECT_EQ(birth.LatDeg, 18);
  EXPECT_EQ(birth.LatMin, 58);
  EXPECT_EQ(birth.IsEast, -1);
  EXPECT_EQ(birth.IsSouth, 0);
  EXPECT_EQ(birth.IsDST, 0);
  EXPECT_EQ(birth.BirthCity, "Mumbai");
  EXPECT_EQ(birth.BirthState, "Maharashtra");
  EXPECT_EQ(birth.BirthCountry, "India");
}

TEST(ReadBirthDataTest, DirectionsAndDaylightSavingBecomeFlags) {
  struct Case {
    LongitudeChoice longitude;
    LatitudeChoice latitude;
    bool dst;
    Flag16 isEast, isSouth, isDST;
  };
  const Case cases[] = {
      {LongitudeChoice::West, LatitudeChoice::North, false, 0, 0, 0},
      {LongitudeChoice::East, LatitudeChoice::South, true, -1, -1, -1},
      {LongitudeChoice::West, LatitudeChoice::South, true, 0, -1, -1},
  };
  for (const Case& c : cases) {
    ChartState state;
    BirthForm form = AshaForm();
    form.optLong = c.longitude;
    form.optLat = c.latitude;
    form.chkDST = c.dst;
    ReadBirthData(form, state);
    EXPECT_EQ(state.BirthData.IsEast, c.isEast);
    EXPECT_EQ(state.BirthData.IsSouth, c.isSouth);
    EXPECT_EQ(state.BirthData.IsDST, c.isDST);
  }
}

// The zone's direction is dropped: only East/West tells the two halves of the world apart.
TEST(ReadBirthDataTest, ZoneOffsetIsTheMagnitudeOfTheRow) {
  struct Case {
    int row;
    std::int16_t hours, minutes;
  };
  const Case cases[] = {{0, 9, 0},   {5, 10, 30}, {29, 0, 0}, {34, 5, 30},
                        {50, 3, 30}, {61, 0, 0},  {70, 8, 0}, {46, 13, 0}};
  for (const Case& c : cases) {
    ChartState state;
    BirthForm form = AshaForm();
    form.cboTimeZone = c.row;
    ReadBirthData(form, state);
    EXPECT_EQ(state.BirthData.ZoneHours, c.hours) << c.row;
    EXPECT_EQ(state.BirthData.ZoneMinutes, c.minutes) << c.row;
  }
}

TEST(ReadBirthDataTest, LoadDefaultsGiveTheFirstEntryOfEachList) {
  ChartState state;
  ReadBirthData(BirthForm{}, state);
  EXPECT_EQ(state.BirthData.BirthDay, 1);
  EXPECT_EQ(state.BirthData.BirthMonth, 1);
  EXPECT_EQ(state.BirthData.BirthYear, 1900);
  EXPECT_EQ(state.BirthData.BirthHour, 0);
  EXPECT_EQ(state.BirthData.ZoneHours, 9);
  EXPECT_EQ(state.BirthData.IsEast, -1);
  EXPECT_EQ(state.BirthData.IsSouth, 0);
}

TEST(CalculateReadingTest, RefusedFormChangesNothingButTheMissingDirection) {
  ChartState state;
  state.BirthData.BirthName = "Earlier";
  state.Chart.positions.ascendantDeg = 123;
  BirthForm form = AshaForm();
  form.optLat = LatitudeChoice::Neither;
  RecordingSink sink;

  const auto refusal = CalculateReading(form, state, sink, ClassicSky());
  ASSERT_TRUE(refusal);
  EXPECT_EQ(state.BirthData.BirthName, "Earlier");
  EXPECT_EQ(state.Chart.positions.ascendantDeg, 123);
  EXPECT_TRUE(state.Chart.reading.empty());
  EXPECT_EQ(sink.messages.size(), 1u);
}

TEST(CalculateReadingTest, AcceptedFormIsReadAndCalculated) {
  ChartState state;
  BirthForm form = AshaForm();
  RecordingSink sink;

  EXPECT_FALSE(CalculateReading(form, state, sink, ClassicSky()));
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(state.BirthData.ZoneHours, 5);
  EXPECT_EQ(state.BirthData.BirthName, "Asha Rao");
  EXPECT_EQ(state.Zone, RowZone(34));
  // The whole chain ran: the chart is the one the sky and Argala give for this birth.
  EXPECT_EQ(state.Chart, ComputeChart(AshaBirth(), RowZone(34), ClassicSky()));
  EXPECT_EQ(state.Chart.reading.size(), BuildReading(state.Chart.argala).size());
  EXPECT_FALSE(state.Chart.argala.argala.empty());
}

}  // namespace
}  // namespace tarvel
