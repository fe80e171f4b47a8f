#include "cli/chart/chart_exporter.h"

#include <dlfcn.h>

#include <charconv>
#include <filesystem>
#include <system_error>
#include <vector>

#include "base/utf8.h"
#include "cli/chart/quoted_input.h"

namespace tarvel::cli {
namespace {

constexpr std::string_view kCannotExport = "this program cannot write PDF, SVG or PNG files: ";

std::optional<int> Side(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return {};
  if (value < 1 || value > kMaxPictureSidePx) return {};
  return value;
}

std::vector<std::filesystem::path> ModuleCandidates() {
  std::vector<std::filesystem::path> candidates;
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) candidates.push_back(program.parent_path() / kExportModuleFile);
#ifdef TARVEL_EXPORT_MODULE_DIR
  if (!error) {
    candidates.push_back(program.parent_path() / TARVEL_EXPORT_MODULE_DIR / kExportModuleFile);
  }
#endif
  return candidates;
}

using Factory = ChartExporter* (*)();

std::variant<std::unique_ptr<ChartExporter>, std::string> Load(const std::filesystem::path& file) {
  // The module stays loaded for the rest of the process: Qt does not expect to be unloaded.
  void* module = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (module == nullptr) return std::string(kCannotExport) + dlerror();
  const auto factory = reinterpret_cast<Factory>(dlsym(module, kExporterFactorySymbol));
  if (factory == nullptr)
    return std::string(kCannotExport) + file.string() + " is not Tarvel's export module";
  return std::unique_ptr<ChartExporter>(factory());
}

}  // namespace

std::optional<std::string> RefuseNonUtf8Path(std::string_view option, std::string_view path) {
  if (!FindInvalidUtf8(path)) return std::nullopt;
  std::string message(option);
  return message.append(": ")
      .append(QuotedForMessage(path))
      .append(" is not UTF-8; PDF, SVG and PNG files are written only under UTF-8 names");
}

std::string CannotWrite(const std::string& path, const std::string& reason) {
  // Built by appending: GCC 12 warns falsely about "..." + string in optimised builds.
  std::string message = "cannot write ";
  return message.append(QuotedForMessage(path)).append(": ").append(reason);
}

std::variant<PictureSize, std::string> ParsePictureSize(std::string_view text) {
  const std::string refusal = "malformed size " + QuotedForMessage(text) +
                              ": give WIDTHxHEIGHT or a width, in pixels from 1 to " +
                              std::to_string(kMaxPictureSidePx);
  const std::size_t by = text.find('x');
  const auto width = Side(text.substr(0, by));
  if (!width) return refusal;
  // Every chart's picture is wider than tall, so the height a width alone brings fits too.
  if (by == std::string_view::npos) return PictureSize{*width, 0};
  const auto height = Side(text.substr(by + 1));
  if (!height) return refusal;
  return PictureSize{*width, *height};
}

std::variant<std::unique_ptr<ChartExporter>, std::string> LoadChartExporter() {
  std::string tried;
  for (const std::filesystem::path& candidate : ModuleCandidates()) {
    std::error_code error;
    if (!std::filesystem::exists(candidate, error)) {
      tried += (tried.empty() ? "" : ", ") + candidate.string();
      continue;
    }
    return Load(candidate);
  }
  return std::string(kCannotExport) + kExportModuleFile + " is missing (looked for " + tried + ")";
}

std::optional<std::string> ExportChart(ChartExporter& exporter, const ChartDocument& document,
                                       const ExportTargets& targets) {
  const int width = targets.size.width;
  const int height =
      targets.size.height > 0 ? targets.size.height : PictureHeightFor(width, document.face.style);
  if (targets.pdfPath) {
    if (auto reason = exporter.WritePdf(*targets.pdfPath, document)) {
      return CannotWrite(*targets.pdfPath, *reason);
    }
  }
  if (targets.svgPath) {
    if (auto reason = exporter.WriteSvg(*targets.svgPath, document, width, height)) {
      return CannotWrite(*targets.svgPath, *reason);
    }
  }
  if (targets.pngPath) {
    if (auto reason = exporter.WritePng(*targets.pngPath, document, width, height)) {
      return CannotWrite(*targets.pngPath, *reason);
    }
  }
  return std::nullopt;
}

}  // namespace tarvel::cli
