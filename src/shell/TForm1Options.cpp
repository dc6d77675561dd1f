// The "Options" page: how draws are made, the clock of training games, and
// the "Ambiance sonore" group. The boxes only mirror the game's options.
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

#include "TForm1.h"

namespace tolvan {

void TForm1::CBautoClick() {
  jeu_->ChangeSolutionsAuto(CBauto->isChecked());
  Redessine();
}

void TForm1::CBmontreClick() {
  jeu_->ChangeVoirNbSolutions(CBmontre->isChecked());
  Redessine();
}

void TForm1::CBtempsChange() {
  jeu_->ChoisitTemps(CBtemps->currentIndex());
  Redessine();
}

void TForm1::CBcoachClick() {
  jeu_->ChangeCoach(CBcoach->isChecked());
  Redessine();
}

void TForm1::CBdifficulteChange() {
  jeu_->ChoisitDifficulte(CBdifficulte->currentIndex());
  Redessine();
}

void TForm1::CBsonTousClick() {
  jeu_->ChangeTousLesSons(CBsonTous->isChecked());
  Redessine();
}

void TForm1::ChoisitSon(Evenement evenement) {
  jeu_->ChoisitSon(evenement);
  Redessine();
}

void TForm1::EcouteSon(Evenement evenement) { jeu_->EcouteSon(evenement); }

void TForm1::BTopenSonClick() {
  jeu_->OuvreTheme();
  Redessine();
}

void TForm1::BTsaveSonClick() {
  jeu_->SauveTheme();
  Redessine();
}

}  // namespace tolvan
