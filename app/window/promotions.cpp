#include "app/window/promotions.h"

#include <QHBoxLayout>

#include "web/about/named.h"

namespace tarvel {

PromotionControls BuildPromotions(QWidget* parent) {
  PromotionControls controls;
  controls.strip = new QWidget(parent);
  controls.Label8 =
      Named(new LinkLabel("Visit us online for more astrology software", controls.strip), "Label8");
  controls.fraFullBrand =
      Named(new QGroupBox("Your own copy of Tarvel", controls.strip), "fraFullBrand");
  controls.lblCobrand =
      Named(new LinkLabel("Co-branded for your website", controls.fraFullBrand), "lblCobrand");
  controls.lblFullBrand =
      Named(new LinkLabel("Fully branded for your website", controls.fraFullBrand), "lblFullBrand");

  auto* brands = new QHBoxLayout(controls.fraFullBrand);
  brands->addWidget(controls.lblCobrand);
  brands->addSpacing(16);
  brands->addWidget(controls.lblFullBrand);
  auto* strip = new QHBoxLayout(controls.strip);
  strip->setContentsMargins(0, 0, 0, 0);
  strip->addWidget(controls.Label8, 0, Qt::AlignBottom);
  strip->addStretch();
  strip->addWidget(controls.fraFullBrand);
  return controls;
}

}  // namespace tarvel
