// The dialog that asks how many draws a series should generate. Made once,
// it keeps what was typed from one series to the next.
#pragma once

#include <QDialog>

#include "platform/Plateforme.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tolvan {

// A series as asked: how many draws, and whether the window gets out of the
// way meanwhile.
struct DemandeGeneration {
  int nombre = 0;
  bool minimiser = false;
};

class TFRMgene : public QDialog {
 public:
  TFRMgene(Plateforme& plateforme, QWidget* parent = nullptr);

  // What "OK" last took.
  const DemandeGeneration& Demande() const { return demande_; }
  // "OK": takes the count when it is a whole number, else says so and waits.
  void BTokClick();

  QLabel* Label2 = nullptr;
  QLabel* Label1 = nullptr;
  QLineEdit* TXTnbtir = nullptr;
  QCheckBox* CBmini = nullptr;
  QPushButton* BTok = nullptr;
  QPushButton* BTannul = nullptr;

 protected:
  bool eventFilter(QObject* objet, QEvent* event) override;

 private:
  Plateforme& plateforme_;
  DemandeGeneration demande_;
};

}  // namespace tolvan
