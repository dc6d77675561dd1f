#include "Indices.h"

#include <set>
#include <vector>

#include "Tirages.h"
#include "engine/SolutionText.h"

namespace tolvan {

namespace {

const TEtape& DerniereEtape(const TSolution& solution) { return solution.Etapes[solution.NbEtapes]; }

bool Correspond(const TSolution& solution, longint oper) {
  return solution.NbEtapes >= 1 && DerniereEtape(solution).Oper == oper;
}

}  // namespace

std::string Decomposition(longint nombre, longint cible) {
  std::string texte;
  std::int64_t n = nombre;
  for (;;) {
    longint diviseur = 0;
    for (const longint p : NombresPremiers) {
      if (std::int64_t{p} * p > n) break;
      if (n % p == 0) {
        diviseur = p;
        break;
      }
    }
    if (diviseur == 0) break;
    texte += std::to_string(diviseur) + " x ";
    n /= diviseur;
  }
  texte += std::to_string(n);
  if (n == cible) texte += " Pas de chance ;-)";
  return texte;
}

std::string TexteDerniereLigne(const TSolution& solution) {
  if (solution.NbEtapes < 1) return "";
  const TEtape& etape = DerniereEtape(solution);
  return std::to_string(solution.Resultats[solution.NbEtapes]) + "=" + std::to_string(etape.Op1) +
         std::string(TexteOper(etape.Oper)) + std::to_string(etape.Op2);
}

std::optional<std::string> DerniereLigne(Solveur& solveur, longint oper, const std::string& yenAPas) {
  solveur.ChercheSol(solveur.IndiceSimple);
  if (solveur.NbSolutions == 0) return std::nullopt;
  for (word i = 1; i <= solveur.NbSolutions; ++i) {
    solveur.SolutionVisible = solveur.Solutions[i];
    if (Correspond(solveur.SolutionVisible, oper)) return TexteDerniereLigne(solveur.SolutionVisible);
  }
  return yenAPas;
}

std::optional<std::string> DerniereLigneVoisine(Solveur& solveur, longint oper, bool suivante,
                                                const std::string& yenAPas) {
  solveur.ChercheSol(solveur.IndiceSimple);
  const word n = solveur.NbSolutions;
  if (n == 0) return std::nullopt;
  // Each distinct last line stands at its first solution, so that a walk
  // round the table meets every one once.
  std::vector<bool> premiere(n + std::size_t{1}, false);
  std::set<std::string> vues;
  for (word i = 1; i <= n; ++i) {
    premiere[i] = Correspond(solveur.Solutions[i], oper) && vues.insert(TexteDerniereLigne(solveur.Solutions[i])).second;
  }
  // A position left over from an earlier table counts as the first entry.
  const word depart = (solveur.NumeroVisible >= 1 && solveur.NumeroVisible <= n) ? solveur.NumeroVisible : 1;
  const std::string montree =
      Correspond(solveur.Solutions[depart], oper) ? TexteDerniereLigne(solveur.Solutions[depart]) : std::string();
  word i = depart;
  do {
    if (suivante) {
      i = i == n ? 1 : i + 1;
    } else {
      i = i == 1 ? n : i - 1;
    }
  } while (i != depart && !(premiere[i] && TexteDerniereLigne(solveur.Solutions[i]) != montree));
  std::string texte = Correspond(solveur.Solutions[i], oper) ? TexteDerniereLigne(solveur.Solutions[i]) : yenAPas;
  if (i == depart) texte += " !!!";
  solveur.NumeroVisible = i;
  return texte;
}

}  // namespace tolvan
