#include "app/window/view_preference.h"

#include "export/placed_text.h"

namespace tarvel {
namespace {

constexpr const char* kChartStyleKey = "view/chartStyle";

}  // namespace

ChartStyle LoadChartStyle(const QSettings& settings) {
  const std::string name = settings.value(kChartStyleKey).toString().toStdString();
  return ParseChartStyle(name).value_or(ChartStyle::South);
}

void SaveChartStyle(QSettings& settings, ChartStyle style) {
  settings.setValue(kChartStyleKey, FromUtf8(ChartStyleCommandName(style)));
}

}  // namespace tarvel
