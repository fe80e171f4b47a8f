#include "app/window/message_box_sink.h"

#include <QMessageBox>

#include "app/window/close_question.h"

namespace tarvel {

namespace {

QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Centred on the main window by hand: at start-up the window manager may not have placed
// the window yet when Qt would centre the box on it.
void CentreOn(QMessageBox& box, const QWidget* parent) {
  if (parent == nullptr || !parent->isVisible()) return;
  box.adjustSize();
  box.move(parent->frameGeometry().center() - box.rect().center());
}

}  // namespace

void MessageBoxSink::ShowMessage(std::string_view text, MessageIcon icon) {
  ShowDetailedMessage(text, {}, icon);
}

void MessageBoxSink::ShowDetailedMessage(std::string_view text, std::string_view detail,
                                         MessageIcon icon) {
  const QMessageBox::Icon boxIcon =
      icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::Critical;
  QMessageBox box(boxIcon, "Tarvel", FromView(text), QMessageBox::Ok, parent_);
  box.setInformativeText(FromView(detail));
  CentreOn(box, parent_);
  box.exec();
}

}  // namespace tarvel

namespace tarvel {

CloseAnswer AskSaveBeforeClose(QWidget* parent, const QString& name, LeaveReason reason) {
  const QString reading = name.isEmpty() ? "This reading" : "The reading of " + name;
  const QString before = reason == LeaveReason::Closing ? "closing" : "opening another reading";
  const auto answer = QMessageBox::question(
      parent, "Tarvel", reading + " is not saved. Save it before " + before + "?",
      QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
  if (answer == QMessageBox::Save) return CloseAnswer::Save;
  return answer == QMessageBox::Discard ? CloseAnswer::Discard : CloseAnswer::Cancel;
}

}  // namespace tarvel
