#include "app/window/filtered_line_edit.h"

#include <QDragLeaveEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTimer>
#include <QValidator>
#include <algorithm>
#include <utility>
#include <vector>

namespace tarvel {

/// Refuses a change that brings a character outside the key class into the box, and
/// remembers that it did, so the box can tell a refused paste from text cut off at the
/// length limit (both end in QLineEdit::inputRejected). Characters already shown are not
/// judged again: text the program put there must not block the user's own editing.
class KeyClassValidator : public QValidator {
 public:
  KeyClassValidator(KeyClass keyClass, QObject* parent) : QValidator(parent), keyClass_(keyClass) {}

  State validate(QString& text, int& /*cursor*/) const override {
    if (!AddsForeignCharacter(text)) return Acceptable;
    refused_ = true;
    return Invalid;
  }

  /// The text the box shows now, against which the next change is judged.
  void Remember(const QString& shown) { shown_ = shown; }

  /// Whether a change was refused since the last call.
  bool TakeRefusal() { return std::exchange(refused_, false); }

 private:
  bool AddsForeignCharacter(const QString& text) const {
    return std::any_of(text.begin(), text.end(), [&](QChar c) {
      return !AcceptsText(keyClass_, QString(c).toStdString()) && text.count(c) > shown_.count(c);
    });
  }

  KeyClass keyClass_;
  QString shown_;
  mutable bool refused_ = false;
};

namespace {

bool IsAsciiLetter(char32_t c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The character codes a key press types; none for keys that only move or edit.
std::vector<int> TypedCodes(const QKeyEvent& event) {
  const std::u32string text = event.text().toStdU32String();
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  const bool control =
      modifiers.testFlag(Qt::ControlModifier) && !modifiers.testFlag(Qt::AltModifier);
  // Some platforms, and synthetic events, report Ctrl+letter with the letter as its text;
  // the character typed is the control code all the same (Ctrl+V is 22).
  if (control && text.size() == 1 && IsAsciiLetter(text.front())) {
    return {static_cast<int>(text.front() & 0x1F)};
  }
  return std::vector<int>(text.begin(), text.end());
}

}  // namespace

FilteredLineEdit::FilteredLineEdit(KeyClass keyClass, QWidget* parent)
    : QLineEdit(parent), keyClass_(keyClass), validator_(new KeyClassValidator(keyClass, this)) {
  setValidator(validator_);
  setInputMethodHints(keyClass == KeyClass::Digits ? Qt::ImhDigitsOnly
                                                   : Qt::ImhLatinOnly | Qt::ImhNoPredictiveText);
  // setText clears the modified state: text the program shows is not the user's doing and
  // is shown as it is.
  connect(this, &QLineEdit::inputRejected, this, [this] {
    if (validator_->TakeRefusal() && isModified()) emit refused();
  });
  connect(this, &QLineEdit::textChanged, validator_, &KeyClassValidator::Remember);
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event) {
  const std::vector<int> codes = TypedCodes(*event);
  const bool accepted = std::all_of(codes.begin(), codes.end(),
                                    [this](int code) { return AcceptsKey(keyClass_, code); });
  if (accepted) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  event->accept();
  emit refused();
}

void FilteredLineEdit::dropEvent(QDropEvent* event) {
  const QMimeData* data = event->mimeData();
  if (!data->hasText() || AcceptsText(keyClass_, data->text().toStdString())) {
    QLineEdit::dropEvent(event);
    return;
  }
  event->ignore();
  // Clears the drop caret the drag left behind.
  QDragLeaveEvent leave;
  dragLeaveEvent(&leave);
  // The message waits until the drag has ended: a modal box inside a drop confuses it.
  QTimer::singleShot(0, this, [this] { emit refused(); });
}

}  // namespace tarvel
