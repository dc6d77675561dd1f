#include "Coach.h"

#include <algorithm>

#include "engine/Atteignables.h"
#include "engine/SolutionText.h"

namespace tolvan {

namespace {

std::string Nombre(longint n) { return std::to_string(n); }

std::string Pluriel(int n, const std::string& mot) { return Nombre(n) + ' ' + mot + (n > 1 ? "s" : ""); }

// The nearest reachable number, the smaller of two as near; the target
// itself when nothing is reachable.
longint Visee(const Atteignables& atteignables, longint cible) {
  const std::int64_t ecart = atteignables.Ecart(cible);
  if (ecart <= 0) return cible;
  if (cible - ecart >= 1 && atteignables.Atteint(cible - ecart)) return static_cast<longint>(cible - ecart);
  return static_cast<longint>(cible + ecart);
}

}  // namespace

std::vector<longint> NombresEnJeu(const TableauNoir& tableau) {
  std::vector<longint> nombres;
  for (int i = 1; i <= NbNombres; ++i) {
    if (tableau.Tuiles[i].active) nombres.push_back(tableau.Tuiles[i].valeur);
  }
  return nombres;
}

Position AnalysePosition(Solveur& solveur, const std::vector<longint>& nombres, longint cible) {
  Position position;
  TTirage tirage;
  for (std::size_t i = 0; i < nombres.size() && i < NbNombres; ++i) tirage.Nombres[static_cast<int>(i) + 1] = nombres[i];
  // A number already on the board is reached without a line.
  if (std::find(nombres.begin(), nombres.end(), cible) != nombres.end()) {
    position.exacte = position.atteignable = true;
    position.visee = cible;
    position.nbSolutions = 1;
    return position;
  }
  // Its tables are large: made once for every position analysed.
  static thread_local Atteignables atteignables;
  atteignables.Calcule(nombres);
  const std::int64_t ecart = atteignables.Ecart(cible);
  position.exacte = ecart == 0;
  position.atteignable = ecart >= 0;
  position.visee = position.exacte ? cible : Visee(atteignables, cible);
  if (!position.atteignable) return position;
  tirage.Resultat = position.visee;
  solveur.ChangeTirage(tirage);
  solveur.ChercheSol(solveur.IndiceSimple);
  if (solveur.NbSolutions == 0) return position;
  position.nbSolutions = solveur.NbSolutions;
  position.lignesMin = solveur.NbEtapesMin;
  const TSolution& simple = solveur.Solutions[solveur.IndiceSimple];
  for (int k = 1; k <= simple.NbEtapes; ++k) position.simple.push_back(TexteEtape(simple.Etapes[k]));
  return position;
}

std::string Enchaine(const std::vector<std::string>& lignes) {
  std::string texte;
  for (const std::string& ligne : lignes) texte += (texte.empty() ? "" : ", ") + ligne;
  return texte;
}

std::string PhraseCoach(const Position& position) {
  if (position.exacte) return "Le compte est encore possible.";
  return "Le compte n'est pas possible d'ici : au mieux " + Nombre(position.visee) + ".";
}

std::string PhraseVictoire(int lignes, int lignesMin) {
  if (lignes <= lignesMin) return "Gagné au plus court : " + Pluriel(lignes, "ligne") + ".";
  return "Gagné en " + Pluriel(lignes, "ligne") + " ; le plus court en demandait " + Nombre(lignesMin) + ".";
}

std::string PhraseTempsEcoule(const Position& depart) {
  if (depart.exacte) return "La plus simple : " + Enchaine(depart.simple) + ".";
  std::string phrase = "Le compte était impossible : au mieux " + Nombre(depart.visee) + ".";
  if (!depart.simple.empty()) phrase += " La plus simple : " + Enchaine(depart.simple) + ".";
  return phrase;
}

std::string PhraseIndice(int echelon, const Position& position) {
  switch (echelon) {
    case 1:
      return position.exacte ? "Le compte est possible d'ici."
                             : "Le compte n'est pas possible d'ici : au mieux " + Nombre(position.visee) + ".";
    case 2: return Pluriel(position.nbSolutions, "solution") + " d'ici.";
    case 3: return "Encore " + Pluriel(position.lignesMin, "ligne") + " au moins.";
    case 4: return position.simple.empty() ? std::string() : "Commence par : " + position.simple.front();
    default: return Enchaine(position.simple);
  }
}

}  // namespace tolvan
