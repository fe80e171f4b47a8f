#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/message_sink.h"
#include "argala/result_view.h"
#include "example_birth.h"

namespace tarvel::testing {

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
