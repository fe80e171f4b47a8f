#include "app/window/periods_view.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QVBoxLayout>

#include "web/about/named.h"

namespace tarvel {
namespace {

constexpr int kRowRole = Qt::UserRole;

CalendarDay DayOf(QDate date) {
  return {date.year(), date.month(), date.day()};
}

void SetBold(QTreeWidgetItem* item, bool bold) {
  QFont font = item->font(0);
  font.setBold(bold);
  for (int column = 0; column < item->columnCount(); ++column) item->setFont(column, font);
}

QHBoxLayout* DateRow(QDateEdit* date, QWidget* parent) {
  auto* row = new QHBoxLayout;
  auto* label = new QLabel("&Date:", parent);
  label->setBuddy(date);
  row->addWidget(label);
  row->addWidget(date);
  row->addStretch();
  return row;
}

}  // namespace

PeriodsView::PeriodsView(QWidget* parent)
    : QWidget(parent),
      balance_(Named(new QLabel(this), "lblBalance")),
      date_(Named(new QDateEdit(QDate::currentDate(), this), "datPeriods")),
      tree_(Named(new QTreeWidget(this), "treePeriods")) {
  date_->setToolTip("The periods running on this date are shown in bold and opened");
  // The box's own line edit shows its tooltip too.
  for (QLineEdit* part : date_->findChildren<QLineEdit*>()) part->setToolTip(date_->toolTip());
  tree_->setToolTip("Choose a period to draw on the chart the Argala its lords cast and obstruct");
  date_->setCalendarPopup(true);
  date_->setDisplayFormat("d MMM yyyy");
  tree_->setHeaderLabels({"Period", "Dates"});
  tree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(balance_);
  layout->addLayout(DateRow(date_, this));
  layout->addWidget(tree_, 1);
  connect(date_, &QDateEdit::dateChanged, this, [this] { MarkRunning(); });
  connect(tree_, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* item) { Choose(item); });
}

void PeriodsView::ShowPeriods(const ChartResult& chart, DashaYear year) {
  chart_ = chart;
  list_ = ListChartPeriods(chart, year);
  balance_->setText(QString::fromStdString(list_.balanceText));
  const QSignalBlocker blocker(tree_);
  tree_->clear();
  items_.clear();
  std::vector<QTreeWidgetItem*> parents;
  for (std::size_t at = 0; at < list_.rows.size(); ++at) {
    const PeriodRow& row = list_.rows[at];
    parents.resize(row.level);
    const QStringList texts{QString::fromStdString(row.lordsText),
                            QString::fromStdString(row.datesText)};
    auto* item = parents.empty() ? new QTreeWidgetItem(tree_, texts)
                                 : new QTreeWidgetItem(parents.back(), texts);
    item->setData(0, kRowRole, QVariant::fromValue(at));
    items_.push_back(item);
    parents.push_back(item);
  }
  MarkRunning();
}

QString PeriodsView::RunningOn(QDate date) const {
  const std::optional<std::size_t> row = RunningRow(list_, DayOf(date));
  return row ? QString::fromStdString(list_.rows[*row].lordsText) : QString();
}

// The running periods are emphasised and opened down to the deepest, which is scrolled to.
void PeriodsView::MarkRunning() {
  const std::optional<std::size_t> running = RunningRow(list_, DayOf(date_->date()));
  tree_->collapseAll();
  for (QTreeWidgetItem* item : items_) SetBold(item, false);
  if (!running) return;
  QTreeWidgetItem* deepest = items_[*running];
  for (QTreeWidgetItem* item = deepest; item; item = item->parent()) {
    SetBold(item, true);
    if (item != deepest) item->setExpanded(true);
  }
  tree_->scrollToItem(deepest);
}

void PeriodsView::Choose(QTreeWidgetItem* item) {
  if (!item) return;
  const auto at = item->data(0, kRowRole).value<std::size_t>();
  emit periodChosen(ExplainPeriod(chart_, list_.rows[at]));
}

CalendarDay PeriodsView::MarkedDay() const {
  return DayOf(date_->date());
}

void AddTodaysPeriods(QLabel& header, const PeriodsView& periods) {
  const QString running = periods.RunningOn(QDate::currentDate());
  if (!running.isEmpty()) header.setText(header.text() + "\nPeriods today: " + running);
}

}  // namespace tarvel
