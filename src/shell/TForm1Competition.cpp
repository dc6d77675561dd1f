// The "Compétition" page: the mode, the level, its series and records.
#include <QCheckBox>
#include <QComboBox>
#include <QProgressBar>
#include <QTabWidget>

#include "TForm1.h"

namespace tolvan {

void TForm1::CBcompetClick() {
  jeu_->ChangeModeCompetition(CBcompet->isChecked());
  Redessine();
}

void TForm1::BTchangeClick() {
  PBcharge->setValue(0);
  jeu_->ChangeNiveau();
  Redessine();
}

void TForm1::CBaideClick() {
  jeu_->InterditAides(CBaide->isChecked());
  Redessine();
}

void TForm1::CBtimeClick() {
  jeu_->CoefficientChoisi();
  Redessine();
}

}  // namespace tolvan
