#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "form/birth_form.h"

namespace tarvel {

/// The reading the window holds and whether it is saved: the file it was opened from or
/// saved to, the form as it was then, and whether a chart was calculated since. It decides
/// the window's title and whether closing asks first.
class ReadingSession {
 public:
  /// A chart was calculated from `form`.
  void Calculated(const BirthForm& form);
  /// The last calculated reading was saved to `path`.
  void Saved(std::string path);
  /// The reading at `path` was opened and filled the form with `form`.
  void Opened(std::string path, const BirthForm& form);

  /// True when a calculated reading was never saved, or the form `current` differs from the
  /// reading last saved or opened.
  bool Unsaved(const BirthForm& current) const;
  /// Whether a chart was calculated or opened; a reading may be saved only then.
  bool HasReading() const { return calculated_.has_value(); }
  /// The reading's file; empty before its first save or open.
  const std::string& File() const { return file_; }
  /// The name of the reading calculated or opened last; empty before one.
  std::string Name() const { return calculated_ ? calculated_->txtName : std::string(); }

 private:
  std::string file_;
  std::optional<BirthForm> calculated_;
  std::optional<BirthForm> saved_;
};

/// The window's title: "NAME — FILE — Tarvel v1.0" with "[*]" after the file for Qt's
/// modified mark, leaving out what is empty; "Tarvel v1.0" alone when both are.
std::string WindowTitle(std::string_view name, std::string_view fileName);

}  // namespace tarvel
