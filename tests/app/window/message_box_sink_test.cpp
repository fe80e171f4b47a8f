#include "app/window/message_box_sink.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace tarvel::testing {
namespace {

struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  QWidget* parent = nullptr;
};

// Shows one message through the real sink and reads the modal box before pressing OK.
SeenBox ShowThroughTheSink(MessageBoxSink& sink, std::string_view text, MessageIcon icon) {
  SeenBox seen;
  QTimer::singleShot(0, [&seen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
            box->parentWidget()};
    box->button(QMessageBox::Ok)->click();
  });
  sink.ShowMessage(text, icon);
  return seen;
}

SeenBox ShowThroughTheSink(std::string_view text, MessageIcon icon) {
  MessageBoxSink sink;
  return ShowThroughTheSink(sink, text, icon);
}

TEST(MessageBoxSinkTest, ErrorsShowTheErrorIconUnderTheProgramsTitle) {
  const SeenBox seen = ShowThroughTheSink("Please Enter Your Name", MessageIcon::Error);
  EXPECT_EQ(seen.title, "Tarvel");
  EXPECT_EQ(seen.text, "Please Enter Your Name");
  EXPECT_EQ(seen.icon, QMessageBox::Critical);
  EXPECT_EQ(seen.buttons, QMessageBox::Ok);
}

TEST(MessageBoxSinkTest, DateMessagesShowTheInformationIcon) {
  const SeenBox seen =
      ShowThroughTheSink("Please Enter Correct Date Or Month!", MessageIcon::Information);
  EXPECT_EQ(seen.text, "Please Enter Correct Date Or Month!");
  EXPECT_EQ(seen.icon, QMessageBox::Information);
  EXPECT_EQ(seen.buttons, QMessageBox::Ok);
}

TEST(MessageBoxSinkTest, BoxesBelongToTheMainWindowWhicheverWindowIsActive) {
  QWidget mainWindow;
  QWidget otherWindow;
  mainWindow.show();
  otherWindow.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&otherWindow));
  MessageBoxSink sink;
  sink.SetParent(&mainWindow);
  // Another window of the program in front, then none at all.
  for (QWidget* active : {&otherWindow, static_cast<QWidget*>(nullptr)}) {
    QApplication::setActiveWindow(active);
    const SeenBox seen = ShowThroughTheSink(sink, "Please Check The File.", MessageIcon::Error);
    EXPECT_EQ(seen.text, "Please Check The File.");
    EXPECT_EQ(seen.parent, &mainWindow);
  }
}

}  // namespace
}  // namespace tarvel::testing
