#include "Cotes.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <mutex>
#include <ostream>
#include <span>
#include <string>
#include <thread>

#include "game/Cote.h"
#include "game/LoiDuRegard.h"
#include "game/SplitMix64.h"
#include "game/TirageAMaMesure.h"
#include "game/Tirages.h"

namespace tolvan::stats {

namespace {

// A draw of the pool: what the simulated players and the rating need.
struct TirageSimule {
  TTirage tirage;
  std::vector<double> efforts;  // the target's solutions, in the table's order
  ResumeEfforts resume;
};

// Runs `tache(0 .. nombre - 1)` on `fils` threads.
void ParTaches(int nombre, int fils, const std::function<void(int)>& tache) {
  std::atomic<int> suivante{0};
  const auto travaille = [&] {
    for (int i = suivante++; i < nombre; i = suivante++) tache(i);
  };
  std::vector<std::thread> travailleurs;
  for (int f = 1; f < fils; ++f) travailleurs.emplace_back(travaille);
  travaille();
  for (std::thread& travailleur : travailleurs) travailleur.join();
}

std::uint64_t Graine(std::uint64_t a, std::uint64_t b, std::uint64_t c = 0) {
  return SplitMix64(SplitMix64(SplitMix64(a).Suivant() ^ b).Suivant() ^ c).Suivant();
}

std::vector<TirageSimule> Bassin(int fils) {
  const std::vector<TTirage> tirages = TiragesAuHasard(TiragesDuBassin, GraineDesCotes);
  std::vector<TirageSimule> bassin(tirages.size());
  std::mutex verrou;
  ParTaches(static_cast<int>(tirages.size()), fils, [&](int i) {
    thread_local Solveur solveur;
    solveur.ChangeTirage(tirages[static_cast<std::size_t>(i)]);
    solveur.ChercheSol(0);
    std::vector<double> efforts = EffortsDeLaCible(solveur);
    ResumeEfforts resume(efforts);
    bassin[static_cast<std::size_t>(i)] = {tirages[static_cast<std::size_t>(i)], std::move(efforts), std::move(resume)};
  });
  return bassin;
}

// One game of a simulated player: the opponent's own draw of when it sees
// the target (what Adversaire::Repond does first), its time in tenths.
PartieNotee Joue(double force, std::uint64_t graine, const TTirage& tirage, std::span<const double> efforts,
                 const ResumeEfforts& resume) {
  PartieNotee partie{resume, SecondesDesCotes, false, 0, std::nullopt};
  const auto vue = VoitLaCible(efforts, ProfilContinu(force), graine, ForceEnCentiemes(force), tirage, SecondesDesCotes);
  if (vue) {
    partie.trouvee = true;
    partie.secondes = std::ceil(vue->secondes * 10.0 - 1e-9) / 10.0;
  }
  return partie;
}

// A simulated player's run on draws of the pool; `apres` hears the rating
// after each game (1, 2 ...), `avant` the chance predicted before it.
void Course(double force, std::uint64_t graine, int tirages, const std::vector<TirageSimule>& bassin,
            const std::function<void(int, const Cote&)>& apres,
            const std::function<void(double, bool)>& avant = {}) {
  SplitMix64 choix(graine);
  Cote cote;
  for (int k = 1; k <= tirages; ++k) {
    const TirageSimule& t = bassin[static_cast<std::size_t>(choix.Entre(static_cast<int>(bassin.size())))];
    const PartieNotee partie = Joue(force, Graine(graine, static_cast<std::uint64_t>(k)), t.tirage, t.efforts, t.resume);
    if (avant) avant(cote.ChancePredite(t.resume, SecondesDesCotes), partie.trouvee);
    cote.Ajoute(partie);
    apres(k, cote);
  }
}

SuiviForce Suivi(double force, const std::vector<TirageSimule>& bassin, int fils) {
  std::vector<SuiviForce> parCourse(CoursesParForce);
  ParTaches(CoursesParForce, fils, [&](int r) {
    SuiviForce& s = parCourse[static_cast<std::size_t>(r)];
    s.courses = 1;
    Course(force, Graine(GraineDesCotes, ForceEnCentiemes(force), static_cast<std::uint64_t>(r)), TiragesParCourse,
           bassin, [&](int k, const Cote& cote) {
             const double ecart = std::abs(cote.Moyenne() - force);
             if (k == 30) {
               s.aUnDemiPres30 += ecart <= 0.5 ? 1 : 0;
               s.couvertes30 += ecart <= cote.Ecart() ? 1 : 0;
             } else if (k == 50) {
               s.aTroisDixiemesPres50 += ecart <= 0.3 ? 1 : 0;
               s.couvertes50 += ecart <= cote.Ecart() ? 1 : 0;
               s.sommeCotes50 += cote.Moyenne();
               s.sommeEcarts50 += cote.Ecart();
             }
           });
  });
  SuiviForce total;
  total.force = force;
  for (const SuiviForce& s : parCourse) total.Ajoute(s);
  return total;
}

std::array<TrancheDeCalibration, 10> Calibration(const std::vector<TirageSimule>& bassin, int fils) {
  std::vector<std::array<TrancheDeCalibration, 10>> parJoueur(JoueursDeCalibration);
  ParTaches(JoueursDeCalibration, fils, [&](int j) {
    const double force = 1.0 + 4.0 * (j + 0.5) / JoueursDeCalibration;
    auto& tranches = parJoueur[static_cast<std::size_t>(j)];
    Course(
        force, Graine(GraineDesCotes, 1, static_cast<std::uint64_t>(j)), TiragesParCourse, bassin, [](int, const Cote&) {},
        [&](double predite, bool trouvee) {
          TrancheDeCalibration& t = tranches[static_cast<std::size_t>(std::min(9, static_cast<int>(predite * 10)))];
          ++t.parties;
          t.sommePredite += predite;
          t.trouvees += trouvee ? 1 : 0;
        });
  });
  std::array<TrancheDeCalibration, 10> total{};
  for (const auto& tranches : parJoueur) {
    for (std::size_t k = 0; k < total.size(); ++k) total[k].Ajoute(tranches[k]);
  }
  return total;
}

MesureForce AMaMesure(double force, int fils) {
  std::vector<MesureForce> parCourse(CoursesAMaMesure);
  ParTaches(CoursesAMaMesure, fils, [&](int r) {
    thread_local Solveur solveur;
    MesureForce& m = parCourse[static_cast<std::size_t>(r)];
    const std::uint64_t graine = Graine(GraineDesCotes, ForceEnCentiemes(force) + 1000, static_cast<std::uint64_t>(r));
    Cote cote;
    for (int k = 1; k <= TiragesAMaMesure; ++k) {
      const TirageMesure tire = TireAMaMesure(
          Graine(graine, static_cast<std::uint64_t>(k)), BandeDuJoueur(cote.Parties()),
          [&cote](const ResumeEfforts& resume) { return cote.ChancePredite(resume, SecondesDesCotes); }, solveur);
      const PartieNotee partie =
          Joue(force, Graine(graine, static_cast<std::uint64_t>(k), 1), tire.tirage, EffortsDeLaCible(solveur), tire.resume);
      const bool debut = cote.Parties() < PartiesDesDebuts;
      (debut ? m.partiesDebut : m.parties) += 1;
      (debut ? m.trouveesDebut : m.trouvees) += partie.trouvee ? 1 : 0;
      if (!debut) m.sommeChances += tire.chance;
      m.essaisPlusLong = std::max(m.essaisPlusLong, tire.essais);
      cote.Ajoute(partie);
    }
  });
  MesureForce total;
  total.force = force;
  for (const MesureForce& m : parCourse) total.Ajoute(m);
  return total;
}

double Part(int n, int sur) { return sur ? static_cast<double>(n) / sur : 0.0; }
double Moyenne(double somme, int nombre) { return nombre ? somme / nombre : 0.0; }

// One line of each table, as both the text and JSON write it.
struct LigneSuivi {
  double force, aUnDemiPres30, aTroisDixiemesPres50, couvertes30, couvertes50, coteMoyenne50, ecartMoyen50;
};
LigneSuivi LigneDe(const SuiviForce& s) {
  return {s.force,
          Part(s.aUnDemiPres30, s.courses),
          Part(s.aTroisDixiemesPres50, s.courses),
          Part(s.couvertes30, s.courses),
          Part(s.couvertes50, s.courses),
          Moyenne(s.sommeCotes50, s.courses),
          Moyenne(s.sommeEcarts50, s.courses)};
}

struct LigneMesure {
  double force, trouvees, predite, trouveesDebut;
  int essaisPlusLong;
};
LigneMesure LigneDe(const MesureForce& m) {
  return {m.force, Part(m.trouvees, m.parties), Moyenne(m.sommeChances, m.parties), Part(m.trouveesDebut, m.partiesDebut),
          m.essaisPlusLong};
}

int Parties(const std::array<TrancheDeCalibration, 10>& calibration) {
  int parties = 0;
  for (const TrancheDeCalibration& t : calibration) parties += t.parties;
  return parties;
}

// Each line of `lignes` through `ecrit`, separated by `entre`.
template <class Lignes, class Ecrit>
void EcritLignes(const Lignes& lignes, const char* entre, std::ostream& sortie, Ecrit&& ecrit) {
  char texte[512];
  bool premiere = true;
  for (const auto& ligne : lignes) {
    ecrit(texte, sizeof texte, ligne);
    sortie << (premiere ? "" : entre) << texte;
    premiere = false;
  }
}

void EcritJson(const BilanCotes& bilan, std::ostream& sortie) {
  sortie << "{\"forces\":[";
  EcritLignes(bilan.suivis, ",", sortie, [](char* texte, std::size_t taille, const SuiviForce& s) {
    const LigneSuivi l = LigneDe(s);
    std::snprintf(texte, taille,
                  "{\"force\":%.1f,\"courses\":%d,\"aUnDemiPres30\":%.3f,\"aTroisDixiemesPres50\":%.3f,"
                  "\"couvertes30\":%.3f,\"couvertes50\":%.3f,\"coteMoyenne50\":%.2f,\"ecartMoyen50\":%.2f}",
                  l.force, s.courses, l.aUnDemiPres30, l.aTroisDixiemesPres50, l.couvertes30, l.couvertes50,
                  l.coteMoyenne50, l.ecartMoyen50);
  });
  sortie << "],\"erreurDeCalibration\":" << std::round(bilan.ErreurDeCalibration() * 10000) / 10000 << ",\"calibration\":[";
  EcritLignes(bilan.calibration, ",", sortie, [](char* texte, std::size_t taille, const TrancheDeCalibration& t) {
    std::snprintf(texte, taille, "{\"parties\":%d,\"predite\":%.3f,\"trouvees\":%.3f}", t.parties,
                  Moyenne(t.sommePredite, t.parties), Part(t.trouvees, t.parties));
  });
  sortie << "],\"aMaMesure\":[";
  EcritLignes(bilan.aMaMesure, ",", sortie, [](char* texte, std::size_t taille, const MesureForce& m) {
    const LigneMesure l = LigneDe(m);
    std::snprintf(texte, taille,
                  "{\"force\":%.1f,\"parties\":%d,\"trouvees\":%.3f,\"predite\":%.3f,\"partiesDebut\":%d,"
                  "\"trouveesDebut\":%.3f,\"essaisPlusLong\":%d}",
                  l.force, m.parties, l.trouvees, l.predite, m.partiesDebut, l.trouveesDebut, l.essaisPlusLong);
  });
  sortie << "]}\n";
}

void EcritTexte(const BilanCotes& bilan, std::ostream& sortie) {
  sortie << "La cote de joueurs simulés (l'adversaire à la force donnée, " << CoursesParForce << " courses de "
         << TiragesParCourse << " tirages standard, " << SecondesDesCotes << " s) :\n"
         << "Force | à 0,5 près après 30 | à 0,3 près après 50 | ± tient la vraie force après 30 | après 50"
            " | cote moyenne après 50 | ± moyen après 50\n";
  EcritLignes(bilan.suivis, "", sortie, [](char* texte, std::size_t taille, const SuiviForce& s) {
    const LigneSuivi l = LigneDe(s);
    std::snprintf(texte, taille, "%.1f | %.1f %% | %.1f %% | %.1f %% | %.1f %% | %.2f | %.2f\n", l.force,
                  100 * l.aUnDemiPres30, 100 * l.aTroisDixiemesPres50, 100 * l.couvertes30, 100 * l.couvertes50,
                  l.coteMoyenne50, l.ecartMoyen50);
  });
  char erreur[16];
  std::snprintf(erreur, sizeof erreur, "%.3f", bilan.ErreurDeCalibration());
  sortie << "\nCalibration sur " << Parties(bilan.calibration) << " tirages (" << JoueursDeCalibration
         << " joueurs de force 1 à 5, chance prédite avant chaque tirage) : erreur de calibration attendue " << erreur
         << "\nChance prédite | Tirages | Prédite en moyenne | Trouvés\n";
  int dixieme = 0;
  EcritLignes(bilan.calibration, "", sortie, [&dixieme](char* texte, std::size_t taille, const TrancheDeCalibration& t) {
    std::snprintf(texte, taille, "%.1f à %.1f | %d | %.3f | %.3f\n", dixieme / 10.0, (dixieme + 1) / 10.0, t.parties,
                  Moyenne(t.sommePredite, t.parties), Part(t.trouvees, t.parties));
    ++dixieme;
  });
  sortie << "\nÀ ma mesure (" << CoursesAMaMesure << " courses de " << TiragesAMaMesure << " tirages par force ; les "
         << PartiesDesDebuts << " premiers visent 0,45 à 0,55, les autres 0,70 à 0,80) :\n"
         << "Force | Trouvés (les autres) | Chance prédite | Trouvés (les " << PartiesDesDebuts
         << " premiers) | Le plus d'essais pour un tirage\n";
  EcritLignes(bilan.aMaMesure, "", sortie, [](char* texte, std::size_t taille, const MesureForce& m) {
    const LigneMesure l = LigneDe(m);
    std::snprintf(texte, taille, "%.1f | %.1f %% | %.3f | %.1f %% | %d\n", l.force, 100 * l.trouvees, l.predite,
                  100 * l.trouveesDebut, l.essaisPlusLong);
  });
}

}  // namespace

void SuiviForce::Ajoute(const SuiviForce& autre) {
  courses += autre.courses;
  aUnDemiPres30 += autre.aUnDemiPres30;
  aTroisDixiemesPres50 += autre.aTroisDixiemesPres50;
  couvertes30 += autre.couvertes30;
  couvertes50 += autre.couvertes50;
  sommeCotes50 += autre.sommeCotes50;
  sommeEcarts50 += autre.sommeEcarts50;
}

void TrancheDeCalibration::Ajoute(const TrancheDeCalibration& autre) {
  parties += autre.parties;
  sommePredite += autre.sommePredite;
  trouvees += autre.trouvees;
}

void MesureForce::Ajoute(const MesureForce& autre) {
  partiesDebut += autre.partiesDebut;
  trouveesDebut += autre.trouveesDebut;
  parties += autre.parties;
  trouvees += autre.trouvees;
  sommeChances += autre.sommeChances;
  essaisPlusLong = std::max(essaisPlusLong, autre.essaisPlusLong);
}

double BilanCotes::ErreurDeCalibration() const {
  double erreur = 0;
  for (const TrancheDeCalibration& t : calibration) erreur += std::abs(t.sommePredite - t.trouvees);
  const int parties = Parties(calibration);
  return parties ? erreur / parties : 0.0;
}

BilanCotes CalculeCotes(int fils, const std::function<void(int, int)>& progres) {
  const int etapes = 2 + 2 * static_cast<int>(ForcesSimulees.size());
  int fait = 0;
  const auto avance = [&] {
    if (progres) progres(++fait, etapes);
  };
  const std::vector<TirageSimule> bassin = Bassin(fils);
  avance();
  BilanCotes bilan;
  for (const double force : ForcesSimulees) {
    bilan.suivis.push_back(Suivi(force, bassin, fils));
    avance();
  }
  bilan.calibration = Calibration(bassin, fils);
  avance();
  for (const double force : ForcesSimulees) {
    bilan.aMaMesure.push_back(AMaMesure(force, fils));
    avance();
  }
  return bilan;
}

void EcritCotes(const BilanCotes& bilan, bool json, std::ostream& sortie) {
  if (json) {
    EcritJson(bilan, sortie);
  } else {
    EcritTexte(bilan, sortie);
  }
}

}  // namespace tolvan::stats
