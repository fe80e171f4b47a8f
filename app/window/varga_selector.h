#pragma once

#include <QComboBox>
#include <optional>

#include "varga/varga.h"

namespace tarvel {

/// The chart selector of the result view, named cboVarga: "D1 Rasi" first and selected, then
/// every other varga, each by its label ("D9 Navamsa").
QComboBox* BuildVargaSelector(QWidget* parent);

/// The varga the selector names; none for the Rasi chart, which is shown as by default.
std::optional<Varga> ChosenVarga(const QComboBox& selector);

}  // namespace tarvel
