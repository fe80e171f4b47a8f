#include "app/window/summary_view.h"

#include "app/window/reading_text.h"
#include "web/about/named.h"

namespace tarvel {

AnalysisTabs BuildAnalysisTabs(QTextEdit* reading, QWidget* parent) {
  AnalysisTabs built;
  built.tabs = Named(new QTabWidget(parent), "tabAnalysis");
  built.summary = Named(new QTextEdit(built.tabs), "txtSummary");
  built.summary->setReadOnly(true);
  built.summary->setFont(reading->font());
  built.tabs->addTab(reading, "&Reading");
  built.tabs->addTab(built.summary, "S&ummary");
  return built;
}

void ShowSummaryText(const ChartDocument& document, QTextEdit& box) {
  ShowReadingText(document.summary, box);
}

}  // namespace tarvel
