#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <string>
#include <string_view>
#include <vector>

#include "app/message_sink.h"
#include "app/window/frm_main.h"
#include "web/about/mod_help.h"

namespace tarvel::testing {

struct ShownMessage {
  std::string text;
  MessageIcon icon;
  bool operator==(const ShownMessage&) const = default;
};

/// Keeps the messages instead of showing boxes, so no modal box can block a test.
class RecordingSink : public MessageSink {
 public:
  void ShowMessage(std::string_view text, MessageIcon icon) override {
    messages.push_back({std::string(text), icon});
  }
  std::vector<ShownMessage> messages;
};

/// Keeps what a calculation shows, for comparison with the window.
class CapturingView : public ResultView {
 public:
  void ShowChart(const ChartCaptions& shown) override { captions = shown; }
  void ShowReading(const Reading& shown) override { reading = shown; }
  void BringResultViewToFront() override { ++broughtToFront; }
  ChartCaptions captions;
  Reading reading;
  int broughtToFront = 0;
};

/// Selects the list entry with exactly this text; fails the test if there is none.
void Choose(QComboBox* list, const QString& text);

/// A shown main window with recording fakes for messages and links.
class WindowTest : public ::testing::Test {
 protected:
  WindowTest();

  /// Name, coordinates and place filled in; the lists stay at their load defaults.
  void FillRequiredBoxes();
  /// Text of each message shown so far.
  std::vector<std::string> MessageTexts() const;

  RecordingSink sink;
  std::vector<std::string> opened;
  /// Whether the fake desktop has a browser that takes the links.
  bool browserStarts = true;
  modHelp help{[this](std::string_view url) {
                 opened.emplace_back(url);
                 return browserStarts;
               },
               [this](std::string_view message) { sink.ShowMessage(message, MessageIcon::Error); }};
  frmMain window{sink, help};
  const InputControls& in = window.Input();
  const ResultControls& out = window.Result();
};

}  // namespace tarvel::testing
