#include "app/window/reading_text.h"

#include <QTextCharFormat>
#include <QTextCursor>

namespace tarvel {
namespace {

QTextCharFormat LineFormat(const TextStyle& style) {
  QTextCharFormat format;
  format.setForeground(QColor(style.colour.red, style.colour.green, style.colour.blue));
  // The line emphasis is left out: underlined text reads as a link, and the entries' colour
  // sets them apart already.
  format.setFontWeight(style.heading ? QFont::Bold : QFont::Normal);
  return format;
}

}  // namespace

void ShowReadingText(const std::vector<DocumentLine>& reading, QTextEdit& box) {
  box.clear();
  QTextCursor cursor(box.document());
  for (const DocumentLine& line : reading) {
    // Each line ends in a paragraph break of its own format, so a blank line keeps the
    // reading's line height.
    cursor.insertText(QString::fromStdString(line.text) + '\n',
                      LineFormat(DocumentLineStyle(line)));
  }
  box.moveCursor(QTextCursor::Start);
}

}  // namespace tarvel
