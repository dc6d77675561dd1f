#include "Statistiques.h"

#include "Adversaires.h"
#include "Cotes.h"
#include "CommandeClassement.h"
#include "Difficultes.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cstdio>
#include <iostream>
#include <mutex>
#include <numeric>
#include <ostream>
#include <thread>

#include "engine/Atteignables.h"
#include "game/Tirages.h"
#include "solve/LigneDeCommande.h"

namespace tolvan::stats {

using solve::ExecuteLigne;
using solve::LigneDeCommande;
using solve::ModeCommande;
using solve::OptionJson;

namespace {

// Every processor of the machine works on the table.
int Fils() { return static_cast<int>(std::max(1u, std::thread::hardware_concurrency())); }

// Distances shown one by one; the rest go together as "10 and more".
constexpr std::size_t EcartsDetailles = 9;

// The game's pool as its distinct numbers, each with its count of tiles.
struct Plaques {
  longint valeur;
  int exemplaires;
};
std::vector<Plaques> Reserve() {
  std::vector<Plaques> reserve;
  for (const longint n : ReserveNombres) {
    if (!reserve.empty() && reserve.back().valeur == n) {
      ++reserve.back().exemplaires;
    } else {
      reserve.push_back({n, 1});
    }
  }
  return reserve;
}

void Enumere(const std::vector<Plaques>& reserve, std::size_t valeur, std::size_t pris, Selection& courante,
             std::vector<Selection>& toutes) {
  if (pris == courante.size()) {
    toutes.push_back(courante);
    return;
  }
  if (valeur == reserve.size()) return;
  for (int fois = 0; fois <= reserve[valeur].exemplaires && pris + static_cast<std::size_t>(fois) <= courante.size();
       ++fois) {
    for (int k = 0; k < fois; ++k) courante[pris + static_cast<std::size_t>(k)] = reserve[valeur].valeur;
    Enumere(reserve, valeur + 1, pris + static_cast<std::size_t>(fois), courante, toutes);
  }
}

void Compte(Ligne& ligne, std::size_t ecart) {
  if (ligne.ecarts.size() <= ecart) ligne.ecarts.resize(ecart + 1, 0);
  ++ligne.ecarts[ecart];
}

std::string Pourcent(long long partie, long long tout) {
  char texte[32];
  std::snprintf(texte, sizeof texte, "%.2f %%", tout == 0 ? 0.0 : 100.0 * static_cast<double>(partie) / tout);
  return texte;
}

// The hardest targets: reached by the fewest selections, the smaller first among equals.
std::vector<int> PlusDurs(const Table& table, std::size_t combien) {
  std::vector<int> cibles(NbCibles);
  std::iota(cibles.begin(), cibles.end(), PremiereCible);
  std::stable_sort(cibles.begin(), cibles.end(), [&table](int a, int b) {
    return table.atteintePar[static_cast<std::size_t>(a - PremiereCible)] <
           table.atteintePar[static_cast<std::size_t>(b - PremiereCible)];
  });
  cibles.resize(combien);
  return cibles;
}

void EcritLigneTexte(const std::string& titre, const Ligne& ligne, std::ostream& out) {
  char debut[128];
  std::snprintf(debut, sizeof debut, "%-7s %8lld %10lld %10lld %8s", titre.c_str(), ligne.selections, ligne.problemes,
                ligne.Exacts(), Pourcent(ligne.Exacts(), ligne.problemes).c_str());
  out << debut;
  for (std::size_t e = 1; e <= EcartsDetailles; ++e) {
    char colonne[16];
    std::snprintf(colonne, sizeof colonne, " %8lld", ligne.AEcart(e));
    out << colonne;
  }
  char fin[16];
  std::snprintf(fin, sizeof fin, " %9lld", ligne.AEcart(EcartsDetailles + 1, true));
  out << fin << '\n';
}

void EcritTexte(const Table& table, std::ostream& out) {
  out << "Le compte est bon : tous les tirages du jeu standard\n"
         "(six nombres parmi 1 à 10 deux fois, 25, 50, 75 et 100 ; résultats de 101 à 999)\n\n";
  out << "Grands  Tirages  Problèmes     Exacts     Part";
  for (std::size_t e = 1; e <= EcartsDetailles; ++e) out << "      à " << e;
  out << "  10 et +\n";
  for (int grands = 0; grands < NbGrands; ++grands) {
    EcritLigneTexte(std::to_string(grands), table.parGrands[static_cast<std::size_t>(grands)], out);
  }
  EcritLigneTexte("Total", table.total, out);
  out << "\nLes dix résultats les plus durs (tirages qui les atteignent) :";
  for (const int cible : PlusDurs(table, 10)) {
    out << ' ' << cible << " (" << table.atteintePar[static_cast<std::size_t>(cible - PremiereCible)] << ')';
  }
  out << "\nTirages qui atteignent tous les résultats de 101 à 999 : " << table.atteignentTout << '\n';
}

void EcritLigneJson(const Ligne& ligne, std::ostream& out) {
  out << "\"tirages\":" << ligne.selections << ",\"problemes\":" << ligne.problemes << ",\"exacts\":" << ligne.Exacts()
      << ",\"part_exacts\":"
      << (ligne.problemes == 0 ? 0.0 : static_cast<double>(ligne.Exacts()) / static_cast<double>(ligne.problemes))
      << ",\"ecarts\":{";
  for (std::size_t e = 1; e <= EcartsDetailles; ++e) out << (e > 1 ? "," : "") << '"' << e << "\":" << ligne.AEcart(e);
  out << ",\"10_et_plus\":" << ligne.AEcart(EcartsDetailles + 1, true) << "},\"histogramme_ecarts\":{";
  bool premier = true;
  for (std::size_t e = 0; e < ligne.ecarts.size(); ++e) {
    if (ligne.ecarts[e] == 0) continue;
    out << (premier ? "" : ",") << '"' << e << "\":" << ligne.ecarts[e];
    premier = false;
  }
  out << '}';
}

void EcritJson(const Table& table, std::ostream& out) {
  out << "{\"par_grands\":[";
  for (int grands = 0; grands < NbGrands; ++grands) {
    out << (grands > 0 ? "," : "") << "{\"grands\":" << grands << ',';
    EcritLigneJson(table.parGrands[static_cast<std::size_t>(grands)], out);
    out << '}';
  }
  out << "],\"total\":{";
  EcritLigneJson(table.total, out);
  out << "},\"plus_durs\":[";
  bool premier = true;
  for (const int cible : PlusDurs(table, 10)) {
    out << (premier ? "" : ",") << "{\"resultat\":" << cible
        << ",\"tirages\":" << table.atteintePar[static_cast<std::size_t>(cible - PremiereCible)] << '}';
    premier = false;
  }
  out << "],\"atteignent_tout\":" << table.atteignentTout << "}\n";
}

}  // namespace

long long Ligne::AEcart(std::size_t ecart, bool etPlus) const {
  if (!etPlus) return ecart < ecarts.size() ? ecarts[ecart] : 0;
  long long total = 0;
  for (std::size_t e = ecart; e < ecarts.size(); ++e) total += ecarts[e];
  return total;
}

void Ligne::Ajoute(const Ligne& autre) {
  selections += autre.selections;
  problemes += autre.problemes;
  if (ecarts.size() < autre.ecarts.size()) ecarts.resize(autre.ecarts.size(), 0);
  for (std::size_t e = 0; e < autre.ecarts.size(); ++e) ecarts[e] += autre.ecarts[e];
}

std::vector<Selection> SelectionsStandard() {
  std::vector<Selection> toutes;
  Selection courante{};
  Enumere(Reserve(), 0, 0, courante, toutes);
  return toutes;
}

int NombreDeGrands(const Selection& selection) {
  return static_cast<int>(std::count_if(selection.begin(), selection.end(), [](longint n) { return n > 10; }));
}

Table CalculeTable(int fils, const std::function<void(int, int)>& progres) {
  const std::vector<Selection> selections = SelectionsStandard();
  const int total = static_cast<int>(selections.size());
  std::atomic<int> suivante{0};
  std::atomic<int> faites{0};
  std::mutex verrou;
  Table table;
  // Each thread takes the next selection until none is left, then adds its
  // own counts to the table.
  const auto travaille = [&] {
    Table partielle;
    Atteignables atteignables;
    for (int i = suivante++; i < total; i = suivante++) {
      const Selection& selection = selections[static_cast<std::size_t>(i)];
      atteignables.Calcule(selection);
      Ligne& ligne = partielle.parGrands[static_cast<std::size_t>(NombreDeGrands(selection))];
      ++ligne.selections;
      ligne.problemes += NbCibles;
      bool tout = true;
      for (int cible = PremiereCible; cible <= DerniereCible; ++cible) {
        const auto ecart = static_cast<std::size_t>(atteignables.Ecart(cible));
        Compte(ligne, ecart);
        if (ecart == 0) ++partielle.atteintePar[static_cast<std::size_t>(cible - PremiereCible)];
        tout = tout && ecart == 0;
      }
      partielle.atteignentTout += tout ? 1 : 0;
      const int fait = ++faites;
      if (progres && fait % 256 == 0) {
        const std::lock_guard<std::mutex> garde(verrou);
        progres(fait, total);
      }
    }
    const std::lock_guard<std::mutex> garde(verrou);
    for (int g = 0; g < NbGrands; ++g) table.parGrands[static_cast<std::size_t>(g)].Ajoute(partielle.parGrands[static_cast<std::size_t>(g)]);
    for (int c = 0; c < NbCibles; ++c) table.atteintePar[static_cast<std::size_t>(c)] += partielle.atteintePar[static_cast<std::size_t>(c)];
    table.atteignentTout += partielle.atteignentTout;
  };
  std::vector<std::thread> travailleurs;
  for (int f = 1; f < fils; ++f) travailleurs.emplace_back(travaille);
  travaille();
  for (std::thread& travailleur : travailleurs) travailleur.join();
  for (const Ligne& ligne : table.parGrands) table.total.Ajoute(ligne);
  if (progres) progres(total, total);
  return table;
}

std::vector<std::pair<int, long long>> Impossibles(const std::vector<longint>& nombres) {
  Atteignables atteignables;
  atteignables.Calcule(nombres);
  std::vector<std::pair<int, long long>> impossibles;
  for (int cible = PremiereCible; cible <= DerniereCible; ++cible) {
    const long long ecart = atteignables.Ecart(cible);
    if (ecart != 0) impossibles.emplace_back(cible, ecart);
  }
  return impossibles;
}

namespace {

constexpr const char* UsageStats =
    "usage : tolvan-stats [--json] [N1 N2 N3 N4 N5 N6]   (nombres de 1 à 999)\n"
    "        tolvan-stats [--json] --difficulte\n"
    "        tolvan-stats [--json] --adversaires\n"
    "        tolvan-stats [--json] --cote\n";

// The targets six numbers cannot reach, each with its distance.
void EcritImpossibles(const std::vector<longint>& nombres, bool json, std::ostream& sortie) {
  const auto impossibles = Impossibles(nombres);
  if (json) {
    sortie << "{\"tirage\":[";
    for (std::size_t i = 0; i < nombres.size(); ++i) sortie << (i ? "," : "") << nombres[i];
    sortie << "],\"impossibles\":[";
    for (std::size_t i = 0; i < impossibles.size(); ++i) {
      sortie << (i ? "," : "") << "{\"resultat\":" << impossibles[i].first << ",\"ecart\":" << impossibles[i].second << '}';
    }
    sortie << "]}\n";
    return;
  }
  sortie << "Tirage :";
  for (const longint n : nombres) sortie << ' ' << n;
  sortie << "\n" << impossibles.size() << " résultats de 101 à 999 ne sont pas atteints";
  sortie << (impossibles.empty() ? ".\n" : " (écart au plus proche entre parenthèses) :\n");
  for (const auto& [cible, ecart] : impossibles) sortie << cible << " (" << ecart << ")\n";
}

void EcritTable(const Table& table, bool json, std::ostream& sortie) {
  if (json) {
    EcritJson(table, sortie);
  } else {
    EcritTexte(table, sortie);
  }
}

// Progress as a percentage on the error stream while a count goes on,
// rubbed out after it; nothing when no one watches.
class Progres {
 public:
  Progres(std::ostream& erreurs, bool visible) : erreurs_(erreurs), visible_(visible) {}

