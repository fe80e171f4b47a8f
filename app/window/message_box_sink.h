#pragma once

#include "app/message_sink.h"

namespace tarvel {

/// Shows each message in a modal message box titled "Tarvel" with one OK button, over
/// whichever window of the program is active.
class MessageBoxSink : public MessageSink {
 public:
  void ShowMessage(std::string_view text, MessageIcon icon) override;
};

}  // namespace tarvel
