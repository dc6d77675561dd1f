// The listed draws solved: during a game, aside, so that its draw stays.
#include "Jeu.h"
#include "library/RangeeTirage.h"

namespace tolvan {

Solveur& Jeu::SolveurDeTravail() {
  if (!travail_) travail_ = std::make_unique<Solveur>(static_cast<EvenementsSolveur*>(this));
  return *travail_;
}

void Jeu::CalculeLigne(int ligne) {
  if (ligne < 0) return;
  SousGarde("TForm1.Calculerlasolution1Click;", [this, ligne] {
    const TTirage tirage = TirageDeRangee(liste_.Modele().Rangee(ligne));
    // During a game its draw stays the current one: the row is solved aside.
    const bool partieEnJeu = manche_.PartieEnJeu();
    Solveur& solveur = partieEnJeu ? SolveurDeTravail() : solveur_;
    solveur.ChangeTirage(tirage);
    if (!partieEnJeu) MontreTirage();
    solveur.ChercheSol(solveur.IndiceSimple);
    liste_.Modele().EcritSolution(ligne, solveur.NbSolutions, solveur.NbEtapesMin, solveur.TexteSimple);
  });
}

void Jeu::GenereSerie(int nombre) { liste_.GenereSerie(nombre, SolveurDeTravail()); }

}  // namespace tolvan
