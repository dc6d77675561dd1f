// The player's own draws: as the options ask for them, random (any draw,
// only those that can be reached, or of a chosen mark) or a row of the
// draws list at random; a row the player picks; a draw the player types. A mark can take hundreds of draws: they are tried
// on a solver of this part's own, the window's events let through between
// two, so that the game on the board goes on meanwhile; another game
// started then gives the search up.
#pragma once

#include <memory>

#include "Bibliotheque.h"
#include "Options.h"
#include "Services.h"
#include "VueJeu.h"
#include "engine/Solveur.h"
#include "game/SaisieTirage.h"

namespace tolvan {

class TiragesDuJoueur {
 public:
  TiragesDuJoueur(Services& services, const Options& options, VueJeu& vue, Bibliotheque& liste,
                  EvenementsSolveur* evenements)
      : services_(services), options_(options), vue_(vue), liste_(liste), evenements_(evenements) {}

  // Where a draw put on the solver came from; a random or typed draw is
  // not in the list yet.
  enum class Origine { Aucune, Liste, Hasard, Saisie };
  // A new draw on `solveur`, as the options say; `Aucune` when none came
  // out (an empty list, a bad row, a search given up).
  Origine Tire(Solveur& solveur);
  // The row `ligne` of the list on `solveur`, the current row from now on;
  // a row that holds no draw throws.
  Origine PrendLigne(int ligne, Solveur& solveur);
  // The typed fields on `solveur`; the index of the first field that holds
  // no number, in which case nothing is taken.
  std::optional<int> Saisit(const std::array<std::string, NbChamps>& champs, Solveur& solveur);

  // A draw of the chosen mark is being looked for.
  bool RechercheEnCours() const { return rechercheEnCours_; }
  // The search is given up: another game started, or the window closes.
  void ArreteRecherche() { rechercheEnCours_ = false; }

 private:
  bool TireDeLaListe(Solveur& solveur);
  void MetLigne(int ligne, Solveur& solveur);
  bool TireDeDifficulte(Solveur& solveur);

  Services& services_;
  const Options& options_;
  VueJeu& vue_;
  Bibliotheque& liste_;
  EvenementsSolveur* evenements_;
  std::unique_ptr<Solveur> recherche_;
  bool rechercheEnCours_ = false;
};

}  // namespace tolvan
