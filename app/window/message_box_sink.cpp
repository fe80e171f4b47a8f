#include "app/window/message_box_sink.h"

#include <QMessageBox>

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
