#include "app/window/summary_view.h"

#include <QApplication>
#include <QTabBar>

#include "app/window/reading_text.h"
#include "web/about/named.h"

namespace tarvel {
namespace {

// The tabs keep the system's colours: with the result view's dark ground and light text the
// style draws light labels on light tabs. Each role is set, so none is taken from the view.
QPalette SystemTabColours() {
  QPalette palette = QApplication::palette();
  for (const QPalette::ColorRole role :
       {QPalette::Window, QPalette::WindowText, QPalette::Button, QPalette::ButtonText}) {
    palette.setBrush(role, QApplication::palette().brush(role));
  }
  return palette;
}

}  // namespace

AnalysisTabs BuildAnalysisTabs(QTextEdit* reading, QWidget* parent) {
  AnalysisTabs built;
  built.tabs = Named(new QTabWidget(parent), "tabAnalysis");
  built.summary = Named(new QTextEdit(built.tabs), "txtSummary");
  built.summary->setReadOnly(true);
  built.summary->setFont(reading->font());
  built.tabs->tabBar()->setPalette(SystemTabColours());
  built.tabs->addTab(reading, "&Reading");
  built.tabs->addTab(built.summary, "S&ummary");
  return built;
}

void ShowSummaryText(const ChartDocument& document, QTextEdit& box) {
  ShowReadingText(document.summary, box);
}

}  // namespace tarvel
