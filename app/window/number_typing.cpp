#include "app/window/number_typing.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>

namespace tarvel {
namespace {

// Leading zeros say nothing of the number ("07" is 7), but "0" alone is zero.
QString WithoutLeadingZeros(const QString& digits) {
  qsizetype first = 0;
  while (first + 1 < digits.size() && digits[first] == '0') ++first;
  return digits.mid(first);
}

}  // namespace

NumberTyping::NumberTyping(QComboBox& list) : QObject(&list), list_(list) {
  list.installEventFilter(this);
}

bool NumberTyping::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &list_ || event->type() != QEvent::KeyPress) return false;
  const QString text = static_cast<QKeyEvent*>(event)->text();
  if (text.size() != 1 || !text[0].isDigit()) return false;
  Type(text[0]);
  return true;
}

void NumberTyping::Type(QChar digit) {
  const bool paused =
      !sinceLastKey_.isValid() || sinceLastKey_.elapsed() > QApplication::keyboardInputInterval();
  sinceLastKey_.start();
  typed_ = paused ? QString(digit) : typed_ + digit;
  if (!SomeNumberBegins(typed_)) typed_ = digit;
  const int entry = EntryOf(typed_);
  if (entry >= 0) list_.setCurrentIndex(entry);
}

int NumberTyping::NumberAt(int index) const {
  bool isNumber = false;
  const int number = list_.itemText(index).toInt(&isNumber);
  return isNumber ? number : index + 1;
}

bool NumberTyping::SomeNumberBegins(const QString& digits) const {
  const QString significant = WithoutLeadingZeros(digits);
  for (int index = 0; index < list_.count(); ++index) {
    const QString number = QString::number(NumberAt(index));
    if (number.startsWith(significant) || significant == "0") return true;
  }
  return false;
}

int NumberTyping::EntryOf(const QString& digits) const {
  const int number = digits.toInt();
  for (int index = 0; index < list_.count(); ++index) {
    if (NumberAt(index) == number) return index;
  }
  return -1;
}

}  // namespace tarvel
