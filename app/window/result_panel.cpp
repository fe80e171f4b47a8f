#include "app/window/result_panel.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/window/arrow_key.h"
#include "app/window/varga_selector.h"
#include "web/about/named.h"

namespace tarvel {
namespace {

const QColor kViewBackground(22, 30, 44);
const QColor kViewText(226, 232, 240);
const QColor kReadingBackground(10, 14, 22);
constexpr int kReadingFontPx = 13;
constexpr int kReadingMinWidthPx = 340;

void UseDarkColours(QWidget* view) {
  QPalette palette = view->palette();
  palette.setColor(QPalette::Window, kViewBackground);
  palette.setColor(QPalette::WindowText, kViewText);
  palette.setColor(QPalette::Base, kReadingBackground);
  palette.setColor(QPalette::Text, kViewText);
  view->setPalette(palette);
  view->setAutoFillBackground(true);
}

QTextEdit* CreateReadingBox(QWidget* parent) {
  auto* box = Named(new QTextEdit(parent), "RTB");
  box->setReadOnly(true);
  box->setMinimumWidth(kReadingMinWidthPx);
  QFont font = box->font();
  font.setPixelSize(kReadingFontPx);
  box->setFont(font);
  return box;
}

QHBoxLayout* SelectorRow(QComboBox* selector, QLabel* arrowKey, QWidget* parent) {
  auto* row = new QHBoxLayout;
  auto* label = new QLabel("&Chart:", parent);
  label->setBuddy(selector);
  row->addWidget(label);
  row->addWidget(selector);
  row->addStretch();
  row->addWidget(arrowKey);
  return row;
}

// The explanation stands above the tabs, as wide as they are, and takes no room while
// there is none.
QLabel* CreateCaption(RasiChartView* chart, QWidget* parent) {
  auto* caption = Named(new QLabel(parent), "lblExplanation");
  caption->setWordWrap(true);
  caption->hide();
  QObject::connect(chart, &RasiChartView::explanationChanged, caption,
                   [caption](const QString& text) {
                     caption->setText(text);
                     caption->setVisible(!text.isEmpty());
                   });
  return caption;
}

}  // namespace

ResultControls BuildResultView(QWidget* parent) {
  ResultControls controls;
  controls.Frame2 = Named(new QGroupBox("Vedic Argala Planetary Intervention", parent), "Frame2");
  UseDarkColours(controls.Frame2);
  controls.lblHeader = Named(new QLabel(controls.Frame2), "lblHeader");
  controls.lblHeader->setWordWrap(true);
  controls.chart = new RasiChartView(controls.Frame2);
  controls.RTB = CreateReadingBox(controls.Frame2);
  controls.analysis = BuildAnalysisTabs(controls.RTB, controls.Frame2);
  controls.periods = Named(new PeriodsView(controls.analysis.tabs), "tabPeriods");
  controls.analysis.tabs->addTab(controls.periods, "&Periods");
  QObject::connect(controls.periods, &PeriodsView::periodChosen, controls.chart,
                   &RasiChartView::ShowPeriodArgala);
  controls.cboVarga = BuildVargaSelector(controls.Frame2);
  controls.lblExplanation = CreateCaption(controls.chart, controls.Frame2);
  controls.lblArrowKey = CreateArrowKey(controls.chart, controls.Frame2);
  controls.lblSky = Named(new QLabel(controls.Frame2), "lblSky");
  controls.cmdSave = Named(new QPushButton("&Save", controls.Frame2), "cmdSave");
  controls.cmdBack = Named(new QPushButton("&Back", controls.Frame2), "cmdBack");

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(controls.cmdBack);
  buttons->addStretch();
  buttons->addWidget(controls.cmdSave);
  auto* chartColumn = new QVBoxLayout;
  chartColumn->addLayout(SelectorRow(controls.cboVarga, controls.lblArrowKey, controls.Frame2));
  chartColumn->addWidget(controls.chart, 1);
  chartColumn->addLayout(buttons);
  auto* readingColumn = new QVBoxLayout;
  readingColumn->addWidget(controls.lblSky);
  readingColumn->addWidget(controls.lblExplanation);
  readingColumn->addWidget(controls.analysis.tabs, 1);
  auto* columns = new QHBoxLayout;
  columns->addLayout(chartColumn);
  columns->addLayout(readingColumn, 1);
  auto* layout = new QVBoxLayout(controls.Frame2);
  layout->addWidget(controls.lblHeader);
  layout->addLayout(columns, 1);
  return controls;
}

}  // namespace tarvel
