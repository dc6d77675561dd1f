// The duel's choice: against the computer at a strength, or two players on
// this computer with their names; how many draws; the clock. Made once, it
// keeps the last choice from one duel to the next.
#pragma once

#include <QDialog>
#include <QStringList>

#include "midend/regimes/Duel.h"
#include "midend/TextesMessages.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tolvan {

class TFRMduel : public QDialog {
 public:
  explicit TFRMduel(QWidget* parent = nullptr);

  // The texts of the language and the choices of "Temps :" (their captions,
  // in list order), of which those with a limit are offered; `temps` is the
  // one chosen now, taken when it has a limit.
  void Prepare(const TextesMessages& textes, const QStringList& durees, int temps);
  // The duel as chosen.
  ReglageDuel Reglage() const;

  QRadioButton* RBordinateur = nullptr;
  QLabel* LBforce = nullptr;
  QComboBox* CBforce = nullptr;
  QRadioButton* RBdeuxJoueurs = nullptr;
  QLabel *LBjoueur1 = nullptr, *LBjoueur2 = nullptr;
  QLineEdit *TXTjoueur1 = nullptr, *TXTjoueur2 = nullptr;
  QLabel* LBnbTirages = nullptr;
  QComboBox* CBnbTirages = nullptr;
  QLabel* LBtempsDuel = nullptr;
  QComboBox* CBtempsDuel = nullptr;
  QPushButton *BTcommencer = nullptr, *BTannulDuel = nullptr;

 private:
  // The strength or the names, whichever the choice of opponent asks for.
  void MontreAdversaire();
};

}  // namespace tolvan
