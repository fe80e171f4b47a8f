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
  if (error.reason.empty()) return sink.ShowMessage(error.message, error.icon);
  const std::string detail = "File: " + path.toStdString() + "\n" + error.reason;
  sink.ShowDetailedMessage(error.message, detail, error.icon);
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

bool SaveReadingTo(const QString& path, MessageSink& sink, const ChartState& state) {
  // An event handler lets no failure through; the user hears only of a failed save.
  try {
    if (auto error = SaveReading(PathOf(path), state.BirthData, state.Zone, state.Chart.sky)) {
      sink.ShowMessage(error->message, MessageIcon::Error);
      return false;
    }
    return true;
  } catch (...) {
  }
  return false;
}

std::optional<QString> SaveReadingCommand(FileChooser& chooser, MessageSink& sink,
                                          const ChartState& state, QString& lastSavePath) {
  try {
    const std::optional<QString> chosen =
        chooser.ChooseSaveFile(SaveReadingRequest(lastSavePath, state.BirthData.BirthName));
    if (!chosen) return std::nullopt;
    lastSavePath = *chosen;
    if (SaveReadingTo(*chosen, sink, state)) return chosen;
  } catch (...) {
  }
  return std::nullopt;
}

bool OpenReadingPath(const QString& path, MessageSink& sink, const InputControls& input,
                     ChartState& state, const Skies& skies, const SkySettings& menuSky) {
  try {
    BirthForm form = ReadForm(input);
    if (auto error = OpenReading(PathOf(path), form, state, skies, menuSky)) {
      // What the form refuses stays on show for the user to correct, as typed input would.
      if (error->filledForm) WriteForm(form, input);
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

QString OwnSkyNote(const ChartResult& chart, const SkySettings& menuSky) {
  if (chart.sky == menuSky) return {};
  const SkyEphemeris menuEphemeris =
      menuSky.kind == SkyKind::Classic ? SkyEphemeris::ClassicFormulas : SkyEphemeris::SwissFiles;
  return FromUtf8("Opened in its own sky, " + SkyLabel(chart.sky, chart.positions.ephemeris) +
                  "; the Sky menu stays at " + SkyLabel(menuSky, menuEphemeris));
}

}  // namespace tarvel
