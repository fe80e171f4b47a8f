#pragma once

#include <QDate>
#include <QDateEdit>
#include <QLabel>
#include <QTreeWidget>
#include <QWidget>

#include "document/period_argala.h"
#include "document/period_list.h"

namespace tarvel {

/// The Vimshottari periods of the chart on show: the balance at birth, a date box, and the
/// mahadashas as a tree that opens into antardashas and pratyantardashas. The periods running
/// on the box's date are emphasised and opened; choosing a period tells what Argala its lords
/// bring.
class PeriodsView : public QWidget {
  Q_OBJECT

 public:
  explicit PeriodsView(QWidget* parent = nullptr);

  /// Lists a computed chart's periods with years of `year`, marking those of the box's date.
  void ShowPeriods(const ChartResult& chart, DashaYear year);

  /// The lords of the deepest period running on a date, e.g. "Jupiter–Saturn–Mercury"; empty
  /// before any chart or outside every period.
  QString RunningOn(QDate date) const;

  /// The day whose running periods are marked: the date box's.
  CalendarDay MarkedDay() const;

  QDateEdit* DateBox() const { return date_; }
  QTreeWidget* Tree() const { return tree_; }

 signals:
  /// A period was chosen in the tree.
  void periodChosen(const tarvel::PeriodArgala& argala);

 private:
  void MarkRunning();
  void Choose(QTreeWidgetItem* item);

  QLabel* balance_ = nullptr;
  QDateEdit* date_ = nullptr;
  QTreeWidget* tree_ = nullptr;
  ChartResult chart_;
  PeriodList list_;
  std::vector<QTreeWidgetItem*> items_;  ///< by row of `list_`
};

/// Adds a line naming the periods running today to a chart's header, e.g. "Periods today:
/// Jupiter–Saturn–Mercury"; nothing outside every period.
void AddTodaysPeriods(QLabel& header, const PeriodsView& periods);

}  // namespace tarvel
