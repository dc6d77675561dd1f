#include "TiragesDuCode.h"

#include "engine/Atteignables.h"
#include "engine/SolutionText.h"
#include "engine/Solveur.h"
#include "game/SplitMix64.h"
#include "game/Tirages.h"

namespace tolvan {

std::vector<TTirage> TiragesDuCode(const CodeSerie& code) {
  SplitMix64 generateur(code.Graine());
  const Hasard hasard = [&generateur](int n) { return generateur.Entre(n); };
  Atteignables atteignables;
  std::vector<TTirage> tirages;
  while (static_cast<int>(tirages.size()) < code.Tirages()) {
    TTirage tirage;
    TireSixNombres(tirage, hasard);
    TireCible(tirage, hasard);
    if (code.Realisables()) {
      atteignables.Calcule(tirage.Nombres.items);
      if (!atteignables.Atteint(tirage.Resultat)) continue;
    }
    tirages.push_back(tirage);
  }
  return tirages;
}

std::string TexteTirage(const TTirage& tirage) {
  std::string texte;
  for (const longint nombre : tirage.Nombres) texte += std::to_string(nombre) + ' ';
  return texte + "→ " + std::to_string(tirage.Resultat);
}

Corrige CorrigeTirage(Solveur& solveur, const TTirage& tirage) {
  solveur.ChangeTirage(tirage);
  solveur.ChercheSol(0);
  Corrige corrige{tirage, 0, {}};
  if (solveur.NbSolutions == 0) return corrige;
  const TSolution& simple = solveur.Solutions[solveur.IndiceSimple];
  // No step: the target is one of the numbers.
  corrige.meilleur = simple.NbEtapes == 0 ? tirage.Resultat : simple.Resultats[simple.NbEtapes];
  corrige.solution = solveur.TexteSimple;
  // Steps that are not one chain, such as 7x4 and 9x3 put together, have
  // no one-line text: the sheet lists them step by step instead.
  if (corrige.solution == "?") {
    corrige.solution.clear();
    for (int k = 1; k <= simple.NbEtapes; ++k) {
      if (k > 1) corrige.solution += ", ";
      corrige.solution += TexteEtape(simple.Etapes[k]);
    }
  }
  return corrige;
}

std::vector<Corrige> CorrigeDuCode(const CodeSerie& code) {
  Solveur solveur;
  std::vector<Corrige> corriges;
  for (const TTirage& tirage : TiragesDuCode(code)) corriges.push_back(CorrigeTirage(solveur, tirage));
  return corriges;
}

}  // namespace tolvan
