#include "app/window/zone_list.h"

#include <QComboBox>
#include <QLineEdit>
#include <QValidator>

namespace tarvel {
namespace {

constexpr const char* kExactOffsetText = "Exact offset from universal time";
constexpr const char* kOffsetPattern = "+HH:MM:SS";

// Takes a signed clock as it is typed: each character where the pattern has one of its kind,
// and a whole offset only within 15:00 either way.
class OffsetValidator : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString& input, int&) const override {
    const std::string typed = input.toStdString();
    if (typed.size() > std::string_view(kOffsetPattern).size()) return Invalid;
    for (std::size_t i = 0; i < typed.size(); ++i) {
      if (!FitsPattern(typed[i], kOffsetPattern[i])) return Invalid;
    }
    if (ParseSignedClock(typed)) return Acceptable;
    // A whole offset beyond 15:00, or with 60 minutes or seconds, is refused as it is typed.
    const bool whole = typed.size() == 6 || typed.size() == 9;
    return whole ? Invalid : Intermediate;
  }

 private:
  static bool FitsPattern(char c, char pattern) {
    if (pattern == '+') return c == '+' || c == '-';
    if (pattern == ':') return c == ':';
    return c >= '0' && c <= '9';
  }
};

std::optional<int> TypedOffset(const QLineEdit& offsetBox) {
  return ParseSignedClock(offsetBox.text().toStdString());
}

void OpenEditorFor(const QComboBox& zoneList, QLineEdit& offsetBox) {
  offsetBox.setEnabled(zoneList.currentIndex() == kExactOffsetEntry);
}

}  // namespace

void AddZoneEntries(QComboBox& zoneList, QLineEdit& offsetBox) {
  zoneList.addItem(kExactOffsetText);
  zoneList.addItem(QString::fromStdString(ZoneName(LocalMeanTimeZone())));
  offsetBox.setValidator(new OffsetValidator(&offsetBox));
  offsetBox.setPlaceholderText("+05:45");
  offsetBox.setMaxLength(static_cast<int>(std::string_view(kOffsetPattern).size()));
  OpenEditorFor(zoneList, offsetBox);
  QObject::connect(&zoneList, &QComboBox::currentIndexChanged, &offsetBox,
                   [&zoneList, &offsetBox] { OpenEditorFor(zoneList, offsetBox); });
}

void ReadZone(const QComboBox& zoneList, const QLineEdit& offsetBox, BirthForm& form) {
  const int entry = zoneList.currentIndex();
  form.zoneKind = ZoneKind::Row;
  form.zoneOffsetSeconds = 0;
  if (entry < kTimeZoneRows) {
    form.cboTimeZone = entry;
  } else if (entry == kExactOffsetEntry) {
    form.zoneKind = ZoneKind::Offset;
    form.zoneOffsetSeconds = TypedOffset(offsetBox).value_or(0);
    form.cboTimeZone = NearestZoneRow(form.zoneOffsetSeconds);
  } else {
    form.zoneKind = ZoneKind::LocalMeanTime;
    const int magnitudeSeconds =
        LocalMeanTimeOffsetSeconds(form.txtLonDeg.Value() + form.txtLonMin.Value() / 60.0);
    const bool east = form.optLong != LongitudeChoice::West;
    form.cboTimeZone = NearestZoneRow(east ? magnitudeSeconds : -magnitudeSeconds);
  }
}

void WriteZone(const BirthForm& form, QComboBox& zoneList, QLineEdit& offsetBox,
               const std::string& label) {
  switch (form.zoneKind) {
    case ZoneKind::Offset: {
      const std::string name = label.empty() ? ZoneName(FormZone(form)) : label;
      zoneList.setItemText(kExactOffsetEntry, QString::fromStdString(name));
      offsetBox.setText(QString::fromStdString(SignedClockText(form.zoneOffsetSeconds)));
      zoneList.setCurrentIndex(kExactOffsetEntry);
      return;
    }
    case ZoneKind::LocalMeanTime:
      zoneList.setCurrentIndex(kLocalMeanTimeEntry);
      return;
    case ZoneKind::Row:
      break;
  }
  zoneList.setCurrentIndex(form.cboTimeZone);
}

std::optional<std::string> ZoneOffsetProblem(const QComboBox& zoneList,
                                             const QLineEdit& offsetBox) {
  if (zoneList.currentIndex() != kExactOffsetEntry || TypedOffset(offsetBox)) return std::nullopt;
  return "Please enter the offset from universal time as +HH:MM or +HH:MM:SS (- behind it), at "
         "most 15:00 either way";
}

}  // namespace tarvel
