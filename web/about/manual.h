#pragma once

#include <QString>
#include <string>

namespace tarvel {

/// The user manual's first page: "manual/index.html" beside the program in
/// `programFolder` (as in a build), else the one in `installedFolder` taken from there (e.g.
/// "../share/doc/tarvel/manual"); that installed one when neither exists, so that a failure
/// names the usual place.
QString FindManual(const QString& programFolder, const QString& installedFolder);

/// The page's address for a browser: a file URL ("file:///usr/share/doc/...").
std::string ManualAddress(const QString& indexPath);

}  // namespace tarvel
