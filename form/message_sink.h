#pragma once

#include <string_view>

namespace tarvel {

enum class MessageIcon { Error, Information };

/// Where the user hears of refused input: a message box titled "Tarvel" with one OK button
/// in the window, a line on stderr in the command line, a recording fake in tests.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual void ShowMessage(std::string_view text, MessageIcon icon) = 0;
  /// A message with details under it (the file concerned and why); a sink without room for
  /// them shows the text alone.
  virtual void ShowDetailedMessage(std::string_view text, std::string_view /*detail*/,
                                   MessageIcon icon) {
    ShowMessage(text, icon);
  }
};

}  // namespace tarvel
