#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "../../form/example_birth.h"
#include "app/window/file_chooser.h"
#include "app/window/frm_main.h"
#include "form/message_sink.h"
#include "monkey.h"
#include "web/about/mod_help.h"

namespace tarvel::testing {
namespace {

// Counts what the window tells the user; a message must say something.
class CountingSink : public MessageSink {
 public:
  void ShowMessage(std::string_view text, MessageIcon) override {
    EXPECT_FALSE(text.empty());
    ++shown;
  }
  long shown = 0;
};

// Answers the file dialogs from a few files of every kind, or cancels.
class RandomChooser : public FileChooser {
 public:
  explicit RandomChooser(const QTemporaryDir& folder) : folder_(folder) {
    LineTexts offGlobe = AshaLines();
    offGlobe[9] = "95";
    Write("asha.tvl", FileOf(AshaLines()));
    Write("far.tvl", FileOf(offGlobe));
    Write("damaged.tvl", "\xB6\xB7\r\n");
    Write("asha.txt", FileOf(AshaLines()));
  }
  // Readings are saved among the readings; a chart is exported beside them, as a picture
  // of the kind asked for or of another.
  std::optional<QString> ChooseSaveFile(const FileDialogRequest& request) override {
    ++asked;
    if (request.defaultSuffix != "tvl") {
      const QString picture = "chart." + request.defaultSuffix;
      return Next({picture, "chart.svg", "missing/" + picture, ""});
    }
    return Next({"saved.tvl", "asha.tvl", "missing/saved.tvl", ""});
  }
  std::optional<QString> ChooseOpenFile(const FileDialogRequest&) override {
    ++asked;
    return Next({"asha.tvl", "far.tvl", "damaged.tvl", "asha.txt", "saved.tvl", "none.tvl", ""});
  }
  long asked = 0;

 private:
  void Write(const QString& name, const std::string& bytes) {
    std::ofstream(folder_.filePath(name).toStdString(), std::ios::binary) << bytes;
  }
  std::optional<QString> Next(const QStringList& names) {
    const QString name = names[static_cast<qsizetype>(turn_++ % names.size())];
    if (name.isEmpty()) return std::nullopt;
    return folder_.filePath(name);
  }
  const QTemporaryDir& folder_;
  std::size_t turn_ = 0;
};

// The number of events from TARVEL_MONKEY_EVENTS (default 2000), the seed from
// TARVEL_MONKEY_SEED (default 1).
long long EnvironmentNumber(const char* name, long long fallback) {
  bool ok = false;
  const long long value = qEnvironmentVariableIntValue(name, &ok);
  return ok ? value : fallback;
}

// A dialog (the about box) or a menu that holds an event up in its own event loop is closed,
// so that it never waits on a user who is not there. Menus and lists that wait without
// holding anything up are left to the monkey, so the clock decides nothing it meets.
void DismissWhatHoldsUp(const Monkey& monkey) {
  if (QWidget* popup = QApplication::activePopupWidget(); popup && monkey.Sending()) {
    popup->close();
  }
  if (QWidget* modal = QApplication::activeModalWidget()) {
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
      dialog->reject();
    } else {
      modal->close();
    }
  }
}

// The offscreen platform says, again and again, what it cannot do (raise a window, grab the
// keyboard); that is no finding and would bury the report.
void QuietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith("This plugin does not support")) return;
  std::cerr << qFormatLogMessage(type, context, message).toStdString() << '\n';
  if (type == QtFatalMsg) std::abort();
}

// What must hold whatever the user did: one of the two views in front, and digits boxes
// holding nothing but up to three digits.
void CheckWindow(const frmMain& window) {
  const QWidget* front = window.FrontView();
  ASSERT_TRUE(front == window.Input().Frame1 || front == window.Result().Frame2);
  static const QRegularExpression kDigits("^[0-9]{0,3}$");
  for (const FilteredLineEdit* box : {window.Input().txtLatDeg, window.Input().txtLatMin,
                                      window.Input().txtLonDeg, window.Input().txtLonMin}) {
    ASSERT_TRUE(kDigits.match(box->text()).hasMatch()) << box->text().toStdString();
  }
}

TEST(MonkeyTest, RandomInputNeverBreaksTheWindow) {
  const long long events = EnvironmentNumber("TARVEL_MONKEY_EVENTS", 2000);
  const auto seed = static_cast<std::uint64_t>(EnvironmentNumber("TARVEL_MONKEY_SEED", 1));
  QApplication::setQuitOnLastWindowClosed(false);
  qInstallMessageHandler(QuietPlatform);
  QTemporaryDir folder;
  CountingSink sink;
  long linksOpened = 0;
  long findersOpened = 0;
  const modHelp help(
      [&](std::string_view) { return ++linksOpened % 3 != 0; },
      [&](std::string_view message) { sink.ShowMessage(message, MessageIcon::Error); });
  RandomChooser chooser(folder);
  frmMain window(sink, help);
  window.SetFinderHooks({[&] { ++findersOpened; }, [] {}});
  window.SetFileChooser(chooser);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  Monkey monkey(window, seed);
  QTimer dismisser;
  QObject::connect(&dismisser, &QTimer::timeout, [&monkey] { DismissWhatHoldsUp(monkey); });
  dismisser.start(20);

  QElapsedTimer clock;
  clock.start();
  long resultShown = 0;
  for (long long event = 0; event < events; ++event) {
    monkey.Act();
    if (window.FrontView() == window.Result().Frame2) ++resultShown;
    // The Exit item closes the window; a user would start the program again.
    if (!window.isVisible()) window.show();
    CheckWindow(window);
    if (::testing::Test::HasFatalFailure()) {
      std::cerr << "after event " << event << " of seed " << seed << ", the last events:\n";
      for (const std::string& recent : monkey.Recent()) std::cerr << "  " << recent << "\n";
      return;
    }
  }
  std::cout << events << " events (seed " << seed << ") in " << clock.elapsed() / 1000.0
            << " s: " << sink.shown << " messages, " << linksOpened << " links, " << findersOpened
            << " finder openings, " << chooser.asked << " files chosen, " << resultShown
            << " events with the result view in front\n";
}

}  // namespace
}  // namespace tarvel::testing
