#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace tarvel::testing {

/// What a command printed on its standard output, and whether it ended well.
struct ToolRun {
  bool ok = false;
  QString out;
};

inline ToolRun RunTool(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  ToolRun run;
  if (!process.waitForFinished(60000)) return run;
  run.ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
  run.out = QString::fromUtf8(process.readAllStandardOutput());
  return run;
}

/// The text pdftotext reads from one page of a PDF (1 is the first), or from all of them.
inline ToolRun PdfText(const QString& pdf, int page = 0) {
  QStringList arguments;
  if (page > 0) arguments << "-f" << QString::number(page) << "-l" << QString::number(page);
  return RunTool("pdftotext", arguments << "-enc"
                                        << "UTF-8" << pdf << "-");
}

/// The number of pages pdfinfo finds in a PDF; 0 when it reads none.
inline int PdfPageCount(const QString& pdf) {
  const ToolRun info = RunTool("pdfinfo", {pdf});
  const QRegularExpressionMatch pages =
      QRegularExpression("^Pages:\\s+(\\d+)$", QRegularExpression::MultilineOption).match(info.out);
  return info.ok && pages.hasMatch() ? pages.captured(1).toInt() : 0;
}

/// A page's text as trimmed lines, empty ones left out.
inline QStringList TextLines(const QString& text) {
  QStringList lines;
  for (const QString& line : text.split('\n')) {
    if (!line.trimmed().isEmpty()) lines << line.trimmed();
  }
  return lines;
}

}  // namespace tarvel::testing
