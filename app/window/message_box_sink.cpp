#include "app/window/message_box_sink.h"

#include <QMessageBox>

#include "app/window/close_question.h"

namespace tarvel {

void MessageBoxSink::ShowMessage(std::string_view text, MessageIcon icon) {
  const QMessageBox::Icon boxIcon =
      icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::Critical;
  QMessageBox box(boxIcon, "Tarvel",
                  QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                  QMessageBox::Ok, parent_);
  box.exec();
}

}  // namespace tarvel

namespace tarvel {

CloseAnswer AskSaveBeforeClose(QWidget* parent, const QString& name) {
  const QString reading = name.isEmpty() ? "This reading" : "The reading of " + name;
  const auto answer = QMessageBox::question(
      parent, "Tarvel", reading + " is not saved. Save it before closing?",
      QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
  if (answer == QMessageBox::Save) return CloseAnswer::Save;
  return answer == QMessageBox::Discard ? CloseAnswer::Discard : CloseAnswer::Cancel;
}

}  // namespace tarvel
