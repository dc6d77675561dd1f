// The dialog that asks how many draws a series should generate.
#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tolvan {

class TFRMgene : public QDialog {
 public:
  explicit TFRMgene(QWidget* parent = nullptr);

  QLabel* Label2 = nullptr;
  QLabel* Label1 = nullptr;
  QLineEdit* TXTnbtir = nullptr;
  QCheckBox* CBmini = nullptr;
  QPushButton* BTok = nullptr;
  QPushButton* BTannul = nullptr;
};

}  // namespace tolvan
