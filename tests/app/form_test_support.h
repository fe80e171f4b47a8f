#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/birth_form.h"
#include "app/message_sink.h"
#include "argala/result_view.h"

namespace tarvel::testing {

/// A form that passes validation: 5 March 1980, 14:07, Indian time (row 34), 18° 58' N,
/// 72° 49' E, no daylight saving.
inline BirthForm AshaForm() {
  BirthForm form;
  form.txtName = "Asha Rao";
  form.cboDate = 4;
  form.cboMonth = 2;
  form.cboYear = 1980 - kFirstYear;
  form.cboHour = 14;
  form.cboMinute = 7;
  form.cboTimeZone = 34;
  form.txtLatDeg = *DigitText::Parse("18");
  form.txtLatMin = *DigitText::Parse("58");
  form.txtLonDeg = *DigitText::Parse("72");
  form.txtLonMin = *DigitText::Parse("49");
  form.txtCity = "Mumbai";
  form.txtState = "Maharashtra";
  form.txtCountry = "India";
  return form;
}

/// Remembers every message it is asked to show.
class RecordingSink : public MessageSink {
 public:
  void ShowMessage(std::string_view text, MessageIcon icon) override {
    messages.emplace_back(std::string(text), icon);
  }
  std::vector<std::pair<std::string, MessageIcon>> messages;
};

/// Remembers everything a calculation shows.
class RecordingView : public ResultView {
 public:
  void ShowChart(const ChartCaptions& captions) override { charts.push_back(captions); }
  void ShowReading(const Reading& reading) override { readings.push_back(reading); }
  void BringResultViewToFront() override { ++broughtToFront; }

  std::vector<ChartCaptions> charts;
  std::vector<Reading> readings;
  int broughtToFront = 0;
};

}  // namespace tarvel::testing
