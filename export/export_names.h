#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvel {

/// A file name's stem made from a person's name: ASCII letters and digits kept, every run of
/// anything else (spaces, punctuation, other scripts) one hyphen, none at either end, at most
/// 48 characters; e.g. " Asha  Rao " gives "Asha-Rao". Empty when nothing is left.
std::string SafeFileStem(std::string_view name);

/// The name of a batch line's PDF: the line number in at least four digits, a hyphen and the
/// stem of the name, e.g. line 4 of "Asha Rao" gives "0004-Asha-Rao.pdf", or "0004.pdf"
/// without a usable name.
std::string BatchPdfName(std::uint64_t lineNumber, std::string_view name);

/// The name a save dialog offers for an export: the stem of the name and `extension` (without
/// its dot), e.g. "Asha-Rao.pdf", or "chart.pdf" without a usable name.
std::string ExportFileName(std::string_view name, std::string_view extension);

}  // namespace tarvel
