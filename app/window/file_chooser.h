#pragma once

#include <QString>
#include <optional>

namespace tarvel {

/// The kinds of file whose dialogs each start in the folder last used for that kind.
enum class FileKind { Reading, Export };

/// What a file dialog shows and offers.
struct FileDialogRequest {
  QString title;
  QString initialName;    ///< the file name offered at first; empty offers none
  QString nameFilter;     ///< in Qt's form, e.g. "Tarvel (*.tvl)"
  QString defaultSuffix;  ///< added to a chosen name without one, e.g. "tvl"
  FileKind kind = FileKind::Reading;
  bool operator==(const FileDialogRequest&) const = default;
};

/// The window's common file dialog, behind an interface so that tests answer in its place
/// instead of a modal dialog. Both return the chosen file's full name, or nothing when the
/// user cancels.
class FileChooser {
 public:
  virtual ~FileChooser() = default;
  /// A save dialog that asks before an existing file is overwritten.
  virtual std::optional<QString> ChooseSaveFile(const FileDialogRequest& request) = 0;
  /// An open dialog that returns only a file that exists.
  virtual std::optional<QString> ChooseOpenFile(const FileDialogRequest& request) = 0;
};

}  // namespace tarvel
