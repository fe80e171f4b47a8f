#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "document/chart_document.h"

namespace tarvel {

/// A reading line as the page breaker sees it: its kind and its height in device units.
struct FlowLine {
  DocumentLineKind kind = DocumentLineKind::Entry;
  double height = 0;
};

/// The reading lines [first, end) shown on one page.
struct PageSpan {
  std::size_t first = 0;
  std::size_t end = 0;
  bool operator==(const PageSpan&) const = default;
};

/// Breaks the reading into pages: `firstRoom` is the height left for it on the first page
/// (below the chart), `pageRoom` the height of every later page, both in the lines' units.
/// A line is never split; a planet's heading is never the last line of a page while its
/// first line could follow it on the next; a page never starts with a blank line (blank
/// lines at a break are left out of both pages). The first page may hold no line when not
/// even one fits there; every later page holds at least one, even one taller than a page.
/// There is always at least one page.
std::vector<PageSpan> BreakPages(std::span<const FlowLine> lines, double firstRoom,
                                 double pageRoom);

}  // namespace tarvel
