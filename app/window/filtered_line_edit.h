#pragma once

#include <QLineEdit>

#include "form/key_classes.h"

namespace tarvel {

class KeyClassValidator;

/// A text box that takes only the characters of its key class. Each typed character is
/// checked before the box sees it. Text that arrives any other way (pasted from the context
/// menu, with Shift+Insert or the middle button, dropped, committed by an input method) is
/// checked as a whole and refused whole. A refusal leaves the text as it was and emits
/// refused(); telling the user is the window's business. Reaching the length limit is not a
/// refusal: the surplus is simply dropped.
class FilteredLineEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit FilteredLineEdit(KeyClass keyClass, QWidget* parent = nullptr);

  KeyClass Class() const { return keyClass_; }

 signals:
  void refused();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  KeyClass keyClass_;
  KeyClassValidator* validator_;
};

}  // namespace tarvel
