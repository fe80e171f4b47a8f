#pragma once

#include <QString>
#include <QStringList>

namespace tarvel {

/// What the desktop program's command line asks for.
struct WindowArguments {
  enum class Action { Run, Help, Version, Refuse };
  Action action = Action::Run;
  /// The saved reading to open at start (Run only); empty for none.
  QString readingFile;
  /// Why the command line was refused (Refuse only): one line, without the program's name.
  QString refusal;
};

/// Reads the arguments that follow the program's name. "--help" (or "-h") and "--version"
/// win wherever they stand, so they work before Qt has seen its own options; otherwise at
/// most one file name is accepted, "--" ending the options, and any other option is refused,
/// as is a file name whose bytes were not UTF-8 (U+FFFD in their place).
WindowArguments ReadWindowArguments(const QStringList& arguments);

/// What `tarvel --help` prints.
QString WindowUsage();

/// What `tarvel --version` prints: "tarvel" and the version, on one line.
QString WindowVersionLine();

}  // namespace tarvel
