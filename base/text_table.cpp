#include "base/text_table.h"

namespace tarvel {

// Views are taken once the text has stopped growing, which may have moved it.
void TextTable::Seal() {
  starts_.push_back(texts_.size());
  views_.clear();
  views_.reserve(starts_.size() - 1);
  for (std::size_t i = 0; i + 1 < starts_.size(); ++i) {
    views_.push_back(std::string_view(texts_).substr(starts_[i], starts_[i + 1] - starts_[i]));
  }
}

}  // namespace tarvel