  // What `calcul` returns, given the progress to report.
  template <class Calcul>
  auto Suit(const Calcul& calcul) const {
    const auto resultat = calcul([this](int fait, int total) {
      if (visible_) erreurs_ << "\r" << (100 * fait / total) << " %" << std::flush;
    });
    if (visible_) erreurs_ << "\r     \r" << std::flush;
    return resultat;
  }

 private:
  std::ostream& erreurs_;
  bool visible_;
};

using Suivi = std::function<void(int, int)>;

// The whole table, or with six numbers the targets they miss.
int Standard(const LigneDeCommande& ligne, std::ostream& sortie, std::ostream& erreurs, const Progres& progres) {
  const std::vector<std::string>& mots = ligne.Mots();
  if (!mots.empty() && mots.size() != 6) {
    return ligne.Refuse("il faut six nombres (reçu " + std::to_string(mots.size()) + ")", erreurs);
  }
  std::vector<longint> nombres;
  for (const std::string& mot : mots) {
    std::string erreur;
    const std::optional<longint> nombre = solve::LitArgument(mot, 1, 999, "le nombre", erreur);
    if (!nombre) return ligne.Refuse(erreur, erreurs);
    nombres.push_back(*nombre);
  }
  if (!nombres.empty()) {
    EcritImpossibles(nombres, ligne.Donnee("--json"), sortie);
  } else {
    const Table table = progres.Suit([](const Suivi& suivi) { return CalculeTable(Fils(), suivi); });
    EcritTable(table, ligne.Donnee("--json"), sortie);
  }
  return 0;
}

int Difficultes(const LigneDeCommande& ligne, std::ostream& sortie, const Progres& progres) {
  const Repartition repartition = progres.Suit([](const Suivi& suivi) {
    return CalculeDifficultes(TiragesDifficulte, GraineDifficulte, Fils(), suivi);
  });
  EcritDifficultes(repartition, ligne.Donnee("--json"), sortie);
  return 0;
}

int Adversaires(const LigneDeCommande& ligne, std::ostream& sortie, const Progres& progres) {
  const BilanAdversaires bilan = progres.Suit([](const Suivi& suivi) {
    return CalculeAdversaires(TiragesAdversaires, GraineAdversaires, SecondesDuelParDefaut, Fils(), suivi);
  });
  EcritAdversaires(bilan, ligne.Donnee("--json"), sortie);
  return 0;
}

int Cotes(const LigneDeCommande& ligne, std::ostream& sortie, const Progres& progres) {
  const BilanCotes bilan = progres.Suit([](const Suivi& suivi) { return CalculeCotes(Fils(), suivi); });
  EcritCotes(bilan, ligne.Donnee("--json"), sortie);
  return 0;
}

}  // namespace

int ExecuteStats(const std::vector<std::string>& arguments, std::ostream& sortie, std::ostream& erreurs,
                 bool progresVisible) {
  const Progres progres(erreurs, progresVisible);
  // The ways to use the command, each with the options that go with it.
  const std::vector<ModeCommande> modes = {
      {"", {OptionJson}, true,
       [&progres](const LigneDeCommande& l, std::ostream& s, std::ostream& e) { return Standard(l, s, e, progres); }},
      {"--difficulte", {{"--difficulte"}, OptionJson}, false,
       [&progres](const LigneDeCommande& l, std::ostream& s, std::ostream&) { return Difficultes(l, s, progres); }},
      {"--adversaires", {{"--adversaires"}, OptionJson}, false,
       [&progres](const LigneDeCommande& l, std::ostream& s, std::ostream&) { return Adversaires(l, s, progres); }},
      {"--cote", {{"--cote"}, OptionJson}, false,
       [&progres](const LigneDeCommande& l, std::ostream& s, std::ostream&) { return Cotes(l, s, progres); }},
      ModeClassement(std::cin),
  };
  return ExecuteLigne("tolvan-stats", std::string(UsageStats) + UsageClassement, arguments, modes, sortie, erreurs);
}

}  // namespace tolvan::stats
