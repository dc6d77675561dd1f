// The "Jeu" page: a game, the blackboard, a typed draw and the solutions
// panel. Each handler reads its control, calls the game and redraws.
#include <algorithm>

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
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
  FocaliseCible();
}

void TForm1::BTrejoueClick() {
  jeu_->Rejoue();
  Redessine();
  FocaliseCible();
}

void TForm1::DitLeTemps() {
  // The clock's bar says its words as it takes the keyboard; asked again,
  // it takes it afresh.
  PCmain->setCurrentWidget(TSjeu);
  if (PB->hasFocus()) PCmain->setFocus(Qt::OtherFocusReason);
  PB->setFocus(Qt::ShortcutFocusReason);
}

void TForm1::FocaliseCible() {
  // A new game is heard from its target, the tiles coming next with Tab.
  if (Bresult->isVisible()) Bresult->setFocus(Qt::OtherFocusReason);
}

void TForm1::BTcopieClick() {
  if (jeu_->CopieResultat()) ligneCopiee_ = jeu_->LigneDePartage();
  Redessine();
}

void TForm1::Timer1Timer() {
  jeu_->Tique();
  Redessine();
}

void TForm1::Effectue(int code) {
  refusAnnonce_ = false;
  jeu_->Presse(code);
  Redessine();
}

void TForm1::BTannulClick() {
  const int finies = jeu_->manche().Tableau().NbLignesFinies();
  const bool auClavier = BTannul->hasFocus() || PCmain->hasFocus() || EstLigneDuTableau(focusWidget());
  jeu_->Retour();
  if (auClavier) AnnonceTableau(finies);
  Redessine();
}

void TForm1::EffectueAuClavier(int code) {
  const int finies = jeu_->manche().Tableau().NbLignesFinies();
  refusAnnonce_ = false;
  jeu_->Presse(code);
  AnnonceTableau(finies);
  Redessine();
}

bool TForm1::EstLigneDuTableau(const QWidget* controle) const {
  return std::find(MM.begin(), MM.end(), controle) != MM.end();
}

void TForm1::AnnonceTableau(int lignesFiniesAvant) {
  // What a press did is told where the keyboard goes: the board line that
  // changed takes it, its news in its name (Qt does not say a name that
  // changes elsewhere), and Tab from there leads back to the tiles. The
  // line is written and focused before the redraw, so that the tile just
  // taken is not focused when it fades, which would move the keyboard twice.
  const TableauNoir& tableau = jeu_->manche().Tableau();
  if (jeu_->manche().PanneauVisible() != Manche::Panneau::Jeu || jeu_->aides().SolutionsVisibles() ||
      tableau.ReponseAttendue()) {
    return;
  }
  const int finies = tableau.NbLignesFinies();
  const auto textes = tableau.Textes();
  int ligne = std::clamp<int>(tableau.NumLigne, 1, NbLignes);
  if (finies != lignesFiniesAvant || textes[static_cast<std::size_t>(ligne - 1)].empty()) ligne = std::max(finies, 1);
  QString nouvelle = QString::fromStdString(textes[static_cast<std::size_t>(ligne - 1)]);
  if (nouvelle.isEmpty()) nouvelle = QStringLiteral("vide");
  if (refusAnnonce_) nouvelle = QStringLiteral("refusé : ") + nouvelle;
  if (finies != lignesFiniesAvant && !jeu_->aides().TexteCoach().empty() && jeu_->CoachVisible()) {
    nouvelle += QStringLiteral(". ") + QString::fromStdString(jeu_->aides().TexteCoach());
  }
  refusAnnonce_ = false;
  QTextEdit* annonce = MM[static_cast<std::size_t>(ligne - 1)];
  MontreLigneTableau(ligne, QString::fromStdString(textes[static_cast<std::size_t>(ligne - 1)]));
  annonce->setAccessibleName(NomLigne(ligne, nouvelle));
  // Away and back, so that the same line is heard again with its new name.
  if (annonce->hasFocus()) BTannul->setFocus(Qt::OtherFocusReason);
  annonce->setFocus(Qt::OtherFocusReason);
  retourAuxTuiles_ = true;
}

bool TForm1::RetourneAuxTuiles(const QKeyEvent& touche) {
  if (!retourAuxTuiles_ || touche.key() != Qt::Key_Tab || touche.modifiers() != Qt::NoModifier) return false;
  retourAuxTuiles_ = false;
  for (QPushButton* tuile : Tuiles) {
    if (tuile->isEnabled() && tuile->isVisible()) {
      tuile->setFocus(Qt::TabFocusReason);
      return true;
    }
  }
  return false;
}

void TForm1::MaReponseEntree() {
  const int finies = jeu_->manche().Tableau().NbLignesFinies();
  const bool refusee = jeu_->Repond(MaReponse->text().toStdString()) == TableauNoir::Verdict::Refusee;
  if (refusee) {
    MaReponse->clear();
    MaReponse->setFocus();
  } else {
    AnnonceTableau(finies);
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
  if (fautif) {
    FocaliseChamp(Edits[static_cast<std::size_t>(*fautif)]);
  } else {
    FocaliseCible();
  }
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
