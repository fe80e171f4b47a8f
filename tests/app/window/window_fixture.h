#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/window/file_chooser.h"
#include "app/window/frm_main.h"
#include "chart/chart_result.h"
#include "form/birth_form.h"
#include "form/message_sink.h"
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
  void ShowDetailedMessage(std::string_view text, std::string_view detail,
                           MessageIcon icon) override {
    ShowMessage(text, icon);
    details.emplace_back(detail);
  }
  std::vector<ShownMessage> messages;
  std::vector<std::string> details;  ///< of the messages shown with details, in order
};

/// Answers every dialog with the next name, or cancels when there is none; keeps the requests.
class FakeChooser : public FileChooser {
 public:
  std::optional<QString> ChooseSaveFile(const FileDialogRequest& request) override {
    saveRequests.push_back(request);
    return std::exchange(answer, std::nullopt);
  }
  std::optional<QString> ChooseOpenFile(const FileDialogRequest& request) override {
    openRequests.push_back(request);
    return std::exchange(answer, std::nullopt);
  }
  std::optional<QString> answer;
  std::vector<FileDialogRequest> saveRequests;
  std::vector<FileDialogRequest> openRequests;
};

/// A reading line with its text and style, as the window should show it.
struct StyledRun {
  std::string text;
  TextStyle style;
};

/// What the window should show for a chart: its captions and its reading.
struct ExpectedView {
  ChartCaptions captions;
  std::vector<StyledRun> runs;
};

/// What the window should show for a chart.
ExpectedView ViewOf(const ChartResult& chart);

/// What the core computes for a form in a sky (the classic one unless named), on a chart
/// state of its own.
ExpectedView CoreView(BirthForm form, const Sky& sky);
ExpectedView CoreView(BirthForm form);

/// The texts the chart view draws, read from where it draws them.
ChartCaptions ShownCaptions(const RasiChartView& chart);

/// The lines' text, each ended by the window's line break.
QString PlainReading(const std::vector<StyledRun>& runs);

/// Selects the list entry with exactly this text; fails the test if there is none.
void Choose(QComboBox* list, const QString& text);

/// A shown main window with recording fakes for messages and links.
class WindowTest : public ::testing::Test {
 protected:
  WindowTest();

  /// Name, coordinates and place filled in; the lists stay at their load defaults.
  void FillRequiredBoxes() { FillRequiredBoxes(in); }
  static void FillRequiredBoxes(const InputControls& form);
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
