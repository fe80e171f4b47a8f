#include "web/finder/frm_browser.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "web/links.h"

namespace tarvel {

namespace {

// Often enough that "Working..." follows a navigation closely, rarely enough to cost nothing.
constexpr int kBusyPollMs = 200;

struct ToolbarEntry {
  FinderButton button;
  const char* key;  ///< the button's text and object name
  QStyle::StandardPixmap icon;
};

constexpr ToolbarEntry kToolbarButtons[] = {
    {FinderButton::Back, "Back", QStyle::SP_ArrowBack},
    {FinderButton::Forward, "Forward", QStyle::SP_ArrowForward},
    {FinderButton::Stop, "Stop", QStyle::SP_BrowserStop},
    {FinderButton::Refresh, "Refresh", QStyle::SP_BrowserReload},
    {FinderButton::Home, "Home", QStyle::SP_DirHomeIcon},
    {FinderButton::Search, "Search", QStyle::SP_FileDialogContentsView},
};

constexpr const char* kPromotion = "<u>Visit our home page for more Vedic astrology software.</u>";

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

frmBrowser::frmBrowser(const FinderQuery& query, FinderOptions options, QWidget* parent)
    : QWidget(parent, Qt::Window),
      options_(std::move(options)),
      browser_(options_.makeBrowser({std::string(links::kHomePage), options_.service.homePage})),
      logic_(*browser_, *this, SearchPageHtml(options_.service)) {
  setObjectName("frmBrowser");
  setWindowTitle(FromUtf8(kFinderCaption));
  BuildTimer();
  auto* layout = new QVBoxLayout(this);
  // The address bar first: the label's filter checks the combo's editor.
  BuildAddressBar();
  BuildToolbar();
  QWidget* view = browser_->Widget();
  view->setObjectName("brwWebBrowser");
  layout->addWidget(tbToolBar_);
  layout->addWidget(picAddress_);
  layout->addWidget(view, 1);
  resize(800, 600);

  browser_->SetListener(&logic_);
  logic_.Load(query);
}

frmBrowser::~frmBrowser() {
  browser_->SetListener(nullptr);
}

void frmBrowser::BuildTimer() {
  timTimer_ = new QTimer(this);
  timTimer_->setObjectName("timTimer");
  timTimer_->setInterval(kBusyPollMs);
  connect(timTimer_, &QTimer::timeout, this, [this] { logic_.TimerTick(); });
}

void frmBrowser::BuildToolbar() {
  tbToolBar_ = new QToolBar(this);
  tbToolBar_->setObjectName("tbToolBar");
  tbToolBar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  for (const ToolbarEntry& entry : kToolbarButtons) {
    QAction* action = tbToolBar_->addAction(style()->standardIcon(entry.icon), entry.key);
    action->setObjectName(entry.key);
    const FinderButton button = entry.button;
    connect(action, &QAction::triggered, this, [this, button] { logic_.ToolbarButton(button); });
  }
  BuildPromotion();
}

void frmBrowser::BuildAddressBar() {
  picAddress_ = new QWidget(this);
  picAddress_->setObjectName("picAddress");
  auto* label = new QLabel("&Address:", picAddress_);
  label->setObjectName("lblAddress");
  cboAddress_ = new QComboBox(picAddress_);
  cboAddress_->setObjectName("cboAddress");
  cboAddress_->setEditable(true);
  // The logic keeps the list itself, most recent first.
  cboAddress_->setInsertPolicy(QComboBox::NoInsert);
  cboAddress_->lineEdit()->installEventFilter(this);
  label->setBuddy(cboAddress_);
  connect(cboAddress_, &QComboBox::activated, this,
          [this](int index) { logic_.AddressChosen(cboAddress_->itemText(index).toStdString()); });

  auto* row = new QHBoxLayout(picAddress_);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(label);
  row->addWidget(cboAddress_, 1);
}

void frmBrowser::BuildPromotion() {
  auto* spacer = new QWidget(tbToolBar_);
  spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  tbToolBar_->addWidget(spacer);
  Label61_ = new QLabel(kPromotion, tbToolBar_);
  Label61_->setObjectName("Label61");
  Label61_->setCursor(Qt::PointingHandCursor);
  Label61_->installEventFilter(this);
  tbToolBar_->addWidget(Label61_);
}

bool frmBrowser::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Label61_ && event->type() == QEvent::MouseButtonRelease) {
    if (options_.openHomePage) options_.openHomePage();
    return true;
  }
  if (watched == cboAddress_->lineEdit() && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    logic_.AddressChosen(cboAddress_->currentText().toStdString());
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void frmBrowser::SetCaption(const std::string& caption) {
  setWindowTitle(FromUtf8(caption));
}

void frmBrowser::SetTimerEnabled(bool enabled) {
  if (enabled) {
    timTimer_->start();
  } else {
    timTimer_->stop();
  }
}

int frmBrowser::AddressCount() const {
  return cboAddress_->count();
}

std::string frmBrowser::AddressAt(int index) const {
  return cboAddress_->itemText(index).toStdString();
}

void frmBrowser::RemoveAddress(int index) {
  cboAddress_->removeItem(index);
}

void frmBrowser::InsertFirstAddress(const std::string& address) {
  cboAddress_->insertItem(0, FromUtf8(address));
}

void frmBrowser::SelectFirstAddress() {
  cboAddress_->setCurrentIndex(0);
}

}  // namespace tarvel
