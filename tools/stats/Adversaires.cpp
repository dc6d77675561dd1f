#include "Adversaires.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>

#include "Difficultes.h"
#include "game/Tirages.h"

namespace tolvan::stats {

namespace {

double Mediane(std::vector<double> valeurs) {
  if (valeurs.empty()) return 0;
  const auto milieu = valeurs.begin() + static_cast<std::ptrdiff_t>(valeurs.size() / 2);
  std::nth_element(valeurs.begin(), milieu, valeurs.end());
  return *milieu;
}

struct Ligne {
  std::string_view nom;
  double partExacte;
  double mediane;
  double ecartMoyen;
  double plusLongExact;
  long long atteignablesManques;
};

Ligne LigneDe(const BilanAdversaires& bilan, int force) {
  const BilanForce& f = bilan.parForce[static_cast<std::size_t>(force - ForceMin)];
  const long long approches = bilan.tirages - f.exacts - f.sansReponse;
  return {ProfilDeForce(force).nom,
          bilan.tirages ? 100.0 * static_cast<double>(f.exacts) / static_cast<double>(bilan.tirages) : 0.0,
          Mediane(f.secondes),
          approches ? static_cast<double>(f.sommeEcarts) / static_cast<double>(approches) : 0.0,
          f.plusLongExact,
          f.atteignablesManques};
}

}  // namespace

BilanAdversaires CalculeAdversaires(int nombre, std::uint64_t graine, double secondes, int fils,
                                    const std::function<void(int, int)>& progres) {
  const std::vector<TTirage> tirages = TiragesAuHasard(nombre, graine);
  BilanAdversaires bilan;
  std::mutex verrou;
  std::atomic<int> suivant{0};
  std::atomic<int> faits{0};
  const auto travaille = [&] {
    Solveur solveur;
    BilanAdversaires partiel;
    for (int i = suivant++; i < nombre; i = suivant++) {
      const TTirage& tirage = tirages[static_cast<std::size_t>(i)];
      solveur.ChangeTirage(tirage);
      solveur.ChercheSol(0);
      const bool atteignable = solveur.NbSolutions > 0 && !solveur.SolutionApprochee;
      SolutionsVoisines voisines(solveur);
      ++partiel.tirages;
      partiel.atteignables += atteignable ? 1 : 0;
      for (int force = ForceMin; force <= ForceMax; ++force) {
        const ReponseAdversaire r = Adversaire(force, static_cast<std::uint64_t>(i)).Repond(voisines, secondes);
        BilanForce& f = partiel.parForce[static_cast<std::size_t>(force - ForceMin)];
        f.secondes.push_back(r.secondes);
        if (r.exact) {
          ++f.exacts;
          f.plusLongExact = std::max(f.plusLongExact, r.secondes);
        } else if (r.annonce == 0) {
          ++f.sansReponse;
        } else {
          f.sommeEcarts += std::abs(r.annonce - tirage.Resultat);
        }
        f.atteignablesManques += atteignable && !r.exact ? 1 : 0;
      }
      const int fait = ++faits;
      if (progres && fait % 500 == 0) {
        const std::lock_guard<std::mutex> garde(verrou);
        progres(fait, nombre);
      }
    }
    const std::lock_guard<std::mutex> garde(verrou);
    bilan.tirages += partiel.tirages;
    bilan.atteignables += partiel.atteignables;
    for (std::size_t k = 0; k < bilan.parForce.size(); ++k) {
      BilanForce& f = bilan.parForce[k];
      const BilanForce& p = partiel.parForce[k];
      f.exacts += p.exacts;
      f.sansReponse += p.sansReponse;
      f.sommeEcarts += p.sommeEcarts;
      f.secondes.insert(f.secondes.end(), p.secondes.begin(), p.secondes.end());
      f.plusLongExact = std::max(f.plusLongExact, p.plusLongExact);
      f.atteignablesManques += p.atteignablesManques;
    }
  };
  std::vector<std::thread> travailleurs;
  for (int f = 1; f < fils; ++f) travailleurs.emplace_back(travaille);
  travaille();
  for (std::thread& travailleur : travailleurs) travailleur.join();
  return bilan;
}

void EcritAdversaires(const BilanAdversaires& bilan, bool json, std::ostream& sortie) {
  char texte[256];
  if (json) {
    sortie << "{\"tirages\":" << bilan.tirages << ",\"atteignables\":" << bilan.atteignables << ",\"forces\":[";
    for (int force = ForceMin; force <= ForceMax; ++force) {
      const Ligne l = LigneDe(bilan, force);
      std::snprintf(texte, sizeof texte,
                    "{\"force\":%d,\"nom\":\"%.*s\",\"partExacte\":%.2f,\"secondesMedianes\":%.1f,"
                    "\"ecartMoyen\":%.2f,\"plusLongExact\":%.1f,\"atteignablesManques\":%lld}",
                    force, static_cast<int>(l.nom.size()), l.nom.data(), l.partExacte, l.mediane, l.ecartMoyen,
                    l.plusLongExact, l.atteignablesManques);
      sortie << (force > ForceMin ? "," : "") << texte;
    }
    sortie << "]}\n";
    return;
  }
  std::snprintf(texte, sizeof texte, "%.2f", bilan.tirages ? 100.0 * static_cast<double>(bilan.atteignables) / static_cast<double>(bilan.tirages) : 0.0);
  sortie << "L'adversaire sur " << bilan.tirages << " tirages standard au hasard (" << texte
         << " % atteignables) :\n"
         << "Force | Trouvés | Temps médian | Écart moyen sinon | Plus long exact | Atteignables manqués\n";
  for (int force = ForceMin; force <= ForceMax; ++force) {
    const Ligne l = LigneDe(bilan, force);
    std::snprintf(texte, sizeof texte, "%d %.*s | %.2f %% | %.1f s | %.2f | %.1f s | %lld\n", force,
                  static_cast<int>(l.nom.size()), l.nom.data(), l.partExacte, l.mediane, l.ecartMoyen,
                  l.plusLongExact, l.atteignablesManques);
    sortie << texte;
  }
}

}  // namespace tolvan::stats
