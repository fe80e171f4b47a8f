#include "app/window/window_arguments.h"

#include "export/placed_text.h"
#include "tarvel_version.h"

namespace tarvel {
namespace {

constexpr auto kUsage =
    "Usage: tarvel [OPTION]... [FILE.tvl]\n"
    "Vedic (sidereal) astrology in a desktop window: type a birth, and Tarvel draws its Rasi\n"
    "chart and reads the Argala (planetary intervention) and Virodhargala (obstruction) that\n"
    "each planet casts.\n"
    "\n"
    "With FILE.tvl the window opens that saved reading at start: it restores the birth form\n"
    "and shows the chart, as \"Open Previously Saved Reading\" does.\n"
    "\n"
    "Options:\n"
    "  -h, --help     print this help and exit\n"
    "      --version  print the program's name and version, and exit\n"
    "\n"
    "Qt's own options, such as -platform offscreen or -style fusion, are accepted too.\n"
    "Without a display, the same charts come from tarvel-cli (see 'tarvel-cli --help').\n";

WindowArguments Refused(const QString& refusal) {
  return {WindowArguments::Action::Refuse, QString(), refusal};
}

}  // namespace

WindowArguments ReadWindowArguments(const QStringList& arguments) {
  for (const QString& argument : arguments) {
    if (argument == "--") break;
    if (argument == "--help" || argument == "-h") return {WindowArguments::Action::Help, {}, {}};
    if (argument == "--version") return {WindowArguments::Action::Version, {}, {}};
  }
  WindowArguments read;
  bool optionsEnded = false;
  for (const QString& argument : arguments) {
    if (!optionsEnded && argument == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && argument.startsWith('-') && argument != "-") {
      return Refused("unknown option '" + argument + "' (see 'tarvel --help')");
    } else if (!read.readingFile.isEmpty()) {
      return Refused("one reading file at a time (see 'tarvel --help')");
    } else if (argument.contains(QChar::ReplacementCharacter)) {
      // Bytes that are not UTF-8 reach Qt as U+FFFD, and no file has the name they make.
      return Refused("the file name '" + argument +
                     "' is not UTF-8, which is all Tarvel can open: rename the file");
    } else {
      read.readingFile = argument;
    }
  }
  return read;
}

QString WindowUsage() {
  return kUsage;
}

QString WindowVersionLine() {
  return "tarvel " + FromUtf8(kVersion) + '\n';
}

}  // namespace tarvel
