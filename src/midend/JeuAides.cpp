// The solutions panel over the blackboard, the hints band below the pages
// and its mini calculator.
#include <algorithm>

#include "Jeu.h"
#include "engine/Entier.h"
#include "game/Indices.h"

namespace tolvan {

void Jeu::BasculeSolutions() { solutionsVisibles_ = !solutionsVisibles_; }

void Jeu::SolutionVoisine(bool suivante) { lignesSolutions_ = SolutionSuivante(solveur_, filtres_, suivante); }

void Jeu::FiltreEtapes(int choix) { filtres_.etapes = static_cast<word>(std::max(0, choix)); }

void Jeu::FiltreOperation(int choix) { filtres_.oper = static_cast<word>(std::max(0, choix)); }

void Jeu::MontreApresCalcul(const std::function<LignesPanneau()>& lignes) {
  lignesSolutions_ = {TexteCalculs};
  vue_.AvantCalcul();
  // A failure leaves "Calculs ..." shown; the search reports its own.
  try {
    lignesSolutions_ = lignes();
  } catch (...) {
  }
}

void Jeu::MontreLaPlusSimple() {
  MontreApresCalcul([this] { return LaPlusSimple(solveur_, Textes().MsgImpossible.toStdString()); });
}

void Jeu::MontreLaPlusTordue() {
  MontreApresCalcul([this] { return LaPlusTordue(solveur_, Textes().MsgImpossible.toStdString()); });
}

void Jeu::MontreLaMienne() {
  // The player's lines belong to the last game's draw, even if another one
  // became current meanwhile.
  RetrouveTirageDeLaManche();
  MontreApresCalcul([this] {
    const TableauNoir& tableau = manche_.Tableau();
    return LaMienne(solveur_, tableau.Lignes, tableau.NbLignesFinies(), manche_.Gagnee());
  });
}

void Jeu::BasculeAides() { aidesAffichees_ = !aidesAffichees_; }

void Jeu::Decompose(const std::string& champ) {
  const longint cible = solveur_.Tirage.Resultat;
  const longint nombre = LitEntier(champ).value_or(cible);
  nombreADecomposer_ = std::to_string(nombre);
  decomposition_ = tolvan::Decomposition(nombre, cible);
}

void Jeu::MontreDerniereLigne(const std::optional<std::string>& texte) {
  // No solution at all: nothing changes.
  if (texte) derniereLigne_ = *texte;
}

void Jeu::ChercheDerniereLigne() {
  MontreDerniereLigne(DerniereLigne(solveur_, operDerniereLigne_, Textes().MsgYenAPas.toStdString()));
}

void Jeu::ChoisitOperationDerniereLigne(longint oper) {
  operDerniereLigne_ = oper;
  ChercheDerniereLigne();
}

void Jeu::DerniereLigneVoisine(bool suivante) {
  MontreDerniereLigne(
      tolvan::DerniereLigneVoisine(solveur_, operDerniereLigne_, suivante, Textes().MsgYenAPas.toStdString()));
}

void Jeu::CalculatriceTouche(const QString& texte, MiniCalculatrice::Touche touche) {
  calculatrice_.Enfonce();
  // Only digits and operators matter; anything else is wiped at once.
  for (const QChar caractere : texte) {
    if (caractere.unicode() < 128 && caractere.isPrint()) calculatrice_.Tape(caractere.toLatin1());
  }
  calculatrice_.Relache(touche);
}

}  // namespace tolvan
