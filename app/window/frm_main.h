#pragma once

#include <QMainWindow>
#include <functional>

#include "app/window/chart_exports.h"
#include "app/window/city_completer.h"
#include "app/window/close_question.h"
#include "app/window/dasha_year_menu.h"
#include "app/window/file_dialogs.h"
#include "app/window/input_view.h"
#include "app/window/main_menu.h"
#include "app/window/promotions.h"
#include "app/window/result_panel.h"
#include "app/window/result_view_options.h"
#include "app/window/sky_menu.h"
#include "app/window/view_menu.h"
#include "atlas/lazy_atlas.h"
#include "chart/chart_state.h"
#include "chart/skies.h"
#include "document/chart_document.h"
#include "form/message_sink.h"
#include "form/reading_session.h"

class QStackedWidget;

namespace tarvel {

class modHelp;

/// What the main window asks of the latitude and longitude finder, which lives in a library
/// of its own. Either may be empty: then nothing opens, or there is nothing to close.
struct FinderHooks {
  /// Closes any finder window and shows a fresh one, modeless. It reads the place from
  /// the main window's txtCity, txtState and txtCountry, and bMaleSearch, itself.
  std::function<void()> open;
  /// Closes the finder window if one is open; called as the main window closes.
  std::function<void()> unload;
};

/// The main window: the input view and the result view, of which one is in front, the
/// menus and the promotional links. It maps its controls to and from a BirthForm and leaves
/// validation and calculation to the calculation driver, on one chart state that lives as
/// long as the window.
class frmMain : public QMainWindow {
  Q_OBJECT

 public:
  /// `sink` hears of refused input and `help` opens the links; both must outlive the window.
  frmMain(MessageSink& sink, const modHelp& help, QWidget* parent = nullptr);
  ~frmMain() override;

  void SetFinderHooks(FinderHooks hooks);

  /// Answers the save and open commands in place of the file dialogs; must outlive the window.
  void SetFileChooser(FileChooser& chooser);

  /// Prints in place of the print dialog; must outlive the window.
  void SetChartPrinter(ChartPrinter& printer);

  /// Asks in place of the message box shown before closing over an unsaved reading.
  void SetCloseQuestion(CloseQuestion question);

  /// The readings under Open Recent, the latest first; remembered between runs.
  const QStringList& RecentReadings() const { return recent_; }

  /// Set by the finder button once city, state and country are filled; tells the finder to
  /// search for that place. Never set back.
  bool bMaleSearch = false;

  /// The file name chosen in the last save dialog, offered by the next; empty at start.
  QString LastSavePath;

  const InputControls& Input() const { return input_; }
  const ResultControls& Result() const { return result_; }
  const MenuActions& Menu() const { return menu_; }
  const SkyMenuActions& SkyMenu() const { return skyMenu_; }
  const ResultViewOptions& ViewOptions() const { return *viewOptions_; }
  const ViewMenuActions& ViewMenu() const { return viewMenu_; }
  /// The completions offered under txtCity.
  const CityCompleter& Cities() const { return *cities_; }
  const PromotionControls& Promotions() const { return promotions_; }
  /// Frame1 or Frame2, whichever is in front.
  QWidget* FrontView() const;

  /// Opens the saved reading at `path` as "Open Previously Saved Reading" does once a file is
  /// chosen: asks first over an unsaved reading, as closing does, and keeps it on Cancel; then
  /// restores the form and shows its chart in the sky the file names, else the menu's, or says
  /// why not (see OpenReadingPath). For a reading named on the command line; true when it
  /// opened.
  bool OpenReadingFile(const QString& path);

  /// Shows a chart in the result view (chart, position list and reading) and brings the
  /// result view to the front.
  void ShowChart(const ChartDocument& document);
  void BringResultViewToFront();
  /// The sky charts are computed in, as the Sky menu shows it.
  SkySettings ChosenSky() const { return sky_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateViews();
  void ConnectViewOptions();
  void ConnectInputView();
  void ConnectMenusAndLinks();
  void ConnectSkyMenu();
  void ConnectDashaYearMenu();
  void ConnectAtlas();
  void ChooseSky();
  void ConnectViewMenu();
  void ChooseChartStyle();
  void FillFromAtlas(const Place& place);
  void RefillZoneFromAtlas();
  void ForgetAtlasPlace();
  void CheckCityInAtlas();
  const Sky& CurrentSky() const { return skies_.For(sky_); }
  void Calculate();
  void FindLatitudeLongitude();
  void RefuseKey(FilteredLineEdit& box);
  void ShowAbout();
  void OpenSavedReading();
  /// Runs `open`, which fills the form from a reading file, and shows its chart if it gave one.
  bool OpenWith(const std::function<bool()>& open);
  /// Shows the state's chart, or the sky's reason for giving none with the form in front.
  void ShowComputedChart();
  void ConnectChartCommands();
  void EnableChartCommands();
  // The file menu, the title and what is remembered between runs (frm_main_files.cpp).
  void ConnectFileMenu();
  void WatchForm();
  void RestoreRemembered();
  bool SaveReading();
  bool SaveReadingAs();
  bool SavedTo(const std::optional<QString>& path);
  void Opened(const QString& path);
  void Calculated();
  void OpenRecentReading(const QString& path);
  void RefreshRecentMenu();
  void ShowTitle();
  bool MayLeaveReading(LeaveReason reason);
  bool MayClose();
  void ShowStatus(const QString& text);
  /// The document of the state's chart, its boxes saying what the View menu asks, in the
  /// chosen chart style.
  ChartDocument Document() const {
    return MakeChartDocument(state_, viewOptions_->Details(), chartStyle_);
  }
  /// The document printed and exported as PDF: the chart on show with its periods, those
  /// running on the Periods tab's date marked.
  ChartDocument PrintedDocument() const;

  MessageSink& sink_;
  const modHelp& help_;
  Skies skies_;
  SkySettings sky_;
  DashaYear dashaYear_ = DashaYear::Sidereal;
  LazyAtlas atlas_;
  std::optional<Place> atlasPlace_;  ///< the atlas's place while the form still holds it
  std::string undecidedZone_;        ///< why the list holds no zone for that place and date, if so
  std::optional<BirthForm> atlasFill_;  ///< the form as the atlas last filled it
  ChartState state_;
  FinderHooks finder_;
  FileDialogs fileDialogs_{this};
  FileChooser* chooser_ = &fileDialogs_;
  PrintPreviewDialogs printDialogs_{this};
  ChartPrinter* printer_ = &printDialogs_;
  QStackedWidget* views_ = nullptr;
  InputControls input_;
  ResultControls result_;
  MenuActions menu_;
  SkyMenuActions skyMenu_;
  DashaYearMenu dashaYearMenu_;
  ResultViewOptions* viewOptions_ = nullptr;
  ViewMenuActions viewMenu_;
  ChartStyle chartStyle_ = ChartStyle::South;
  CityCompleter* cities_ = nullptr;
  PromotionControls promotions_;
  ReadingSession session_;
  QStringList recent_;
  CloseQuestion closeQuestion_;
};

}  // namespace tarvel
