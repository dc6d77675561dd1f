// The help around the board as the game opens it: what the way of playing
// allows, and the draw of the game put back on the solver first.
#include "Jeu.h"
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

}  // namespace tolvan
