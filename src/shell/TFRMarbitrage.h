// "Arbitrage": the arbiter's desk, opened from the "Compétition" page. Lines
// are gathered from files, a folder or the clipboard and typed from paper
// sheets; the ranking, the refusals and alerts and the head-to-head of two
// players are shown on their pages; the ranking and each player's sheet
// are printed, exported for a spreadsheet and copied. A thin view of the
// desk's part of the game (midend/Arbitrage.h): each handler reads its
// control, calls the desk and redraws.
#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTextEdit;
class QTreeWidget;

namespace tolvan {

class Arbitrage;
class GrilleSaisie;
struct TextesMessages;

class TFRMarbitrage : public QDialog {
 public:
  TFRMarbitrage(Arbitrage& arbitrage, const TextesMessages& textes, QWidget* parent = nullptr);

  // The captions in the language of the moment, and the desk as it stands.
  void Prepare();

  // --- handlers the tests drive ---
  void TXTcodeArbitrageFini();
  void BTfichiersArbitrageClick();
  void BTdossierArbitrageClick();
  void BTcollerArbitrageClick();
  void CBsalleArbitrageClick();
  void SPgroupesArbitrageChange();
  void BTgarderArbitrageClick();
  void BTimprimeClassementClick();
  void BTimprimeFeuillesClick();
  void BTexporteArbitrageClick();
  void BTcopieArbitrageClick();
  void BTeffaceArbitrageClick();

  QLabel* LBcodeArbitrage = nullptr;
  QLineEdit* TXTcodeArbitrage = nullptr;
  QPushButton *BTfichiersArbitrage = nullptr, *BTdossierArbitrage = nullptr, *BTcollerArbitrage = nullptr;
  QCheckBox* CBsalleArbitrage = nullptr;
  QLabel* LBgroupesArbitrage = nullptr;
  QSpinBox* SPgroupesArbitrage = nullptr;
  QLabel* LBbilanArbitrage = nullptr;
  QTabWidget* PCarbitrage = nullptr;
  QWidget *TSclassement = nullptr, *TSsaisie = nullptr, *TSavis = nullptr, *TSfaceAFace = nullptr;
  QTreeWidget* LVclassement = nullptr;
  GrilleSaisie* LVsaisie = nullptr;
  QLabel* LBverification = nullptr;  // the check of the number just typed
  QTreeWidget* LVavis = nullptr;
  QPushButton* BTgarderArbitrage = nullptr;
  QTextEdit* MMfaceAFace = nullptr;
  QPushButton *BTimprimeClassement = nullptr, *BTimprimeFeuilles = nullptr, *BTexporteArbitrage = nullptr,
              *BTcopieArbitrage = nullptr, *BTeffaceArbitrage = nullptr, *BTfermeArbitrage = nullptr;

 private:
  void CreeEnTete();
  void CreePages();
  void CreeBoutons();
  void Connecte();
  void PoseTextes();
  void Redessine();
  // All but the grid, which draws itself as it is typed in.
  void RedessineAutour();
  void RedessineChoix();
  void RedessineAvis();

  Arbitrage& arbitrage_;
  const TextesMessages& textes_;
  QString codeMontre_;  // what the code's field was last given
};

}  // namespace tolvan
