#include "app/window/reading_text.h"

#include <QTextCharFormat>
#include <QTextCursor>

namespace tarvel {
namespace {

QTextCharFormat RunFormat(const ReadingRun& run) {
  const TextStyle style = RunStyle(run.kind);
  QTextCharFormat format;
  format.setForeground(QColor(style.colour.red, style.colour.green, style.colour.blue));
  format.setFontWeight(style.heading ? QFont::Bold : QFont::Normal);
  format.setFontUnderline(style.line);
  return format;
}

}  // namespace

void ShowReadingText(const ChartResult& chart, QTextEdit& box) {
  box.clear();
  QTextCursor cursor(box.document());
  std::string text;
  for (const ReadingRun& run : chart.reading) {
    text.clear();
    AppendRunText(text, run, chart.argala);
    // A CR LF pair becomes one paragraph break.
    cursor.insertText(QString::fromStdString(text), RunFormat(run));
  }
  box.moveCursor(QTextCursor::Start);
}

}  // namespace tarvel
