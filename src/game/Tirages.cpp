#include "Tirages.h"

#include "engine/Difficulte.h"
#include "SplitMix64.h"

namespace tolvan {

void TireSixNombres(TTirage& tirage, const Hasard& hasard) {
  std::array<int, NbNombres> places{};
  for (int i = 0; i < NbNombres; ++i) {
    bool dejaPrise;
    do {
      places[i] = hasard(static_cast<int>(ReserveNombres.size()));
      dejaPrise = false;
      for (int j = 0; j < i; ++j) dejaPrise |= places[j] == places[i];
    } while (dejaPrise);
    tirage.Nombres[i + 1] = ReserveNombres[static_cast<std::size_t>(places[i])];
  }
}

void TireNombresFous(TTirage& tirage, const Hasard& hasard) {
  for (int i = 1; i <= NbNombres; ++i) tirage.Nombres[i] = 1 + hasard(20 * i);
}

void TireCible(TTirage& tirage, const Hasard& hasard) { tirage.Resultat = 101 + hasard(899); }

bool EstPremier(longint n) {
  if (n < 2) return false;
  for (const longint p : NombresPremiers) {
    if (p * p > n) break;
    if (n % p == 0) return false;
  }
  return true;
}

namespace {

// Moves the target up to the next prime; past 999 a fresh target is drawn.
void RendCiblePremiere(TTirage& tirage, const Hasard& hasard) {
  while (!EstPremier(tirage.Resultat)) {
    ++tirage.Resultat;
    if (tirage.Resultat > 999) TireCible(tirage, hasard);
  }
}

}  // namespace

void TireAuHasard(Solveur& solveur, const OptionsTirage& options, const Hasard& hasard) {
  TTirage& tirage = solveur.Tirage;
  solveur.TexteSimple.clear();
  solveur.NbSolutions = 0;
  solveur.NbEtapesMin = 0;
  if (options.fous) {
    TireNombresFous(tirage, hasard);
  } else {
    TireSixNombres(tirage, hasard);
  }
  TireCible(tirage, hasard);
  solveur.SolutionsCalculees = 0;
  if (options.premiers) RendCiblePremiere(tirage, hasard);
  if (!options.calculAuto) return;
  solveur.ChercheSol(0);
  // The replacements are plain draws: crazy numbers and prime targets only
  // shape the first one.
  while (options.realisables && solveur.SolutionApprochee) {
    solveur.SolutionsCalculees = 0;
    TireSixNombres(tirage, hasard);
    TireCible(tirage, hasard);
    solveur.ChercheSol(0);
  }
}

bool TireAuHasardDeDifficulte(Solveur& solveur, const OptionsTirage& options, int marque, const Hasard& hasard,
                              const EntreDeuxEssais& entre) {
  for (int essai = 1; essai <= EssaisDeDifficulte; ++essai) {
    TireAuHasard(solveur, options, hasard);
    if (marque == 0) return true;
    solveur.ChercheSol(0);
    if (MarqueDifficulte(solveur) == marque) return true;
    if (entre && !entre(essai)) return false;
  }
  return true;
}

std::vector<TTirage> TiragesAuHasard(int nombre, std::uint64_t graine) {
  std::vector<TTirage> tirages(static_cast<std::size_t>(std::max(0, nombre)));
  SplitMix64 hasard(graine);
  const Hasard entre = [&hasard](int n) { return hasard.Entre(n); };
  for (TTirage& tirage : tirages) {
    TireSixNombres(tirage, entre);
    TireCible(tirage, entre);
  }
  return tirages;
}

}  // namespace tolvan
