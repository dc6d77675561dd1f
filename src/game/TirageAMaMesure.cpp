#include "TirageAMaMesure.h"

#include <algorithm>
#include <optional>

#include "SplitMix64.h"
#include "Tirages.h"

namespace tolvan {

double Bande::Distance(double chance) const {
  if (chance < min) return min - chance;
  if (chance > max) return chance - max;
  return 0;
}

Bande BandeDuJoueur(int partiesNotees) { return partiesNotees < PartiesDesDebuts ? BandeDesDebuts : BandeAMaMesure; }

Bande BandeDeRang(int rang) {
  const double haut = 1.0 - 0.1 * std::clamp(rang - 1, 0, 9);
  return {haut - 0.1, haut};
}

TirageMesure TireAMaMesure(std::uint64_t graine, Bande bande, const ChanceDuTirage& chance, Solveur& solveur) {
  SplitMix64 generateur(graine);
  const Hasard hasard = [&generateur](int n) { return generateur.Entre(n); };
  std::optional<TirageMesure> plusProche;
  for (int essai = 1; essai <= EssaisAMaMesure; ++essai) {
    TirageMesure essaye;
    TireSixNombres(essaye.tirage, hasard);
    TireCible(essaye.tirage, hasard);
    solveur.ChangeTirage(essaye.tirage);
    solveur.ChercheSol(0);
    essaye.resume = ResumeEfforts::De(solveur);
    essaye.chance = chance(essaye.resume);
    essaye.essais = essai;
    if (bande.Contient(essaye.chance)) return essaye;
    if (!plusProche || bande.Distance(essaye.chance) < bande.Distance(plusProche->chance)) plusProche = essaye;
  }
  plusProche->essais = EssaisAMaMesure;
  solveur.ChangeTirage(plusProche->tirage);
  solveur.ChercheSol(0);
  return *plusProche;
}

}  // namespace tolvan
