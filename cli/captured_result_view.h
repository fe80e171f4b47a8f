#pragma once

#include "argala/result_view.h"

namespace tarvel::cli {

/// Keeps what a calculation shows, for printing after the run.
class CapturedResultView : public ResultView {
 public:
  void ShowChart(const ChartCaptions& shown) override { captions = shown; }
  void ShowReading(const Reading& shown) override { reading = shown; }
  void BringResultViewToFront() override {}

  ChartCaptions captions;
  Reading reading;
};

}  // namespace tarvel::cli
