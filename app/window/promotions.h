#pragma once

#include <QGroupBox>

#include "web/about/link_label.h"

namespace tarvel {

/// The promotional links under the two views, by their names on the form.
struct PromotionControls {
  QWidget* strip = nullptr;     ///< holds everything below
  LinkLabel* Label8 = nullptr;  ///< the home page
  QGroupBox* fraFullBrand = nullptr;
  LinkLabel* lblCobrand = nullptr;    ///< the co-brand page
  LinkLabel* lblFullBrand = nullptr;  ///< the full-brand page
};

/// Creates the strip of promotional links inside `parent`; connecting them is the window's
/// business.
PromotionControls BuildPromotions(QWidget* parent);

}  // namespace tarvel
