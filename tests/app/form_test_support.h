#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/birth_form.h"
#include "app/message_sink.h"

namespace tarvel::testing {

/// A form that passes validation: 5 March 1980, 14:07, Indian time, 18° 58' N, 72° 49' E.
inline BirthForm MumbaiForm() {
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

}  // namespace tarvel::testing
