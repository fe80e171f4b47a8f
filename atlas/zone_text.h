#pragma once

#include <string>

#include "base/zone_choice.h"

namespace tarvel {

/// A span of minutes in words: "1 hour", "2 hours", "30 minutes", "1 hour 30 minutes".
std::string MinutesText(int minutes);

}  // namespace tarvel
