#include "Aides.h"

#include <algorithm>

#include <QLocale>

#include "engine/Difficulte.h"
#include "engine/Entier.h"
#include "game/Indices.h"
#include "game/Tirages.h"

namespace tolvan {

Aides::Aides(Solveur& solveur, const Manche& manche, const TextesMessages& textes, VueJeu& vue,
             EvenementsSolveur* evenements)
    : solveur_(solveur),
      manche_(manche),
      textes_(textes),
      vue_(vue),
      evenements_(evenements),
      calculatrice_(QLocale().decimalPoint().toStdString()) {}

void Aides::NouveauTirage() {
  nombreADecomposer_ = std::to_string(solveur_.Tirage.Resultat);
  decomposition_.clear();
  derniereLigne_.clear();
}

void Aides::NouvellePartie() {
  lignesSolutions_.clear();
  texteCoach_.clear();
  texteIndice_.clear();
  echelon_ = 0;
  indicesUtilises_ = 0;
  lignesSuivies_ = 0;
  difficultePartie_.reset();
  solutionsVisibles_ = false;
  solutionsVues_ = false;
}

void Aides::BasculeSolutions() {
  solutionsVisibles_ = !solutionsVisibles_;
  if (solutionsVisibles_ && manche_.PartieEnJeu()) solutionsVues_ = true;
}


void Aides::SolutionVoisine(bool suivante) { lignesSolutions_ = SolutionSuivante(solveur_, filtres_, suivante); }

void Aides::FiltreEtapes(int choix) { filtres_.etapes = static_cast<word>(std::max(0, choix)); }

void Aides::FiltreOperation(int choix) { filtres_.oper = static_cast<word>(std::max(0, choix)); }

void Aides::MontreApresCalcul(const std::function<LignesPanneau()>& lignes) {
  lignesSolutions_ = {TexteCalculs};
  vue_.AvantCalcul();
  // A failure leaves "Calculs ..." shown; the search reports its own.
  try {
    lignesSolutions_ = lignes();
  } catch (...) {
  }
}

void Aides::MontreLaPlusSimple() {
  MontreApresCalcul([this] { return LaPlusSimple(solveur_, textes_.MsgImpossible.toStdString()); });
}

void Aides::MontreLaPlusTordue() {
  MontreApresCalcul([this] { return LaPlusTordue(solveur_, textes_.MsgImpossible.toStdString()); });
}

void Aides::MontreLaMienne() {
  MontreApresCalcul([this] {
    const TableauNoir& tableau = manche_.Tableau();
    return LaMienne(solveur_, tableau.Lignes, tableau.NbLignesFinies(), manche_.Gagnee());
  });
}

void Aides::Decompose(const std::string& champ) {
  const longint cible = solveur_.Tirage.Resultat;
  const longint nombre = LitEntier(champ).value_or(cible);
  nombreADecomposer_ = std::to_string(nombre);
  decomposition_ = tolvan::Decomposition(nombre, cible);
}

void Aides::MontreDerniereLigne(const std::optional<std::string>& texte) {
  // No solution at all: nothing changes.
  if (texte) derniereLigne_ = *texte;
}

void Aides::ChercheDerniereLigne() {
  MontreDerniereLigne(DerniereLigne(solveur_, operDerniereLigne_, textes_.MsgYenAPas.toStdString()));
}

void Aides::ChoisitOperationDerniereLigne(longint oper) {
  operDerniereLigne_ = oper;
  ChercheDerniereLigne();
}

void Aides::DerniereLigneVoisine(bool suivante) {
  MontreDerniereLigne(
      tolvan::DerniereLigneVoisine(solveur_, operDerniereLigne_, suivante, textes_.MsgYenAPas.toStdString()));
}

void Aides::CalculatriceTouche(const QString& texte, MiniCalculatrice::Touche touche) {
  calculatrice_.Enfonce();
  // Only digits and operators matter; anything else is wiped at once.
  for (const QChar caractere : texte) {
    if (caractere.unicode() < 128 && caractere.isPrint()) calculatrice_.Tape(caractere.toLatin1());
  }
  calculatrice_.Relache(touche);
}



Solveur& Aides::SolveurDuCoach() {
  if (!coach_) coach_ = std::make_unique<Solveur>(evenements_);
  return *coach_;
}

Position Aides::PositionEnJeu() {
  return AnalysePosition(SolveurDuCoach(), manche_.Tableau().NombresEnJeu(), manche_.Tirage().Resultat);
}

void Aides::CoachChange(bool coach) {
  texteCoach_.clear();
  lignesSuivies_ = -1;  // speaks at the next finished line
  if (coach && manche_.PartieEnJeu() && manche_.Tableau().NbLignesFinies() > 0) SuitLesLignes(coach);
}

void Aides::SuitLesLignes(bool coach) {
  if (!manche_.PartieEnJeu() || manche_.Tableau().EtatSaisie != 0) return;
  const int finies = manche_.Tableau().NbLignesFinies();
  if (finies == lignesSuivies_) return;
  lignesSuivies_ = finies;
  // A new position: the hints climb their ladder from its first step.
  echelon_ = 0;
  texteIndice_.clear();
  texteCoach_.clear();
  if (coach && finies > 0) texteCoach_ = PhraseCoach(PositionEnJeu(), textes_.coach);
}

void Aides::Indice() {
  const Position position = PositionEnJeu();
  // The last step says all there is: pressing again tells nothing more.
  if (echelon_ >= NbEchelons(position)) return;
  ++echelon_;
  ++indicesUtilises_;
  texteIndice_ = PhraseIndice(echelon_, position, textes_.coach);
}

void Aides::BilanDeFin(bool gagnee, bool coach) {
  // The game is over: its draw is searched once, for its summary, its row
  // of the history and the coach alike.
  solveur_.ChercheSol(solveur_.IndiceSimple);
  difficultePartie_ = MarqueDifficulte(solveur_);
  if (!coach) return;
  if (gagnee) {
    texteCoach_ = PhraseVictoire(manche_.Tableau().NbLignesFinies(), solveur_.NbEtapesMin, textes_.coach);
    return;
  }
  std::vector<longint> nombres(manche_.Tirage().Nombres.begin(), manche_.Tirage().Nombres.end());
  texteCoach_ = PhraseTempsEcoule(AnalysePosition(SolveurDuCoach(), nombres, manche_.Tirage().Resultat), textes_.coach);
}

}  // namespace tolvan
