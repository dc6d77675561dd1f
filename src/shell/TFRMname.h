// The dialog that asks the player's name for a record. Made once, it shows
// the last name typed; "OK" accepts it, the close box keeps the one before.
#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tolvan {

class TFRMname : public QDialog {
 public:
  explicit TFRMname(QWidget* parent = nullptr);

  QGroupBox* GBname = nullptr;
  QLabel* Label13 = nullptr;
  QLineEdit* TXTbatu = nullptr;
  QPushButton* BTaddName = nullptr;
};

}  // namespace tolvan
