#include "app/window/reading_files.h"

#include <QFile>
#include <filesystem>

#include "app/window/form_mapping.h"
#include "export/export_names.h"
#include "export/placed_text.h"
#include "form/open_reading.h"
#include "form/reading_file.h"
#include "form/reading_file_writer.h"

namespace tarvel {
namespace {

// Qt reads a filter's patterns from the parentheses of its description, so the
// "description|patterns" pairs of the reading file filter keep only their descriptions.
QString NameFilter() {
  QStringList descriptions;
  const QStringList parts = FromUtf8(kReadingFileFilter).split('|');
  for (qsizetype index = 0; index < parts.size(); index += 2) descriptions << parts[index];
  return descriptions.join(";;");
}

FileDialogRequest ReadingRequest(const QString& title, const QString& initialName) {
  return {title, initialName, NameFilter(), FromUtf8(kReadingFileExtension)};
}

std::filesystem::path PathOf(const QString& fileName) {
  return std::filesystem::path(QFile::encodeName(fileName).toStdString());
}

// A refused file is named, with the reason, in the message's details.
void ShowFileError(MessageSink& sink, const FileError& error, const QString& path) {
  if (error.reason.empty()) return sink.ShowMessage(error.message, MessageIcon::Error);
  const std::string detail = "File: " + path.toStdString() + "\n" + error.reason;
  sink.ShowDetailedMessage(error.message, detail, MessageIcon::Error);
}

}  // namespace

FileDialogRequest SaveReadingRequest(const QString& lastSavePath, std::string_view name) {
  const QString offered = lastSavePath.isEmpty() && !name.empty()
                              ? FromUtf8(ExportFileName(name, kReadingFileExtension))
                              : lastSavePath;
  return ReadingRequest("Tarvel", offered);
}

FileDialogRequest OpenReadingRequest() {
  return ReadingRequest("Select the source file", QString());
}

bool SaveReadingTo(const QString& path, MessageSink& sink, const BirthData& birth,
                   const ZoneChoice& zone) {
  // An event handler lets no failure through; the user hears only of a failed save.
  try {
    if (auto error = SaveReading(PathOf(path), birth, zone)) {
      sink.ShowMessage(error->message, MessageIcon::Error);
      return false;
    }
    return true;
  } catch (...) {
  }
  return false;
}

std::optional<QString> SaveReadingCommand(FileChooser& chooser, MessageSink& sink,
                                          const BirthData& birth, const ZoneChoice& zone,
                                          QString& lastSavePath) {
  try {
    const std::optional<QString> chosen =
        chooser.ChooseSaveFile(SaveReadingRequest(lastSavePath, birth.BirthName));
    if (!chosen) return std::nullopt;
    lastSavePath = *chosen;
    if (SaveReadingTo(*chosen, sink, birth, zone)) return chosen;
  } catch (...) {
  }
  return std::nullopt;
}

bool OpenReadingPath(const QString& path, MessageSink& sink, const InputControls& input,
                     ChartState& state, const Sky& sky) {
  try {
    BirthForm form = ReadForm(input);
    if (auto error = OpenReading(PathOf(path), form, state, sky)) {
      // Coordinates off the globe stay on show for the user to correct, as typed ones would.
      if (error->focus) WriteForm(form, input);
      ShowFileError(sink, *error, path);
      if (error->focus) TextBox(input, *error->focus)->setFocus();
      return false;
    }
    WriteForm(form, input);
    return true;
  } catch (...) {
  }
  return false;
}

}  // namespace tarvel
