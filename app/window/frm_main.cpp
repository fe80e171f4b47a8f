#include "app/window/frm_main.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QMenuBar>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <utility>

#include "app/calculation_driver.h"
#include "app/key_classes.h"
#include "app/window/form_mapping.h"
#include "app/window/reading_files.h"
#include "app/window/reading_text.h"
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
  CreateViews();
  ConnectInputView();
  ConnectMenusAndLinks();
  resize(kInitialWidthPx, kInitialHeightPx);
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
  connect(result_.cmdSave, &QPushButton::clicked, this, &frmMain::SaveCurrentReading);
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

void frmMain::SetFinderHooks(FinderHooks hooks) {
  finder_ = std::move(hooks);
}

void frmMain::SetFileChooser(FileChooser& chooser) {
  chooser_ = &chooser;
}

QWidget* frmMain::FrontView() const {
  return views_->currentWidget();
}

void frmMain::Calculate() {
  BirthForm form = ReadForm(input_);
  const std::optional<Refusal> refusal = CalculateReading(form, state_, sink_, sky_);
  if (!refusal) {
    ShowChart(state_.Chart);
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

void frmMain::SaveCurrentReading() {
  SaveReadingCommand(*chooser_, sink_, state_.BirthData, input_.cboTimeZone->currentIndex(),
                     LastSavePath);
}

void frmMain::OpenSavedReading() {
  if (OpenReadingCommand(*chooser_, sink_, input_, state_, sky_)) ShowChart(state_.Chart);
}

bool frmMain::OpenReadingFile(const QString& path) {
  if (!OpenReadingPath(path, sink_, input_, state_, sky_)) return false;
  ShowChart(state_.Chart);
  return true;
}

void frmMain::ShowChart(const ChartResult& chart) {
  ShowChartCaptions(BuildChartCaptions(chart.signs, chart.positions.grahaDeg), result_.chart);
  ShowReadingText(chart, *result_.RTB);
  BringResultViewToFront();
}

void frmMain::BringResultViewToFront() {
  views_->setCurrentWidget(result_.Frame2);
}

void frmMain::closeEvent(QCloseEvent* event) {
  // The finder window goes with the main window; the program ends when both are closed.
  if (finder_.unload) finder_.unload();
  event->accept();
}

}  // namespace tarvel
