#pragma once

#include <QTabWidget>
#include <QTextEdit>

#include "document/chart_document.h"

namespace tarvel {

/// The reading and the Argala synthesis, each on a tab of its own.
struct AnalysisTabs {
  QTabWidget* tabs = nullptr;
  QTextEdit* summary = nullptr;  ///< txtSummary, read-only
};

/// Puts `reading` on a "Reading" tab and a new synthesis box, in the reading's font and
/// colours, on a "Summary" tab beside it.
AnalysisTabs BuildAnalysisTabs(QTextEdit* reading, QWidget* parent);

/// Replaces the box's text with a document's synthesis: headings as the reading shows them,
/// each entry in its verdict's colour. The box scrolls back to the top.
void ShowSummaryText(const ChartDocument& document, QTextEdit& box);

}  // namespace tarvel
