#include "app/window/tooltips.h"

#include "app/window/text_wrap.h"

#include <QToolTip>
#include <QWidget>
#include <array>
#include <utility>

namespace tarvel {
namespace {

constexpr std::array<std::pair<const char*, const char*>, 32> kToolTips{{
    {"txtName", "The name of the person whose chart this is"},
    {"cboDate", "Day of birth"},
    {"cboMonth", "Month of birth"},
    {"cboYear", "Year of birth: 1900 to 2050 in the classic sky, 1800 to 2399 in the precise sky"},
    {"cboHour", "Hour of birth on the local clock, 0 to 23"},
    {"cboMinute", "Minute of birth on the local clock"},
    {"cboSecond", "Second of birth on the local clock"},
    {"chkDST", "Tick when daylight saving time was in force at the birth"},
    {"cboTimeZone",
     "The zone of the local clock: a row of the list, an exact offset, or local mean time"},
    {"txtZoneOffset", "The exact offset of the local clock from universal time, e.g. +05:45"},
    {"txtLatDeg", "Degrees of latitude of the birthplace, 0 to 90"},
    {"txtLatMin", "Minutes of latitude, 0 to 59"},
    {"optLat_0", "The birthplace lies north of the equator"},
    {"optLat_1", "The birthplace lies south of the equator"},
    {"txtLonDeg", "Degrees of longitude of the birthplace, 0 to 180"},
    {"txtLonMin", "Minutes of longitude, 0 to 59"},
    {"optLong_0", "The birthplace lies east of Greenwich"},
    {"optLong_1", "The birthplace lies west of Greenwich"},
    {"txtCity", "City of birth; choose a suggestion to fill the coordinates and zone"},
    {"txtState", "State or province of birth"},
    {"txtCountry", "Country of birth"},
    {"Command1", "Search the web for the coordinates of the city, state and country"},
    {"cmdCalculate", "Calculate the chart and its reading (Enter)"},
    {"cmdOpen", "Open a reading saved earlier (Ctrl+O)"},
    {"picDisplay", "The Rasi chart: the signs, the planets in them and their positions"},
    {"RTB", "The reading: which planets intervene in the affairs of which"},
    {"tabAnalysis", "The reading, or the synthesis of which Argala stand and which are obstructed"},
    {"txtSummary", "Which Argala stand and which are obstructed, on each planet and each house"},
    {"cboVarga", "The divisional chart on show: the Rasi (D1) or one of the fifteen vargas"},
    {"lblSky", "The sky the chart was calculated in; change it in the Sky menu"},
    {"cmdSave", "Save this reading to a file of its own (Ctrl+Shift+S)"},
    {"cmdBack", "Back to the birth details"},
}};

}  // namespace

void ShowToolTips(QWidget& window) {
  const QFont font = QToolTip::font();
  for (const auto& [name, tip] : kToolTips) {
    if (auto* control = window.findChild<QWidget*>(name)) {
      control->setToolTip(WrapToWidth(tip, font, ReadableWidthPx(font)));
    }
  }
}

}  // namespace tarvel
