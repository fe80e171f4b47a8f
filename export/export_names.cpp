#include "export/export_names.h"

#include <cstdio>

namespace tarvel {
namespace {

constexpr std::size_t kMaxStemLength = 48;

constexpr bool IsSafe(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

}  // namespace

std::string SafeFileStem(std::string_view name) {
  std::string stem;
  bool pendingHyphen = false;
  for (const char c : name) {
    if (!IsSafe(c)) {
      pendingHyphen = !stem.empty();
      continue;
    }
    if (stem.size() + (pendingHyphen ? 2 : 1) > kMaxStemLength) break;
    if (pendingHyphen) stem.push_back('-');
    pendingHyphen = false;
    stem.push_back(c);
  }
  return stem;
}

std::string BatchPdfName(std::uint64_t lineNumber, std::string_view name) {
  char number[24];
  std::snprintf(number, sizeof number, "%04llu", static_cast<unsigned long long>(lineNumber));
  const std::string stem = SafeFileStem(name);
  return std::string(number) + (stem.empty() ? "" : "-" + stem) + ".pdf";
}

std::string ExportFileName(std::string_view name, std::string_view extension) {
  const std::string stem = SafeFileStem(name);
  return (stem.empty() ? std::string("chart") : stem) + "." + std::string(extension);
}

}  // namespace tarvel
