// The solution state of the current draw and the search that fills it.
#pragma once

#include <string>

#include "NormalForm.h"
#include "Records.h"
#include "TripletCache.h"

namespace tolvan {

// What the search needs from the window around it: the busy cursor while it
// runs, and a place to report an unexpected failure.
class EvenementsSolveur {
 public:
  virtual ~EvenementsSolveur() = default;
  virtual void CurseurOccupe() {}
  virtual void CurseurNormal() {}
  virtual void SignaleBug(const std::string& message) { (void)message; }
};

// Sorts six numbers ascending with the exchange procedure the search uses;
// series generation sorts its draws the same way.
void TriParEchange(NombresTirage& nombres);

// Owns the current draw and everything the search knows about it. Members
// keep the names the rest of the program uses for them.
class Solveur {
 public:
  static constexpr word Capacite = 4000;
  static constexpr const char* MessageBug = "BUG ! \rPROCEDURE ChercheSol(Indice_Visible:word);";

  explicit Solveur(EvenementsSolveur* evenements = nullptr);

  // The window supplies its cursor and error box once it exists.
  void ConnecteEvenements(EvenementsSolveur* evenements);

  // Finds every distinct solution of `Cible` from `Nombres` (up to 4000),
  // ranks them, and falls back on the nearest reachable number when the
  // target is out of reach (except in series mode). `Proche` receives the
  // closest approach to `Cible` met by the search.
  void Cherche(NombresTirage Nombres, longint Cible, TSolution& Proche);

  // Makes sure the table belongs to `Tirage` (searching at most once per
  // draw) and copies entry `Indice_Visible` into `SolutionVisible`.
  void ChercheSol(word Indice_Visible);

  // Searches `Tirage` as series generation does: its numbers sorted first,
  // no fallback on the nearest number when the target is out of reach.
  // Returns the closest approach met. The table is not marked as the
  // current draw's.
  TSolution ChercheEnSerie();

  // Ranking updates for a solution just numbered `NbSolutions`.
  void MajTordue(const TSolution& S);
  void MajSimple(const TSolution& S);

  // Another draw: the solutions found for the last one no longer hold.
  void ChangeTirage(const TTirage& tirage) {
    Tirage = tirage;
    SolutionsCalculees = 0;
  }

  // A draw typed by the player: nothing is known of it until it is searched.
  void OublieResultats() {
    NbSolutions = 0;
    NbEtapesMin = 0;
    TexteSimple.clear();
  }

  TTirage Tirage;
  TableSolutions Solutions{Capacite};
  TableSolutions SolutionsNormees{Capacite};
  word NbSolutions = 0;
  word NbEtapesMin = 6;
  word IndiceSimple = 1;
  word IndiceTordue = 1;
  longint MaxIntermediaire = 0;
  std::string TexteSimple;
  flag SolutionApprochee = 0;
  flag SolveurLibre = 1;
  flag ModeSerie = 0;
  flag SolutionsCalculees = 0;
  TSolution SolutionVisible;
  word NumeroVisible = 1;

 private:
  template <bool>
  friend class Parcours;

  void Reinitialise();
  void Parcourt(const NombresTirage& nombres, longint cible, TSolution& proche);
  // An exact hit of the search: kept when useful, new and not over capacity.
  void Offre(const TSolution& S, longint cible);

  IndexNormes index_;
  TripletCache triplets_;
  EvenementsSolveur defaut_;
  EvenementsSolveur* evenements_;
};

}  // namespace tolvan
