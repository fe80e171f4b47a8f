#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace tarvel {

class LinkLabel;
class modHelp;

/// The about box: the program's name and purpose, an offer of branded copies and a link to
/// the maker's home page. Shown modally; "OK" or the close box ends it.
class frmAbout : public QDialog {
  Q_OBJECT

 public:
  /// `help` opens the two links and must outlive the box.
  explicit frmAbout(const modHelp& help, QWidget* parent = nullptr);

  QLabel* picIcon = nullptr;
  QLabel* Label2 = nullptr;  ///< title
  QLabel* Label1 = nullptr;  ///< description
  QFrame* Line1 = nullptr;
  QLabel* Label3 = nullptr;  ///< branded-copy offer
  LinkLabel* lblCoBrand = nullptr;
  QFrame* Line2 = nullptr;
  LinkLabel* lblHomePage = nullptr;
  QPushButton* cmdOK = nullptr;
  /// "Version" and the program's version, on a line of its own below the title.
  QLabel* lblVersion = nullptr;
  /// Tarvel's own licence, above the credits.
  QLabel* lblLicence = nullptr;
  /// The works Tarvel is built on or ships data from, with their licences.
  QLabel* lblCredits = nullptr;

 private:
  void CreateControls();
  void ArrangeControls();
};

}  // namespace tarvel
