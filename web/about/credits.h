#pragma once

#include <QString>
#include <array>
#include <string_view>

namespace tarvel {

/// A work Tarvel is built on or ships data from, as the about box credits it.
struct Credit {
  std::string_view name;     ///< e.g. "Swiss Ephemeris"
  std::string_view role;     ///< what Tarvel takes from it
  std::string_view licence;  ///< e.g. "AGPL-3.0"
  std::string_view holder;   ///< whose work it is, with the address the licence asks for
};

/// Every credit, in the order the about box lists them. The licences are those of the Debian
/// packages the program is built with.
inline constexpr std::array<Credit, 6> kCredits{{
    {"Qt 6", "windows, drawing, printing and PDF", "LGPL-3.0", "The Qt Company"},
    {"Swiss Ephemeris", "the precise sky", "AGPL-3.0", "Astrodienst AG, www.astro.com"},
    {"GeoNames", "the cities of the atlas", "CC BY 4.0", "GeoNames, www.geonames.org"},
    {"libgeonames", "the atlas's search", "GPL-3.0", "Canonical Ltd. and UBports"},
    {"tzdata", "the history of time zones", "public domain", "the IANA time zone database"},
    {"date/tz", "reading the time zone history", "MIT", "Howard Hinnant"},
}};

/// The credits as rich text for a label: one line per work, "NAME (LICENCE): ROLE. HOLDER."
QString CreditsText();

/// Tarvel's own licence as rich text for a label, naming the release (e.g. "1.1.0", as
/// `--version` prints it): the GNU AGPL, version 3 or later, without warranty.
QString LicenceText(std::string_view version);

}  // namespace tarvel
