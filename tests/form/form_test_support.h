#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "example_birth.h"
#include "form/message_sink.h"

namespace tarvel::testing {

/// Remembers every message it is asked to show.
class RecordingSink : public MessageSink {
 public:
  void ShowMessage(std::string_view text, MessageIcon icon) override {
    messages.emplace_back(std::string(text), icon);
  }
  std::vector<std::pair<std::string, MessageIcon>> messages;
};

}  // namespace tarvel::testing
