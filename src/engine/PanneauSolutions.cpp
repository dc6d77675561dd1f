#include "PanneauSolutions.h"

#include "SolutionText.h"

namespace tolvan {

namespace {

// The header, an empty line, then the solution's steps.
LignesPanneau Montre(const std::string& entete, const TSolution& solution) {
  LignesPanneau lignes{entete, ""};
  for (int k = 1; k <= solution.NbEtapes; ++k) lignes.push_back(TexteEtape(solution.Etapes[k]));
  return lignes;
}

std::string Numero(word i, word nombre, const std::string& avant, const std::string& apres) {
  return avant + std::to_string(i) + "/" + std::to_string(nombre) + apres;
}

// Entry `k` of the table as the simplest or the most twisted is shown.
LignesPanneau Remarquable(Solveur& solveur, word Solveur::*indice, const std::string& avant, const std::string& apres,
                          const std::string& impossible) {
  solveur.ChercheSol(solveur.*indice);
  const word k = solveur.*indice;
  solveur.NumeroVisible = k;
  // Nothing at all is reachable: no entry belongs to this draw.
  if (solveur.NbSolutions == 0) return {impossible, ""};
  solveur.SolutionVisible = solveur.Solutions[k];
  const std::string entete =
      solveur.SolutionApprochee ? impossible : Numero(k, solveur.NbSolutions, avant, apres);
  return Montre(entete, solveur.SolutionVisible);
}

}  // namespace

bool PasseFiltres(const TSolution& solution, const FiltresSolutions& filtres) {
  if (filtres.etapes != 0 && solution.NbEtapes != filtres.etapes) return false;
  if (filtres.oper == 0) return true;
  return solution.NbEtapes >= 1 && solution.Etapes[solution.NbEtapes].Oper == filtres.oper;
}

LignesPanneau SolutionSuivante(Solveur& solveur, const FiltresSolutions& filtres, bool enAvant) {
  const word n = solveur.NbSolutions;
  word i = solveur.NumeroVisible;
  // A position left over from an earlier table: start from one end.
  if (i < 1 || i > n) i = enAvant ? n : 1;
  for (word pas = 0; pas < n; ++pas) {
    if (enAvant) {
      i = i == n ? 1 : i + 1;
    } else {
      i = i == 1 ? n : i - 1;
    }
    solveur.SolutionVisible = solveur.Solutions[i];
    if (PasseFiltres(solveur.SolutionVisible, filtres)) {
      solveur.NumeroVisible = i;
      return Montre(Numero(i, n, "--- ", " ---"), solveur.SolutionVisible);
    }
  }
  return {"", "Aucune", "solution", "répondant", "à ce", "critère"};
}

LignesPanneau LaPlusSimple(Solveur& solveur, const std::string& impossible) {
  return Remarquable(solveur, &Solveur::IndiceSimple, "!- ", " -!", impossible);
}

LignesPanneau LaPlusTordue(Solveur& solveur, const std::string& impossible) {
  return Remarquable(solveur, &Solveur::IndiceTordue, "?- ", " -?", impossible);
}

LignesPanneau LaMienne(Solveur& solveur, const Base1Array<TLigne, NbLignes>& lignes, int nbLignes, bool gagnee) {
  solveur.ChercheSol(solveur.IndiceSimple);
  solveur.NumeroVisible = solveur.IndiceSimple;
  if (!gagnee) return {"", "tu", "n'as pas", "trouvé", "la", "solution"};
  const TSolution mienne = Normalise(SolutionDeLignes(lignes, static_cast<word>(nbLignes)));
  for (word i = 1; i <= solveur.NbSolutions; ++i) {
    if (!MemesEtapes(solveur.SolutionsNormees[i], mienne)) continue;
    solveur.SolutionVisible = solveur.Solutions[i];
    solveur.NumeroVisible = i;
    return Montre(Numero(i, solveur.NbSolutions, "--- ", " ---"), solveur.SolutionVisible);
  }
  solveur.NumeroVisible = solveur.NbSolutions;
  return {"", "Ta", "solution", "n'a pas", "était", "retenue"};
}

}  // namespace tolvan
