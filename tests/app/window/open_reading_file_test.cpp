#include <QDir>
#include <QTemporaryDir>
#include <fstream>

#include "../example_birth.h"
#include "app/scramble.h"
#include "app/window/form_mapping.h"
#include "window_fixture.h"

namespace tarvel::testing {
namespace {

const ShownMessage kCheckTheFile{"Please Check The File.", MessageIcon::Error};

// A reading named on the command line, as `tarvel FILE.tvl` opens it at start.
class OpenReadingFileTest : public WindowTest {
 protected:
  QString Write(const QString& name, const std::string& bytes) {
    const QString path = folder.filePath(name);
    std::ofstream(QFile::encodeName(path).toStdString(), std::ios::binary) << bytes;
    return path;
  }

  QTemporaryDir folder;
};

TEST_F(OpenReadingFileTest, RestoresTheFormAndShowsTheChart) {
  // A file manager passes the full path, spaces and all.
  const QString path = Write("Asha Rao, Mumbai.tvl", FileOf(AshaLines()));
  EXPECT_TRUE(window.OpenReadingFile(path));
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(ReadForm(in), AshaForm());
  const ExpectedView expected = CoreView(AshaForm());
  EXPECT_EQ(out.RTB->toPlainText(), PlainReading(expected.runs));
  for (std::size_t sign = 0; sign < expected.captions.lblSign.size(); ++sign) {
    EXPECT_EQ(out.chart.lblSign[sign]->text().toStdString(), expected.captions.lblSign[sign]);
  }
  for (std::size_t planet = 0; planet < expected.captions.lblPlanets_Position.size(); ++planet) {
    EXPECT_EQ(out.chart.lblPlanets_Position[planet]->text().toStdString(),
              expected.captions.lblPlanets_Position[planet]);
  }
  EXPECT_EQ(window.FrontView(), out.Frame2);
}

TEST_F(OpenReadingFileTest, ANameOutsideAsciiOpensToo) {
  const QString path = Write(QString::fromUtf8("Āśā.tvl"), FileOf(AshaLines()));
  EXPECT_TRUE(window.OpenReadingFile(path));
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(ReadForm(in), AshaForm());
}

TEST_F(OpenReadingFileTest, AFileTheOpenButtonWouldRefuseIsRefusedTheSameWay) {
  FillRequiredBoxes();
  const BirthForm typed = ReadForm(in);
  std::string fiveLines;
  for (int line = 0; line < 5; ++line) fiveLines += ScrambleText(AshaLines()[line]) + "\r\n";
  const QString refused[] = {
      Write("asha.TVL", FileOf(AshaLines())),  // the ending's letter case counts
      Write("damaged.tvl", fiveLines), folder.filePath("missing.tvl"),
      folder.path(),  // a folder
  };
  for (const QString& path : refused) {
    sink.messages.clear();
    EXPECT_FALSE(window.OpenReadingFile(path)) << path.toStdString();
    EXPECT_EQ(sink.messages, std::vector{kCheckTheFile}) << path.toStdString();
    EXPECT_EQ(ReadForm(in), typed) << path.toStdString();
    EXPECT_EQ(window.FrontView(), in.Frame1) << path.toStdString();
  }
}

}  // namespace
}  // namespace tarvel::testing
