#include "export/reading_pages.h"

namespace tarvel {
namespace {

bool IsBlank(const FlowLine& line) {
  return line.kind == DocumentLineKind::Blank;
}

// The end of the page that starts at `first`: as many lines as fit `room`, less a heading
// that would stand alone at the bottom. `mayBeEmpty` allows a page that takes no line.
std::size_t PageEnd(std::span<const FlowLine> lines, std::size_t first, double room,
                    bool mayBeEmpty) {
  double used = 0;
  std::size_t end = first;
  while (end < lines.size() && used + lines[end].height <= room) used += lines[end++].height;
  if (end == first) return mayBeEmpty ? first : first + 1;
  const bool headingLast = lines[end - 1].kind == DocumentLineKind::Heading;
  // Only worth moving when the heading then meets its first line on the next page.
  if (headingLast && end < lines.size() && end - 1 > first) return end - 1;
  if (headingLast && end < lines.size() && mayBeEmpty) return end - 1;
  return end;
}

}  // namespace

std::vector<PageSpan> BreakPages(std::span<const FlowLine> lines, double firstRoom,
                                 double pageRoom) {
  std::vector<PageSpan> pages;
  std::size_t next = 0;
  while (pages.empty() || next < lines.size()) {
    while (next < lines.size() && IsBlank(lines[next])) ++next;
    if (!pages.empty() && next == lines.size()) break;
    const bool firstPage = pages.empty();
    const std::size_t end = PageEnd(lines, next, firstPage ? firstRoom : pageRoom, firstPage);
    pages.push_back({next, end});
    next = end;
  }
  return pages;
}

}  // namespace tarvel
