// The "Jeu" page: a game, the blackboard, a typed draw and the solutions
// panel. Each handler reads its control, calls the game and redraws.
#include <algorithm>

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTextEdit>

#include "TForm1.h"
#include "Touches.h"

namespace tolvan {

void TForm1::BresultClick() {
  jeu_->NouvellePartie();
  Redessine();
}

void TForm1::BTnouvPartieClick() {
  jeu_->PartieSuivante();
  Redessine();
}

void TForm1::BTrejoueClick() {
  jeu_->Rejoue();
  Redessine();
}

void TForm1::BTjourClick() {
  jeu_->JoueTirageDuJour();
  Redessine();
}

void TForm1::BTcopieClick() {
  jeu_->CopieResultat();
  Redessine();
}

void TForm1::Timer1Timer() {
  jeu_->Tique();
  Redessine();
}

void TForm1::Effectue(int code) {
  jeu_->Presse(code);
  Redessine();
}

void TForm1::BTannulClick() {
  jeu_->Retour();
  Redessine();
}

void TForm1::MaReponseEntree() {
  if (jeu_->Repond(MaReponse->text().toStdString()) == TableauNoir::Verdict::Refusee) {
    MaReponse->clear();
    MaReponse->setFocus();
  }
  Redessine();
}

void TForm1::Modifer1Click() {
  const std::array<longint, NbChamps> nombres = jeu_->OuvreSaisie();
  for (std::size_t i = 0; i < nombres.size(); ++i) Edits[i]->setText(QString::number(nombres[i]));
  Redessine();
  FocaliseChamp(Edits[0]);
}

void TForm1::FocaliseChamp(QLineEdit* champ) {
  // The number shown is selected, so the first digit typed replaces it.
  champ->setFocus();
  champ->selectAll();
}

void TForm1::BTjouerClick() {
  std::array<std::string, NbChamps> champs;
  for (std::size_t k = 0; k < champs.size(); ++k) champs[k] = Edits[k]->text().toStdString();
  const std::optional<int> fautif = jeu_->JoueSaisie(champs);
  Redessine();
  if (fautif) FocaliseChamp(Edits[static_cast<std::size_t>(*fautif)]);
}

bool TForm1::ToucheChampNombre(QLineEdit* champ, const QKeyEvent& touche) {
  switch (GenreDe(touche)) {
    case GenreTouche::Chiffre:
    case GenreTouche::Edition:
    case GenreTouche::Deplacement: return false;
    case GenreTouche::Operateur:
    case GenreTouche::Autre: champ->clear(); return true;
    case GenreTouche::Entree: break;
  }
  if (champ == MaReponse) {
    MaReponseEntree();
  } else if (champ == Enbadecomp) {
    BTdecompClick();
  } else if (const auto place = std::find(Edits.begin(), Edits.end(), champ); place != Edits.end()) {
    // Enter goes on to the next field, and from the target back to the first.
    FocaliseChamp(Edits[static_cast<std::size_t>((place - Edits.begin() + 1) % NbChamps)]);
  }
  return true;
}

bool TForm1::ToucheJeu(const QKeyEvent& touche) {
  if (const int code = CodeOperateur(touche)) {
    Effectue(code);
    return true;
  }
  if (touche.key() == Qt::Key_Backspace && GenreDe(touche) == GenreTouche::Edition) {
    BTannulClick();
    return true;
  }
  return false;
}

void TForm1::BTvoirSolClick() {
  jeu_->BasculeSolutions();
  Redessine();
}

void TForm1::BTrightClick() {
  jeu_->SolutionVoisine(true);
  Redessine();
}

void TForm1::BTleftClick() {
  jeu_->SolutionVoisine(false);
  Redessine();
}

void TForm1::BTsimpleClick() {
  jeu_->MontreLaPlusSimple();
  Redessine();
}

void TForm1::BTtordueClick() {
  jeu_->MontreLaPlusTordue();
  Redessine();
}

void TForm1::BTmienneClick() {
  jeu_->MontreLaMienne();
  Redessine();
}

void TForm1::CBetapeChange(int choix) {
  jeu_->FiltreEtapes(choix);
  Redessine();
}

void TForm1::CBoperChange(int choix) {
  jeu_->FiltreOperation(choix);
  Redessine();
}

}  // namespace tolvan
