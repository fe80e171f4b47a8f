#pragma once

#include <vector>

#include "atlas/place.h"

namespace tarvel {

/// Every city libgeonames holds, in its order (24,361 in Debian 12's libgeonames 0.3.0, from
/// the geonames.org data). City, state and country names come in the language of messages
/// in force (LC_MESSAGES) where libgeonames has a translation, else in English.
std::vector<Place> ReadGeonamesPlaces();

}  // namespace tarvel
