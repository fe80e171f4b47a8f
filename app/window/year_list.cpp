#include "app/window/year_list.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace tarvel {
namespace {

// Where a year goes in a list of years in increasing order.
int PlaceOf(const QComboBox& list, int year) {
  int index = 0;
  while (index < list.count() && list.itemText(index).toInt() < year) ++index;
  return index;
}

}  // namespace

int ShownYear(const QComboBox& list) {
  return list.currentText().toInt();
}

void ShowYear(QComboBox& list, int year) {
  const QString text = QString::number(year);
  int index = list.findText(text);
  if (index < 0) {
    index = PlaceOf(list, year);
    list.insertItem(index, text);
  }
  list.setCurrentIndex(index);
}

void ShowYears(QComboBox& list, SkyYears years) {
  const QSignalBlocker quiet(list);
  const bool hadYear = list.currentIndex() >= 0;
  const int shown = hadYear ? ShownYear(list) : years.first;
  list.clear();
  for (int year = years.first; year <= years.last; ++year) list.addItem(QString::number(year));
  ShowYear(list, shown);
}

}  // namespace tarvel
