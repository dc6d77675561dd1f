#include "Solveur.h"

#include <algorithm>
#include <utility>

#include "SolutionText.h"

namespace tolvan {

namespace {

// Keeps the busy cursor up for exactly as long as the search runs, even when
// the search fails.
class CurseurOccupe {
 public:
  explicit CurseurOccupe(EvenementsSolveur& evenements) : evenements_(evenements) {
    evenements_.CurseurOccupe();
  }
  ~CurseurOccupe() { evenements_.CurseurNormal(); }
  CurseurOccupe(const CurseurOccupe&) = delete;
  CurseurOccupe& operator=(const CurseurOccupe&) = delete;

 private:
  EvenementsSolveur& evenements_;
};

}  // namespace

void TriParEchange(NombresTirage& nombres) {
  for (int i = 1; i <= NbNombres - 1; ++i) {
    for (int j = i; j <= NbNombres; ++j) {
      if (nombres[i] > nombres[j]) std::swap(nombres[i], nombres[j]);
    }
  }
}

Solveur::Solveur(EvenementsSolveur* evenements) : evenements_(evenements ? evenements : &defaut_) {}

void Solveur::ConnecteEvenements(EvenementsSolveur* evenements) {
  evenements_ = evenements ? evenements : &defaut_;
}

void Solveur::Reinitialise() {
  NbSolutions = 0;
  NbEtapesMin = 6;
  IndiceSimple = 1;
  IndiceTordue = 1;
  MaxIntermediaire = 0;
  SolutionApprochee = 0;
  TexteSimple.assign(1, '?');  // (not = "?": g++ 12 warns falsely on that form)
  index_.Vide();
}

void Solveur::Cherche(NombresTirage Nombres, longint Cible, TSolution& Proche) {
  if (!SolveurLibre) return;  // a search is already running
  Proche = TSolution{};
  CurseurOccupe curseur(*evenements_);
  SolveurLibre = 0;
  try {
    Reinitialise();
    if (!ModeSerie) TriParEchange(Nombres);
    Parcourt(Nombres, Cible, Proche);
    if (!ModeSerie && NbSolutions == 0) {
      // Out of reach: the table shows how to reach the nearest number instead.
      // Nothing at all is reachable when fewer than two numbers can be used.
      if (Proche.NbEtapes > 0) {
        SolveurLibre = 1;
        TSolution procheDuProche;
        Cherche(Nombres, Proche.Resultats[Proche.NbEtapes], procheDuProche);
      }
      SolutionApprochee = 1;
    }
  } catch (...) {
    SolveurLibre = 1;
    throw;
  }
  SolveurLibre = 1;
  if (NbSolutions == 0) TexteSimple = "Pas de solution";
}

void Solveur::ChercheSol(word Indice_Visible) {
  if (SolutionsCalculees) {
    const bool valide = Indice_Visible >= 1 && Indice_Visible <= NbSolutions;
    SolutionVisible = valide ? Solutions[Indice_Visible] : TSolution{};
    return;
  }
  try {
    TSolution proche;
    Cherche(Tirage.Nombres, Tirage.Resultat, proche);
    SolutionVisible = proche;
    NumeroVisible = IndiceSimple;
    SolutionsCalculees = 1;
  } catch (...) {
    SolutionsCalculees = 0;
    SolveurLibre = 1;
    evenements_->SignaleBug(MessageBug);
  }
}

TSolution Solveur::ChercheEnSerie() {
  TriParEchange(Tirage.Nombres);
  // Back to the normal mode whatever happens during the search.
  struct EnSerie {
    flag& mode;
    explicit EnSerie(flag& m) : mode(m) { mode = 1; }
    ~EnSerie() { mode = 0; }
  } enSerie(ModeSerie);
  TSolution proche;
  Cherche(Tirage.Nombres, Tirage.Resultat, proche);
  return proche;
}

void Solveur::Offre(const TSolution& S, longint cible) {
  // Once the table is full every further hit is dropped, new or not.
  if (NbSolutions == Capacite) return;
  if (!ChaqueEtapeSert(S, cible)) return;
  TSolution normee = Normalise(S);
  std::size_t caseLibre = 0;
  if (index_.Trouve(normee, SolutionsNormees, caseLibre) != 0) return;

  ++NbSolutions;
  TSolution retenue = S;
  retenue.Numero = NbSolutions;
  normee.Numero = NbSolutions;
  MajTordue(retenue);
  MajSimple(retenue);
  Solutions[NbSolutions] = retenue;
  SolutionsNormees[NbSolutions] = normee;
  index_.Ajoute(caseLibre, NbSolutions);
}

void Solveur::MajTordue(const TSolution& S) {
  longint plusGrand = 0;
  for (int k = 1; k <= S.NbEtapes; ++k) plusGrand = std::max(plusGrand, S.Resultats[k]);
  if (plusGrand > MaxIntermediaire) {
    MaxIntermediaire = plusGrand;
    IndiceTordue = NbSolutions;
  }
}

void Solveur::MajSimple(const TSolution& S) {
  const word n = S.NbEtapes;
  if (n > NbEtapesMin) return;
  if (n < NbEtapesMin) {
    std::string texte = TexteSolution(S);
    if (texte != "?") TexteSimple = std::move(texte);
    IndiceSimple = NbSolutions;
    NbEtapesMin = n;
  } else if (TexteSimple == "?") {
    TexteSimple = TexteSolution(S);
  }
}

}  // namespace tolvan
