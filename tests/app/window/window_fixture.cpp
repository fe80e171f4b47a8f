#include "window_fixture.h"

#include "document/reading_lines.h"

#include "form/calculation_driver.h"
#include "positions/classic/classic_sky.h"

#include <QTest>

namespace tarvel::testing {

ExpectedView CoreView(BirthForm form, const Sky& sky) {
  ChartState state;
  RecordingSink silent;
  EXPECT_FALSE(CalculateReading(form, state, silent, sky).has_value());
  return ViewOf(state.Chart);
}

ExpectedView CoreView(BirthForm form) {
  return CoreView(std::move(form), ClassicSky());
}

ExpectedView ViewOf(const ChartResult& chart) {
  ExpectedView view{BuildChartCaptions(chart.signs, chart.positions.grahaDeg), {}};
  AddNakshatras(view.captions, NakshatrasOf(chart.positions), chart.varga.has_value());
  for (const ReadingRun& run : chart.reading) {
    const DocumentLineKind kind = LineKindOf(run.kind);
    StyledRun& styled = view.runs.emplace_back(StyledRun{{}, LineStyle(kind)});
    styled.text.append(LineOfRun(run, chart.argala));
  }
  return view;
}

QString PlainReading(const std::vector<StyledRun>& runs) {
  QString text;
  for (const StyledRun& run : runs) text += QString::fromStdString(run.text) + '\n';
  return text;
}

ChartCaptions ShownCaptions(const RasiChartView& chart) {
  // A sign box's lines, wrapped between its items, joined by spaces give its caption back.
  const auto texts = [](const auto& placed) {
    std::array<std::string, std::tuple_size_v<std::decay_t<decltype(placed)>>> shown;
    for (std::size_t index = 0; index < placed.size(); ++index) {
      shown[index] = placed[index].lines.join(' ').toStdString();
    }
    return shown;
  };
  const auto text = [](const PlacedText& placed) { return placed.lines.join(' ').toStdString(); };
  const ChartCardLayout& layout = chart.Layout();
  ChartCaptions shown{texts(layout.signTexts),    texts(layout.legend),
                      texts(layout.names),        texts(layout.positions),
                      text(layout.ascendantName), text(layout.ascendantPosition)};
  shown.vargaHeading = text(layout.vargaHeading);
  shown.nakshatraHeading = text(layout.nakshatraHeading);
  for (std::size_t row = 0; row < kListRowCount; ++row) {
    const bool asc = row == kPlanetCount;
    std::string& position = asc ? shown.ascendantPosition : shown.lblPlanets_Position[row];
    ListRow& listed = asc ? shown.ascendantRow : shown.planetRows[row];
    listed.position = position;
    listed.vargaSign = text(layout.vargaSigns[row]);
    listed.nakshatra = text(layout.nakshatras[row]);
    listed.padaAndLord = text(layout.padas[row]);
    // The text outputs' one text a planet gives a varga's sign after the position.
    if (!position.empty() && !listed.vargaSign.empty()) position += "  " + listed.vargaSign;
  }
  return shown;
}

WindowTest::WindowTest() {
  // No question box may block a test: unsaved work is discarded unless a test answers itself.
  window.SetCloseQuestion([](const QString&, LeaveReason) { return CloseAnswer::Discard; });
  window.show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
}

void WindowTest::FillRequiredBoxes(const InputControls& form) {
  form.txtName->setText("Asha Rao");
  form.txtLatDeg->setText("12");
  form.txtLatMin->setText("58");
  form.txtLonDeg->setText("77");
  form.txtLonMin->setText("35");
  form.txtCity->setText("Bengaluru");
  form.txtState->setText("Karnataka");
  form.txtCountry->setText("India");
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
