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
  double ecartAtteignables;
  double ecartImpossibles;
  double plusLongExact;
  long long atteignablesManques;
};

Ligne LigneDe(const BilanAdversaires& bilan, int force) {
  const BilanForce& f = bilan.parForce[static_cast<std::size_t>(force - ForceMin)];
  return {ProfilDeForce(force).nom,
          bilan.tirages ? 100.0 * static_cast<double>(f.exacts) / static_cast<double>(bilan.tirages) : 0.0,
          Mediane(f.secondes),
          f.TousLesRates().EcartMoyen(),
          f.ratesAtteignables.EcartMoyen(),
          f.ratesImpossibles.EcartMoyen(),
          f.plusLongExact,
          f.atteignablesManques};
}

void Compte(Rates& rates, longint annonce, longint cible) {
  ++rates.annonces;
  rates.sommeEcarts += std::abs(annonce - cible);
}

}  // namespace

double Rates::EcartMoyen() const {
  return annonces ? static_cast<double>(sommeEcarts) / static_cast<double>(annonces) : 0.0;
}

void Rates::Ajoute(const Rates& autres) {
  annonces += autres.annonces;
  sommeEcarts += autres.sommeEcarts;
}

Rates BilanForce::TousLesRates() const {
  Rates tous = ratesAtteignables;
  tous.Ajoute(ratesImpossibles);
  return tous;
}

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
      if (!atteignable && voisines.ValeurAtteinte() != 0) Compte(partiel.plusProches, voisines.ValeurAtteinte(), tirage.Resultat);
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
          Compte(atteignable ? f.ratesAtteignables : f.ratesImpossibles, r.annonce, tirage.Resultat);
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
    bilan.plusProches.Ajoute(partiel.plusProches);
    for (std::size_t k = 0; k < bilan.parForce.size(); ++k) {
      BilanForce& f = bilan.parForce[k];
      const BilanForce& p = partiel.parForce[k];
      f.exacts += p.exacts;
      f.sansReponse += p.sansReponse;
      f.ratesAtteignables.Ajoute(p.ratesAtteignables);
      f.ratesImpossibles.Ajoute(p.ratesImpossibles);
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
    std::snprintf(texte, sizeof texte, "%.2f", bilan.plusProches.EcartMoyen());
    sortie << "{\"tirages\":" << bilan.tirages << ",\"atteignables\":" << bilan.atteignables
           << ",\"ecartPlusProche\":" << texte << ",\"forces\":[";
    for (int force = ForceMin; force <= ForceMax; ++force) {
      const Ligne l = LigneDe(bilan, force);
      std::snprintf(texte, sizeof texte,
                    "{\"force\":%d,\"nom\":\"%.*s\",\"partExacte\":%.2f,\"secondesMedianes\":%.1f,"
                    "\"ecartMoyen\":%.2f,\"ecartAtteignables\":%.2f,\"ecartImpossibles\":%.2f,"
                    "\"plusLongExact\":%.1f,\"atteignablesManques\":%lld}",
                    force, static_cast<int>(l.nom.size()), l.nom.data(), l.partExacte, l.mediane, l.ecartMoyen,
                    l.ecartAtteignables, l.ecartImpossibles, l.plusLongExact, l.atteignablesManques);
      sortie << (force > ForceMin ? "," : "") << texte;
    }
    sortie << "]}\n";
    return;
  }
  std::snprintf(texte, sizeof texte, "%.2f", bilan.tirages ? 100.0 * static_cast<double>(bilan.atteignables) / static_cast<double>(bilan.tirages) : 0.0);
  sortie << "L'adversaire sur " << bilan.tirages << " tirages standard au hasard (" << texte
         << " % atteignables) :\n";
  std::snprintf(texte, sizeof texte, "%.2f", bilan.plusProches.EcartMoyen());
  sortie << "(le plus proche d'une cible impossible en est à " << texte << " en moyenne)\n"
         << "Force | Trouvés | Temps médian | Écart moyen des ratés | cible atteignable | cible impossible"
            " | Plus long exact | Atteignables manqués\n";
  for (int force = ForceMin; force <= ForceMax; ++force) {
    const Ligne l = LigneDe(bilan, force);
    std::snprintf(texte, sizeof texte, "%d %.*s | %.2f %% | %.1f s | %.2f | %.2f | %.2f | %.1f s | %lld\n", force,
                  static_cast<int>(l.nom.size()), l.nom.data(), l.partExacte, l.mediane, l.ecartMoyen,
                  l.ecartAtteignables, l.ecartImpossibles, l.plusLongExact, l.atteignablesManques);
    sortie << texte;
  }
}

}  // namespace tolvan::stats
