// The coach, the hints by steps and the difficulty mark: what the solver
// can tell a player from the position on the board, in training.
#include "Jeu.h"
#include "engine/Difficulte.h"
#include "game/Tirages.h"

namespace tolvan {

Solveur& Jeu::SolveurDuCoach() {
  if (!coach_) coach_ = std::make_unique<Solveur>(static_cast<EvenementsSolveur*>(this));
  return *coach_;
}

Position Jeu::PositionEnJeu() {
  return AnalysePosition(SolveurDuCoach(), manche_.Tableau().NombresEnJeu(), manche_.Tirage().Resultat);
}

void Jeu::ChangeCoach(bool actif) {
  preferences_.options().coach = actif;
  texteCoach_.clear();
  lignesSuivies_ = -1;  // speaks at the next finished line
  if (actif && manche_.PartieEnJeu() && manche_.Tableau().NbLignesFinies() > 0) SuitLesLignes();
}

void Jeu::SuitLesLignes() {
  if (!manche_.PartieEnJeu() || manche_.Tableau().EtatSaisie != 0) return;
  const int finies = manche_.Tableau().NbLignesFinies();
  if (finies == lignesSuivies_) return;
  lignesSuivies_ = finies;
  // A new position: the hints climb their ladder from its first step.
  echelon_ = 0;
  texteIndice_.clear();
  texteCoach_.clear();
  if (CoachVisible() && finies > 0) texteCoach_ = PhraseCoach(PositionEnJeu());
}

void Jeu::Indice() {
  if (!IndicesParEtapesPermis() || !AidesPermises()) return;
  echelon_ = std::min(echelon_ + 1, 5);
  ++indicesUtilises_;
  texteIndice_ = PhraseIndice(echelon_, PositionEnJeu());
}

void Jeu::BilanDeFin(bool gagnee) {
  // The game is over: its draw is searched once, for its summary, its row
  // of the history and the coach alike.
  RetrouveTirageDeLaManche();
  solveur_.ChercheSol(solveur_.IndiceSimple);
  difficultePartie_ = MarqueDifficulte(solveur_);
  if (!CoachVisible()) return;
  if (gagnee) {
    texteCoach_ = PhraseVictoire(manche_.Tableau().NbLignesFinies(), solveur_.NbEtapesMin);
    return;
  }
  std::vector<longint> nombres(manche_.Tirage().Nombres.begin(), manche_.Tirage().Nombres.end());
  texteCoach_ = PhraseTempsEcoule(AnalysePosition(SolveurDuCoach(), nombres, manche_.Tirage().Resultat));
}

void Jeu::TireAuHasardDeDifficulte() {
  const OptionsTirage tirage{preferences_.options().fous, preferences_.options().premiers, preferences_.options().solutionsAuto,
                             preferences_.options().genre == GenreTirage::Realisables};
  tolvan::TireAuHasardDeDifficulte(solveur_, tirage, preferences_.options().difficulte, [this](int n) { return services_.Aleatoire(n); });
}

}  // namespace tolvan
