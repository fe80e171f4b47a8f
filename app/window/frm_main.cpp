#include "app/window/frm_main.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <utility>

#include "app/window/first_window_size.h"
#include "app/window/form_mapping.h"
#include "app/window/reading_files.h"
#include "app/window/reading_text.h"
#include "app/window/sky_preference.h"
#include "app/window/summary_view.h"
#include "app/window/varga_selector.h"
#include "app/window/view_preference.h"
#include "app/window/year_list.h"
#include "app/window/zone_list.h"
#include "document/chart_document.h"
#include "document/chart_document_periods.h"
#include "form/atlas_form.h"
#include "form/calculation_driver.h"
#include "form/key_classes.h"
#include "web/about/frm_about.h"
#include "web/about/mod_help.h"
#include "web/about/named.h"
#include "web/about/program_icon.h"

namespace tarvel {
namespace {

constexpr int kInitialWidthPx = 840;
constexpr int kInitialHeightPx = 520;

}  // namespace

frmMain::frmMain(MessageSink& sink, const modHelp& help, QWidget* parent)
    : QMainWindow(parent), sink_(sink), help_(help) {
  setObjectName("frmMain");
  setWindowTitle("Tarvel v1.0");
  setWindowIcon(ProgramIcon());
  menu_ = BuildMainMenu(menuBar());
  skyMenu_ = BuildSkyMenu(menuBar(), menu_.mnuHelp->menuAction());
  viewMenu_ = BuildViewMenu(menuBar(), skyMenu_.mnuSky->menuAction());
  CreateViews();
  ConnectViewOptions();
  ConnectInputView();
  ConnectMenusAndLinks();
  ConnectSkyMenu();
  ConnectDashaYearMenu();
  ConnectViewMenu();
  ConnectAtlas();
  ConnectChartCommands();
  ConnectFileMenu();
  // A larger font asks for more room than the natural size; the status bar is there by now.
  const QSize natural = QSize(kInitialWidthPx, kInitialHeightPx).expandedTo(sizeHint());
  resize(FirstWindowSize(natural, screen()->availableGeometry().size()));
  RestoreRemembered();
  WatchForm();
}

// The controls outlive the window's own part: their last signals (a box losing its focus)
// must not reach it.
frmMain::~frmMain() {
  for (QWidget* child : findChildren<QWidget*>()) child->disconnect(this);
}

// The View menu's items; a chart on show says again what its boxes are now to say.
void frmMain::ConnectViewOptions() {
  viewOptions_ = new ResultViewOptions(viewMenu_.mnuView, result_, this);
  connect(viewOptions_, &ResultViewOptions::detailsChanged, this, [this] {
    if (FrontView() == result_.Frame2) ShowChart(Document());
  });
}

void frmMain::CreateViews() {
  auto* central = new QWidget(this);
  views_ = new QStackedWidget(central);
  input_ = BuildInputView(views_);
  result_ = BuildResultView(views_);
  views_->addWidget(input_.Frame1);
  views_->addWidget(result_.Frame2);
  views_->setCurrentWidget(input_.Frame1);
  promotions_ = BuildPromotions(central);
  auto* layout = new QVBoxLayout(central);
  layout->addWidget(views_, 1);
  layout->addWidget(promotions_.strip);
  setCentralWidget(central);
}

void frmMain::ConnectInputView() {
  connect(input_.cmdCalculate, &QPushButton::clicked, this, &frmMain::Calculate);
  connect(input_.Command1, &QPushButton::clicked, this, &frmMain::FindLatitudeLongitude);
  connect(result_.cmdBack, &QPushButton::clicked, this,
          [this] { views_->setCurrentWidget(input_.Frame1); });
  for (FilteredLineEdit* box : TextBoxes(input_)) {
    connect(box, &FilteredLineEdit::refused, this, [this, box] { RefuseKey(*box); });
  }
  connect(input_.cmdOpen, &QPushButton::clicked, this, &frmMain::OpenSavedReading);
  connect(result_.cmdSave, &QPushButton::clicked, this, &frmMain::SaveReadingAs);
  connect(result_.cboVarga, &QComboBox::currentIndexChanged, this, [this] {
    if (FrontView() == result_.Frame2) ShowComputedChart();
  });
}

void frmMain::ConnectMenusAndLinks() {
  connect(menu_.mnuCalculate, &QAction::triggered, this, &frmMain::Calculate);
  connect(menu_.mnuExit, &QAction::triggered, this, &QWidget::close);
  connect(menu_.mnuAbout, &QAction::triggered, this, &frmMain::ShowAbout);
  const modHelp& help = help_;
  connect(menu_.mnuOnline, &QAction::triggered, this, [&help] { help.OpenOnlineHelp(); });
  connect(menu_.mnuVisit, &QAction::triggered, this, [&help] { help.OpenHomePage(); });
  connect(menu_.mnuUpdate, &QAction::triggered, this, [&help] { help.OpenUpdate(); });
  connect(menu_.mnuDonate, &QAction::triggered, this, [&help] { help.OpenDonation(); });
  connect(promotions_.Label8, &LinkLabel::clicked, this, [&help] { help.OpenHomePage(); });
  connect(promotions_.lblCobrand, &LinkLabel::clicked, this, [&help] { help.OpenCoBrand(); });
  connect(promotions_.lblFullBrand, &LinkLabel::clicked, this, [&help] { help.OpenFullBrand(); });
}

void frmMain::ConnectSkyMenu() {
  sky_ = LoadSkySettings(QSettings());
  ShowSkySettings(skyMenu_, sky_);
  ShowYears(*input_.cboYear, YearsOf(sky_.kind));
  for (QAction* action : skyMenu_.mnuSky->findChildren<QAction*>()) {
    if (action->isCheckable()) connect(action, &QAction::triggered, this, &frmMain::ChooseSky);
  }
}

// The year changes only the periods' dates, so no chart is computed again.
void frmMain::ConnectDashaYearMenu() {
  dashaYearMenu_ = BuildDashaYearMenu(skyMenu_.mnuSky);
  dashaYear_ = LoadDashaYear(QSettings());
  ShowDashaYear(dashaYearMenu_, dashaYear_);
  for (QAction* action : dashaYearMenu_.years) {
    connect(action, &QAction::triggered, this, [this] {
      dashaYear_ = ChosenDashaYear(dashaYearMenu_);
      QSettings settings;
      SaveDashaYear(settings, dashaYear_);
      if (FrontView() == result_.Frame2) result_.periods->ShowPeriods(state_.Chart, dashaYear_);
    });
  }
}

// A new sky is remembered for the next run; a chart on show is computed again in it.
void frmMain::ChooseSky() {
  const SkySettings chosen = ChosenSkySettings(skyMenu_);
  // The ticked item again changes nothing, unless it brings a reading opened in its own sky
  // into the menu's.
  if (chosen == sky_ && state_.Chart.sky == sky_) return;
  sky_ = chosen;
  ShowSkySettings(skyMenu_, sky_);
  ShowYears(*input_.cboYear, YearsOf(sky_.kind));
  QSettings settings;
  SaveSkySettings(settings, sky_);
  if (FrontView() != result_.Frame2) return;
  RunCalculationChain(state_, CurrentSky());
  ShowComputedChart();
}

void frmMain::ConnectViewMenu() {
  chartStyle_ = LoadChartStyle(QSettings());
  ShowChartStyle(viewMenu_, chartStyle_);
  for (QAction* action : viewMenu_.chartStyle) {
    connect(action, &QAction::triggered, this, &frmMain::ChooseChartStyle);
  }
}

// A new style is remembered for the next run; a chart on show is drawn again in it.
void frmMain::ChooseChartStyle() {
  const ChartStyle chosen = ChosenChartStyle(viewMenu_);
  if (chosen == chartStyle_) return;
  chartStyle_ = chosen;
  QSettings settings;
  SaveChartStyle(settings, chartStyle_);
  if (FrontView() == result_.Frame2) ShowChart(Document());
}

void frmMain::ConnectAtlas() {
  cities_ = new CityCompleter(input_.txtCity, atlas_,
                              [this](const Place& place) { FillFromAtlas(place); });
  // The user's own hand on the place or the zone ends the atlas's say over them.
  for (FilteredLineEdit* box :
       {input_.txtCity, input_.txtState, input_.txtCountry, input_.txtLatDeg, input_.txtLatMin,
        input_.txtLonDeg, input_.txtLonMin}) {
    connect(box, &QLineEdit::textEdited, this, &frmMain::ForgetAtlasPlace);
  }
  connect(input_.cboTimeZone, &QComboBox::activated, this, &frmMain::ForgetAtlasPlace);
  connect(input_.txtZoneOffset, &QLineEdit::textEdited, this, &frmMain::ForgetAtlasPlace);
  connect(input_.txtCity, &QLineEdit::editingFinished, this, &frmMain::CheckCityInAtlas);
  connect(input_.chkDST, &QCheckBox::clicked, this, &frmMain::ForgetAtlasPlace);
  for (QRadioButton* option :
       {input_.optLat[0], input_.optLat[1], input_.optLong[0], input_.optLong[1]}) {
    connect(option, &QRadioButton::clicked, this, &frmMain::ForgetAtlasPlace);
  }
  // A new date or time may bring another offset or daylight saving.
  for (QComboBox* list : {input_.cboDate, input_.cboMonth, input_.cboYear, input_.cboHour,
                          input_.cboMinute, input_.cboSecond}) {
    connect(list, &QComboBox::currentIndexChanged, this, &frmMain::RefillZoneFromAtlas);
  }
}

void frmMain::FillFromAtlas(const Place& place) {
  BirthForm form = ReadForm(input_);
  FillPlace(place, form);
  WriteForm(form, input_);
  atlasPlace_ = place;
  RefillZoneFromAtlas();
}

void frmMain::RefillZoneFromAtlas() {
  if (!atlasPlace_) return;
  BirthForm form = ReadForm(input_);
  const ZoneFill fill = FillZone(*atlasPlace_, form);
  WriteZone(form, *input_.cboTimeZone, *input_.txtZoneOffset, fill.offsetLabel);
  input_.chkDST->setChecked(form.chkDST);
  input_.lblZoneNote->setText(QString::fromStdString(fill.note));
  undecidedZone_ = fill.refusal;
  atlasFill_ = ReadForm(input_);
}

// A city the atlas does not know takes back what the atlas filled for the last one.
void frmMain::CheckCityInAtlas() {
  const std::string city = input_.txtCity->text().trimmed().toStdString();
  if (atlasPlace_ || city.size() < 2 || !atlas_.Get().Complete(city, 1).empty()) return;
  BirthForm form = ReadForm(input_);
  if (atlasFill_) TakeBackAtlasFill(*std::exchange(atlasFill_, std::nullopt), form);
  WriteForm(form, input_);
  input_.lblZoneNote->setText(QString::fromStdString(NotInAtlasNote(city)));
}

void frmMain::ForgetAtlasPlace() {
  atlasPlace_.reset();
  undecidedZone_.clear();
  input_.lblZoneNote->clear();
}

// Print and export act on the chart on show, so they are open only while it is.
void frmMain::ConnectChartCommands() {
  connect(views_, &QStackedWidget::currentChanged, this, &frmMain::EnableChartCommands);
  EnableChartCommands();
  connect(menu_.mnuPrint, &QAction::triggered, this,
          [this] { PrintChartCommand(*printer_, sink_, PrintedDocument()); });
  connect(menu_.mnuExportPdf, &QAction::triggered, this, [this] {
    if (auto path = ExportPdfCommand(*chooser_, sink_, PrintedDocument())) {
      ShowStatus("Exported " + *path);
    }
  });
  connect(menu_.mnuExportImage, &QAction::triggered, this, [this] {
    if (auto path = ExportImageCommand(*chooser_, sink_, Document())) {
      ShowStatus("Exported " + *path);
    }
  });
}

ChartDocument frmMain::PrintedDocument() const {
  return WithPeriods(Document(), state_.Chart, dashaYear_, result_.periods->MarkedDay());
}

void frmMain::EnableChartCommands() {
  const bool showsChart = FrontView() == result_.Frame2;
  for (QAction* action :
       {menu_.mnuPrint, menu_.mnuExportPdf, menu_.mnuExportImage, menu_.mnuSave, menu_.mnuSaveAs}) {
    action->setEnabled(showsChart);
  }
}

void frmMain::SetFinderHooks(FinderHooks hooks) {
  finder_ = std::move(hooks);
}

void frmMain::SetFileChooser(FileChooser& chooser) {
  chooser_ = &chooser;
}

void frmMain::SetChartPrinter(ChartPrinter& printer) {
  printer_ = &printer;
}

QWidget* frmMain::FrontView() const {
  return views_->currentWidget();
}

void frmMain::Calculate() {
  // The list still shows a zone the atlas found wrong for the place and date.
  if (!undecidedZone_.empty()) {
    sink_.ShowMessage(undecidedZone_, MessageIcon::Error);
    input_.cboTimeZone->setFocus();
    return;
  }
  if (const auto problem = ZoneOffsetProblem(*input_.cboTimeZone, *input_.txtZoneOffset)) {
    sink_.ShowMessage(*problem, MessageIcon::Error);
    input_.txtZoneOffset->setFocus();
    return;
  }
  BirthForm form = ReadForm(input_);
  const std::optional<Refusal> refusal = CalculateReading(form, state_, sink_, CurrentSky());
  if (!refusal) {
    Calculated();
    ShowComputedChart();
    return;
  }
  // A refusal for a missing direction has selected "North" or "East" in the form.
  WriteDirections(form, input_);
  if (refusal->focus) TextBox(input_, *refusal->focus)->setFocus();
}

void frmMain::FindLatitudeLongitude() {
  const std::array<std::pair<FilteredLineEdit*, std::string_view>, 3> placeBoxes{{
      {input_.txtCity, "Please Enter City"},
      {input_.txtState, "Please Enter State"},
      {input_.txtCountry, "Please Enter Country"},
  }};
  // Only a box of length 0 is empty: a single space counts as a place name.
  for (const auto& [box, message] : placeBoxes) {
    if (box->text().isEmpty()) {
      sink_.ShowMessage(message, MessageIcon::Error);
      box->setFocus();
      return;
    }
  }
  bMaleSearch = true;
  if (finder_.open) finder_.open();
}

void frmMain::RefuseKey(FilteredLineEdit& box) {
  sink_.ShowMessage(RefusalMessage(box.Class()), MessageIcon::Error);
  if (RefocusesAfterRefusal(box.Class())) box.setFocus();
}

void frmMain::ShowAbout() {
  frmAbout about(help_, this);
  about.exec();
}

void frmMain::OpenSavedReading() {
  // An event handler lets no failure through.
  try {
    if (auto chosen = chooser_->ChooseOpenFile(OpenReadingRequest())) OpenReadingFile(*chosen);
  } catch (...) {
  }
}

bool frmMain::OpenReadingFile(const QString& path) {
  if (!MayLeaveReading(LeaveReason::Opening)) return false;
  const bool opened =
      OpenWith([&] { return OpenReadingPath(path, sink_, input_, state_, skies_, sky_); });
  if (!opened) return false;
  Opened(path);
  if (const QString note = OwnSkyNote(state_.Chart, sky_); !note.isEmpty()) ShowStatus(note);
  return true;
}

bool frmMain::OpenWith(const std::function<bool()>& open) {
  const BirthForm before = ReadForm(input_);
  // The file's date lists are written one by one: no zone is looked up for the half-written
  // dates between them.
  std::optional<Place> kept = std::exchange(atlasPlace_, std::nullopt);
  const bool opened = open();
  // The file's place replaces the atlas's, whether or not it gave a chart.
  if (opened || ReadForm(input_) != before) {
    ForgetAtlasPlace();
  } else {
    atlasPlace_ = std::move(kept);
  }
  if (opened) ShowComputedChart();
  return opened;
}

// A chart the sky could not compute is told in a message and never shown: the form stays in
// front, so nothing of it can be printed or exported.
void frmMain::ShowComputedChart() {
  if (state_.Chart.error.empty()) {
    // The chart is shown in the varga the selector names, without computing the sky again.
    const std::optional<Varga> varga = ChosenVarga(*result_.cboVarga);
    if (state_.Chart.varga != varga) SetVarga(state_.Chart, varga);
    ShowChart(Document());
    result_.chart->SetExplainedChart(state_.Chart);
    result_.periods->ShowPeriods(state_.Chart, dashaYear_);
    AddTodaysPeriods(*result_.lblHeader, *result_.periods);
    return;
  }
  views_->setCurrentWidget(input_.Frame1);
  sink_.ShowMessage(state_.Chart.error, MessageIcon::Error);
}

void frmMain::ShowChart(const ChartDocument& document) {
  result_.chart->ShowCaptions(document.captions, document.face);
  result_.chart->ShowNotes(document.boxNotes);
  // The sky has a line of its own beside the reading.
  ChartHeader header = document.header;
  const std::string sky = std::exchange(header.sky, {});
  result_.lblHeader->setText(QString::fromStdString(HeaderLine(header)));
  ShowReadingText(document.reading, *result_.RTB);
  ShowSummaryText(document, *result_.analysis.summary);
  result_.lblSky->setText(QString::fromStdString("Sky: " + sky));
  BringResultViewToFront();
}

void frmMain::BringResultViewToFront() {
  views_->setCurrentWidget(result_.Frame2);
}

void frmMain::closeEvent(QCloseEvent* event) {
  // The finder window goes with the main window; the program ends when both are closed.
  if (!MayClose()) {
    event->ignore();
    return;
  }
  if (finder_.unload) finder_.unload();
  event->accept();
}

}  // namespace tarvel
