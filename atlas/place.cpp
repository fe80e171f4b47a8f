#include "atlas/place.h"

namespace tarvel {

std::string DisplayText(const Place& place) {
  std::string text = place.city;
  if (!place.state.empty()) {
    text += ", ";
    text += place.state;
  }
  text += ", ";
  text += place.country;
  return text;
}

}  // namespace tarvel
