#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QComboBox;

namespace tarvel {

/// Lets digits typed into a list select the number typed, as in a number box: "0","7" selects
/// 7 and "2","3" selects 23 (where the list alone would jump to the first entry beginning
/// with each key). An entry's number is its text where that is a number, else its position
/// from 1 (the months). A pause longer than QApplication::keyboardInputInterval(), or a digit
/// that no entry's number can begin with, starts the number over. Other keys reach the list.
class NumberTyping : public QObject {
 public:
  /// Installs itself on `list`, which owns it.
  explicit NumberTyping(QComboBox& list);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Type(QChar digit);
  bool SomeNumberBegins(const QString& digits) const;
  int EntryOf(const QString& digits) const;
  int NumberAt(int index) const;

  QComboBox& list_;
  QString typed_;
  QElapsedTimer sinceLastKey_;
};

}  // namespace tarvel
