// The help around the board as the game opens it: what the way of playing
// allows, and the draw of the game put back on the solver first.
#include "Jeu.h"
#include "engine/Difficulte.h"
#include "game/Tirages.h"
#include "library/RangeeTirage.h"

namespace tolvan {

void Jeu::MontreLaMienne() {
  // The player's lines belong to the last game's draw, even if another one
  // became current meanwhile.
  RetrouveTirageDeLaManche();
  aides_.MontreLaMienne();
}

void Jeu::ChangeCoach(bool actif) {
  preferences_.options().coach = actif;
  aides_.CoachChange(CoachVisible());
}

void Jeu::SuitLesLignes() { aides_.SuitLesLignes(CoachVisible()); }

void Jeu::Indice() {
  if (IndicesParEtapesPermis() && AidesPermises()) aides_.Indice();
}

void Jeu::BilanDeFin(bool gagnee) {
  RetrouveTirageDeLaManche();
  aides_.BilanDeFin(gagnee, CoachVisible());
  // The draw was searched: its row of the list shows what was found.
  const int ligne = liste_.Modele().LigneCourante();
  if (ligne >= 0 && TirageDeRangee(liste_.Modele().Rangee(ligne)) == manche_.Tirage()) {
    liste_.Modele().EcritSolution(ligne, solveur_.NbSolutions, solveur_.NbEtapesMin, solveur_.TexteSimple);
  }
}

bool Jeu::TireAuHasardDeDifficulte() {
  const Options& options = preferences_.options();
  const OptionsTirage tirage{options.fous, options.premiers, options.solutionsAuto,
                             options.genre == GenreTirage::Realisables};
  const Hasard hasard = [this](int n) { return services_.Aleatoire(n); };
  if (options.difficulte == 0) {
    TireAuHasard(solveur_, tirage, hasard);
    return true;
  }
  // A mark can take hundreds of draws: they are tried on a solver of their
  // own, the window's events let through between two, so that the window
  // and the game on the board go on meanwhile. Another game started then
  // gives the search up.
  if (!recherche_) recherche_ = std::make_unique<Solveur>(static_cast<EvenementsSolveur*>(this));
  rechercheEnCours_ = true;
  const bool trouve = tolvan::TireAuHasardDeDifficulte(*recherche_, tirage, options.difficulte, hasard, [this](int essais) {
    vue_.RechercheDeTirage(essais);
    return rechercheEnCours_;
  });
  const bool aboutie = trouve && rechercheEnCours_;
  rechercheEnCours_ = false;
  vue_.RechercheDeTirage(0);
  if (aboutie) solveur_.ChangeTirage(recherche_->Tirage);
  return aboutie;
}


}  // namespace tolvan
