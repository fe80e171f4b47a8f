#include "web/about/frm_about.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "tarvel_version.h"
#include "web/about/credits.h"
#include "web/about/link_label.h"
#include "web/about/mod_help.h"
#include "web/about/named.h"
#include "web/about/program_icon.h"

namespace tarvel {
namespace {

constexpr auto kTitle = "Tarvel v1.0";
constexpr auto kDescription =
    "Tarvel calculates the planetary intervention for a given natal chart based on Vedic "
    "Astrology. Argala or planetary intervention can be translated as \"a bolt\". This refers "
    "to intervention by one planet into the affairs of another. This influence can be good or "
    "bad depending on the nature of the planets involved.";
constexpr auto kOffer =
    "Home Business Opportunity. Start your own Internet business and make money online. Get "
    "this software fully branded for your website.";
constexpr auto kMoreDetails = "Click here for more details.";
constexpr auto kVisitHomePage = "Visit our home page for more software";
constexpr int kIconPx = 48;
constexpr int kTextWidthPx = 380;

QLabel* WrappedLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  label->setMinimumWidth(kTextWidthPx);
  return label;
}

QFrame* SeparatorLine(const QString& name, QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setObjectName(name);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

}  // namespace

frmAbout::frmAbout(const modHelp& help, QWidget* parent) : QDialog(parent) {
  setObjectName("frmAbout");
  setWindowTitle(kTitle);
  setModal(true);
  CreateControls();
  ArrangeControls();
  connect(lblCoBrand, &LinkLabel::clicked, this, [&help] { help.OpenFullBrand(); });
  connect(lblHomePage, &LinkLabel::clicked, this, [&help] { help.OpenHomePage(); });
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

void frmAbout::CreateControls() {
  picIcon = Named(new QLabel(this), "picIcon");
  picIcon->setPixmap(ProgramIcon().pixmap(kIconPx, kIconPx));
  Label2 = Named(new QLabel(kTitle, this), "Label2");
  QFont titleFont = Label2->font();
  titleFont.setBold(true);
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
  Label2->setFont(titleFont);
  // The title's text is fixed, so the release is named on a line of its own.
  lblVersion =
      Named(new QLabel("Version " + QString::fromUtf8(kVersion.data(), kVersion.size()), this),
            "lblVersion");
  Label1 = Named(WrappedLabel(kDescription, this), "Label1");
  lblLicence = Named(WrappedLabel(LicenceText(kVersion), this), "lblLicence");
  lblLicence->setTextFormat(Qt::RichText);
  lblCredits = Named(WrappedLabel(CreditsText(), this), "lblCredits");
  lblCredits->setTextFormat(Qt::RichText);
  Line1 = SeparatorLine("Line1", this);
  Label3 = Named(WrappedLabel(kOffer, this), "Label3");
  lblCoBrand = Named(new LinkLabel(kMoreDetails, this), "lblCoBrand");
  Line2 = SeparatorLine("Line2", this);
  lblHomePage = Named(new LinkLabel(kVisitHomePage, this), "lblHomePage");
  cmdOK = Named(new QPushButton("OK", this), "cmdOK");
  cmdOK->setDefault(true);
}

void frmAbout::ArrangeControls() {
  auto* title = new QHBoxLayout;
  title->addWidget(picIcon);
  title->addWidget(Label2, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(lblHomePage);
  buttons->addStretch();
  buttons->addWidget(cmdOK);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(title);
  layout->addWidget(lblVersion);
  layout->addWidget(Label1);
  layout->addWidget(lblLicence);
  layout->addWidget(lblCredits);
  layout->addWidget(Line1);
  layout->addWidget(Label3);
  layout->addWidget(lblCoBrand);
  layout->addWidget(Line2);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace tarvel
