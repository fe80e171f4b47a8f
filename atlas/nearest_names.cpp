#include "atlas/nearest_names.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace tarvel {

int EditDistance(std::string_view a, std::string_view b) {
  // Wagner-Fischer, keeping one row of the table.
  std::vector<int> row(b.size() + 1);
  std::iota(row.begin(), row.end(), 0);
  for (std::size_t i = 1; i <= a.size(); ++i) {
    int diagonal = row[0];
    row[0] = static_cast<int>(i);
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const int above = row[j];
      const int substitution = diagonal + (a[i - 1] == b[j - 1] ? 0 : 1);
      row[j] = std::min({above + 1, row[j - 1] + 1, substitution});
      diagonal = above;
    }
  }
  return row[b.size()];
}

int NearNameDistance(int letterCount) {
  return std::clamp(letterCount / 4, 1, 3);
}

}  // namespace tarvel
