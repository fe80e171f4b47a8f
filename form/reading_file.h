#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "form/birth_form.h"
#include "form/message_sink.h"

namespace tarvel {

/// The lines of a reading file, in file order; each holds one value of the birth-data form.
enum ReadingLine : int {
  kLineName,
  kLineMonth,
  kLineDay,
  kLineYear,
  kLineHour,
  kLineMinute,
  kLineZoneRow,
  kLineLonDeg,
  kLineLonMin,
  kLineLatDeg,
  kLineLatMin,
  kLineIsEast,
  kLineIsSouth,
  kLineIsDST,
  kLineCity,
  kLineState,
  kLineCountry,
};

/// A reading file holds exactly this many lines.
inline constexpr int kReadingLineCount = 17;

/// Every line ends with carriage return and line feed.
inline constexpr std::string_view kReadingLineEnd = "\r\n";

/// What the last characters of a reading file's name must be, letter case included.
inline constexpr std::string_view kReadingFileEnding = "tvl";

/// The file dialogs' filter and default extension.
inline constexpr std::string_view kReadingFileFilter = "Tarvel (*.tvl)|*.tvl";
inline constexpr std::string_view kReadingFileExtension = "tvl";

/// The refusal of a file that cannot be opened as a reading.
inline constexpr std::string_view kCheckFileMessage = "Please Check The File.";

/// Why saving or opening a reading failed: the text for a message box titled "Tarvel" with
/// the error icon, or a line on the command line's error output.
struct FileError {
  std::string message;
  /// Set when an opened file filled the form but the form is refused: the box that takes the
  /// cursor, as after the same refusal of typed input.
  std::optional<FormField> focus = std::nullopt;
  /// Why a file was refused, in a sentence, for a message's details; empty when the message
  /// says it all.
  std::string reason = {};
  /// The form's own icon when the form refuses what the file holds.
  MessageIcon icon = MessageIcon::Error;
  /// The file filled the form, which is refused: the form shows it for the user to correct.
  bool filledForm = false;
  /// The same refusal: message, box, icon and what became of the form; the reason only
  /// explains it.
  bool operator==(const FileError& other) const {
    return message == other.message && focus == other.focus && icon == other.icon &&
           filledForm == other.filledForm;
  }
};

}  // namespace tarvel
