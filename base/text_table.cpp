#include "base/text_table.h"

namespace tarvel {

void TextTable::Add(std::string_view text) {
  starts_.push_back(texts_.size());
  texts_.append(text);
}

// Views are taken once the text has stopped growing, which may have moved it.
void TextTable::Seal() {
  starts_.push_back(texts_.size());
  views_.clear();
  for (std::size_t i = 0; i + 1 < starts_.size(); ++i) {
    views_.push_back(std::string_view(texts_).substr(starts_[i], starts_[i + 1] - starts_[i]));
  }
}

}  // namespace tarvel
