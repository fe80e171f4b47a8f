#include "app/window/file_dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "app/window/chart_exports.h"
#include "app/window/reading_files.h"
#include "window_fixture.h"

namespace tarvel::testing {
namespace {

struct SeenDialog {
  QString title;
  QStringList nameFilters;
  QString defaultSuffix;
  QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptOpen;
  QFileDialog::FileMode fileMode = QFileDialog::AnyFile;
  bool confirmsOverwrite = false;
  QStringList selected;
  QString folder;
};

using Show = std::function<std::optional<QString>()>;

// Shows a real modal dialog, reads it, then picks `pick` in it or, without one, cancels.
std::optional<QString> Answer(const Show& show, SeenDialog& seen,
                              const std::optional<QString>& pick) {
  QTimer::singleShot(0, [&seen, &pick] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    seen = {dialog->windowTitle(),   dialog->nameFilters(),
            dialog->defaultSuffix(), dialog->acceptMode(),
            dialog->fileMode(),      !dialog->testOption(QFileDialog::DontConfirmOverwrite),
            dialog->selectedFiles(), dialog->directory().absolutePath()};
    if (pick) {
      dialog->selectFile(*pick);
      QMetaObject::invokeMethod(dialog, "accept");
    } else {
      dialog->reject();
    }
  });
  return show();
}

class FileDialogsTest : public ::testing::Test {
 protected:
  QTemporaryDir folder;
  FileDialogs dialogs{nullptr};
};

TEST_F(FileDialogsTest, TheSaveDialogOffersTheLastNameAndAsksBeforeOverwriting) {
  const QString last = folder.filePath("asha.tvl");
  SeenDialog seen;
  const auto chosen =
      Answer([&] { return dialogs.ChooseSaveFile(SaveReadingRequest(last)); }, seen, {});
  EXPECT_EQ(chosen, std::nullopt);
  EXPECT_EQ(seen.title, "Tarvel");
  EXPECT_EQ(seen.nameFilters, QStringList{"Tarvel (*.tvl)"});
  EXPECT_EQ(seen.defaultSuffix, "tvl");
  EXPECT_EQ(seen.acceptMode, QFileDialog::AcceptSave);
  EXPECT_EQ(seen.fileMode, QFileDialog::AnyFile);
  EXPECT_TRUE(seen.confirmsOverwrite);
  EXPECT_EQ(seen.selected, QStringList{last});
}

TEST_F(FileDialogsTest, TheSaveDialogAddsTheReadingEnding) {
  SeenDialog seen;
  const auto chosen = Answer([&] { return dialogs.ChooseSaveFile(SaveReadingRequest("")); }, seen,
                             folder.filePath("reading"));
  EXPECT_EQ(chosen, folder.filePath("reading.tvl"));
}

// Choosing the SVG file type in the export dialog and typing a bare name gives an SVG file.
TEST_F(FileDialogsTest, ANameWithoutEndingTakesTheChosenFileTypes) {
  QString chosenType;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
    if (types == nullptr) return dialog->reject();
    // As a user's choice in the list does.
    types->setCurrentIndex(1);
    emit types->textActivated(types->currentText());
    chosenType = dialog->selectedNameFilter();
    dialog->selectFile(folder.filePath("chart"));
    QMetaObject::invokeMethod(dialog, "accept");
  });
  const auto chosen = dialogs.ChooseSaveFile(ExportImageRequest("Asha Rao"));
  EXPECT_EQ(chosenType, "SVG drawing (*.svg)");
  EXPECT_EQ(chosen, folder.filePath("chart.svg"));
}

TEST_F(FileDialogsTest, TheOpenDialogReturnsAnExistingFile) {
  const QString existing = folder.filePath("asha.tvl");
  QFile file(existing);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  SeenDialog seen;
  const auto chosen =
      Answer([&] { return dialogs.ChooseOpenFile(OpenReadingRequest()); }, seen, existing);
  EXPECT_EQ(chosen, existing);
  EXPECT_EQ(seen.title, "Select the source file");
  EXPECT_EQ(seen.nameFilters, QStringList{"Tarvel (*.tvl)"});
  EXPECT_EQ(seen.defaultSuffix, "tvl");
  EXPECT_EQ(seen.acceptMode, QFileDialog::AcceptOpen);
  EXPECT_EQ(seen.fileMode, QFileDialog::ExistingFile);
}

TEST_F(FileDialogsTest, CancellingTheOpenDialogReturnsNothing) {
  SeenDialog seen;
  EXPECT_EQ(Answer([&] { return dialogs.ChooseOpenFile(OpenReadingRequest()); }, seen, {}),
            std::nullopt);
  EXPECT_EQ(seen.title, "Select the source file");
}

// A reading saved in one folder and a picture exported to another: each kind's next dialog,
// in this run or the next, starts where its kind was last put.
TEST_F(FileDialogsTest, EachKindOfFileStartsInTheFolderLastUsedForIt) {
  QTemporaryDir exports;
  SeenDialog seen;
  Answer([&] { return dialogs.ChooseSaveFile(SaveReadingRequest("", "")); }, seen,
         folder.filePath("asha"));
  Answer([&] { return dialogs.ChooseSaveFile(ExportPdfRequest("Asha Rao")); }, seen,
         exports.filePath("asha.pdf"));
  FileDialogs later(nullptr);
  const std::pair<Show, QString> cases[] = {
      {[&] { return later.ChooseOpenFile(OpenReadingRequest()); }, folder.path()},
      {[&] { return later.ChooseSaveFile(SaveReadingRequest("", "Asha Rao")); }, folder.path()},
      {[&] { return later.ChooseSaveFile(ExportImageRequest("Asha Rao")); }, exports.path()},
  };
  for (const auto& [show, expected] : cases) {
    Answer(show, seen, {});
    EXPECT_EQ(seen.folder, QDir(expected).absolutePath()) << seen.title.toStdString();
  }
}

using WindowFileDialogsTest = WindowTest;

TEST_F(WindowFileDialogsTest, TheWindowsButtonsShowTheRealDialogsOverIt) {
  SeenDialog seen;
  const Show clickOpen = [this]() -> std::optional<QString> {
    in.cmdOpen->click();
    return std::nullopt;
  };
  Answer(clickOpen, seen, {});
  EXPECT_EQ(seen.title, "Select the source file");
  const Show clickSave = [this]() -> std::optional<QString> {
    out.cmdSave->click();
    return std::nullopt;
  };
  Answer(clickSave, seen, {});
  EXPECT_EQ(seen.title, "Tarvel");
  EXPECT_EQ(seen.acceptMode, QFileDialog::AcceptSave);
  EXPECT_TRUE(sink.messages.empty());
}

}  // namespace
}  // namespace tarvel::testing
