#pragma once

#include <QPointer>
#include <QWidget>

#include "form/message_sink.h"

namespace tarvel {

/// Shows each message in a modal message box titled "Tarvel" with one OK button, belonging
/// to the main window: it is centred over it and stays with it, whichever window is active.
class MessageBoxSink : public MessageSink {
 public:
  /// `parent` is the main window, given once it is made (after its sink); until then, or
  /// once it is gone, a box has no parent.
  void SetParent(QWidget* parent) { parent_ = parent; }

  void ShowMessage(std::string_view text, MessageIcon icon) override;
  /// The details go in the box's informative text, under the message.
  void ShowDetailedMessage(std::string_view text, std::string_view detail,
                           MessageIcon icon) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace tarvel
