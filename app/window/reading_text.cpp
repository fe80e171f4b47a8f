#include "app/window/reading_text.h"

#include <QTextCharFormat>
#include <QTextCursor>

namespace tarvel {
namespace {

QTextCharFormat RunFormat(const ReadingRun& run) {
  QTextCharFormat format;
  format.setForeground(QColor(run.colour.red, run.colour.green, run.colour.blue));
  format.setFontWeight(run.heading ? QFont::Bold : QFont::Normal);
  format.setFontUnderline(run.line);
  return format;
}

}  // namespace

void ShowReadingText(const Reading& reading, QTextEdit& box) {
  box.clear();
  QTextCursor cursor(box.document());
  for (const ReadingRun& run : reading) {
    // A CR LF pair becomes one paragraph break.
    cursor.insertText(QString::fromStdString(run.text), RunFormat(run));
  }
  box.moveCursor(QTextCursor::Start);
}

}  // namespace tarvel
