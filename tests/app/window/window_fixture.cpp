#include "window_fixture.h"

#include "app/calculation_driver.h"
#include "positions/classic_sky.h"

#include <QTest>

namespace tarvel::testing {

ExpectedView CoreView(BirthForm form) {
  ChartState state;
  RecordingSink silent;
  EXPECT_FALSE(CalculateReading(form, state, silent, ClassicSky()).has_value());
  const ChartResult& chart = state.Chart;
  ExpectedView view{BuildChartCaptions(chart.signs, chart.positions.grahaDeg), {}};
  for (const ReadingRun& run : chart.reading) {
    StyledRun& styled = view.runs.emplace_back(StyledRun{{}, RunStyle(run.kind)});
    AppendRunText(styled.text, run, chart.argala);
  }
  return view;
}

QString PlainReading(const std::vector<StyledRun>& runs) {
  QString text;
  for (const StyledRun& run : runs) text += QString::fromStdString(run.text);
  return text.replace("\r\n", "\n");
}

WindowTest::WindowTest() {
  window.show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
}

void WindowTest::FillRequiredBoxes() {
  in.txtName->setText("Asha Rao");
  in.txtLatDeg->setText("12");
  in.txtLatMin->setText("58");
  in.txtLonDeg->setText("77");
  in.txtLonMin->setText("35");
  in.txtCity->setText("Bengaluru");
  in.txtState->setText("Karnataka");
  in.txtCountry->setText("India");
}

void Choose(QComboBox* list, const QString& text) {
  const int index = list->findText(text, Qt::MatchExactly);
  ASSERT_GE(index, 0) << text.toStdString();
  list->setCurrentIndex(index);
}

std::vector<std::string> WindowTest::MessageTexts() const {
  std::vector<std::string> texts;
  for (const ShownMessage& message : sink.messages) texts.push_back(message.text);
  return texts;
}

}  // namespace tarvel::testing
