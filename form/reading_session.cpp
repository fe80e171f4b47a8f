#include "form/reading_session.h"

#include <utility>

namespace tarvel {
namespace {

constexpr std::string_view kProgramTitle = "Tarvel v1.0";
constexpr std::string_view kSeparator = " \u2014 ";

}  // namespace

void ReadingSession::Calculated(const BirthForm& form) {
  calculated_ = form;
}

void ReadingSession::Saved(std::string path) {
  file_ = std::move(path);
  saved_ = calculated_;
}

void ReadingSession::Opened(std::string path, const BirthForm& form) {
  file_ = std::move(path);
  calculated_ = form;
  saved_ = form;
}

bool ReadingSession::Unsaved(const BirthForm& current) const {
  if (saved_) return current != *saved_;
  return calculated_.has_value();
}

std::string WindowTitle(std::string_view name, std::string_view fileName) {
  if (name.empty() && fileName.empty()) return std::string(kProgramTitle);
  std::string title(name);
  if (!name.empty() && !fileName.empty()) title += kSeparator;
  title += fileName;
  title += "[*]";
  title += kSeparator;
  return title += kProgramTitle;
}

}  // namespace tarvel
