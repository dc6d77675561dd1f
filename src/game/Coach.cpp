#include "Coach.h"

#include <algorithm>
#include <cstdlib>

#include "engine/SolutionText.h"

namespace tolvan {

namespace {

std::string Nombre(longint n) { return std::to_string(n); }

std::string Lignes(int n, const PhrasesCoach& mots) { return Compte(n, mots.uneLigne, mots.desLignes); }

std::int64_t Distance(longint nombre, longint cible) { return std::llabs(std::int64_t{nombre} - cible); }

// The number in play nearest the target, the larger of two as near.
longint NombreLePlusProche(const std::vector<longint>& nombres, longint cible) {
  longint meilleur = nombres.front();
  for (const longint n : nombres) {
    const std::int64_t ecart = Distance(n, cible), ecartMeilleur = Distance(meilleur, cible);
    if (ecart < ecartMeilleur || (ecart == ecartMeilleur && n > meilleur)) meilleur = n;
  }
  return meilleur;
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
  if (nombres.empty()) return position;
  position.atteignable = true;
  // A number already on the board is reached without a line.
  if (std::find(nombres.begin(), nombres.end(), cible) != nombres.end()) {
    position.exacte = true;
    position.visee = cible;
    position.nbSolutions = 1;
    return position;
  }
  // The solver's own search decides, so that the coach names the nearest
  // number the solutions panel shows: out of reach, it falls back on it.
  TTirage tirage;
  for (std::size_t i = 0; i < nombres.size() && i < NbNombres; ++i) tirage.Nombres[static_cast<int>(i) + 1] = nombres[i];
  tirage.Resultat = cible;
  solveur.ChangeTirage(tirage);
  solveur.ChercheSol(solveur.IndiceSimple);
  // Lines reach nothing from a single number; nor, rarely, as near as one
  // already in play: then that number is the best, with no line to write.
  const longint enJeu = NombreLePlusProche(nombres, cible);
  if (solveur.NbSolutions > 0) {
    const TSolution& simple = solveur.Solutions[solveur.IndiceSimple];
    const longint atteint = simple.Resultats[simple.NbEtapes];
    if (!solveur.SolutionApprochee || Distance(atteint, cible) <= Distance(enJeu, cible)) {
      position.exacte = !solveur.SolutionApprochee;
      position.visee = atteint;
      position.nbSolutions = solveur.NbSolutions;
      position.lignesMin = solveur.NbEtapesMin;
      for (int k = 1; k <= simple.NbEtapes; ++k) position.simple.push_back(TexteEtape(simple.Etapes[k]));
      return position;
    }
  }
  position.visee = enJeu;
  position.nbSolutions = 1;
  return position;
}

std::string Enchaine(const std::vector<std::string>& lignes) {
  std::string texte;
  for (const std::string& ligne : lignes) texte += (texte.empty() ? "" : ", ") + ligne;
  return texte;
}

std::string PhraseCoach(const Position& position, const PhrasesCoach& mots) {
  if (position.exacte) return mots.encorePossible;
  return Formule(mots.pasPossibleDIci, {Nombre(position.visee)});
}

std::string PhraseVictoire(int lignes, int lignesMin, const PhrasesCoach& mots) {
  if (lignes <= lignesMin) return Formule(mots.gagneAuPlusCourt, {Lignes(lignes, mots)});
  return Formule(mots.gagneEn, {Lignes(lignes, mots), Nombre(lignesMin)});
}

std::string PhraseTempsEcoule(const Position& depart, const PhrasesCoach& mots) {
  const std::string simple = Formule(mots.laPlusSimple, {Enchaine(depart.simple)});
  if (depart.exacte) return simple;
  std::string phrase = Formule(mots.etaitImpossible, {Nombre(depart.visee)});
  if (!depart.simple.empty()) phrase += ' ' + simple;
  return phrase;
}

int NbEchelons(const Position& position) {
  if (!position.atteignable || position.lignesMin == 0) return 1;
  // With one line to write, its first line is all of it.
  return position.simple.size() <= 1 ? 4 : 5;
}

std::string PhraseIndice(int echelon, const Position& position, const PhrasesCoach& mots) {
  const int dernier = NbEchelons(position);
  echelon = std::clamp(echelon, 1, dernier);
  if (!position.atteignable) return mots.plusAucunNombre;
  const std::string lignes = Enchaine(position.simple);
  const std::string premiere = position.simple.empty() ? std::string() : position.simple.front();
  if (position.exacte) {
    if (echelon == 1) return mots.possibleDIci;
    if (echelon == 2) return Compte(position.nbSolutions, mots.uneSolutionDIci, mots.solutionsDIci);
    if (echelon == 3) return Formule(mots.encoreAuMoins, {Lignes(position.lignesMin, mots)});
    return echelon < dernier ? Formule(mots.commencePar, {premiere}) : lignes;
  }
  const std::string visee = Nombre(position.visee);
  if (position.lignesMin == 0) return Formule(mots.auMieuxDejaEnJeu, {visee});
  if (echelon == 1) return Formule(mots.auMieux, {visee});
  if (echelon == 2) {
    if (position.nbSolutions == 1) return Formule(mots.auMieuxUneFacon, {visee});
    return Formule(mots.auMieuxFacons, {visee, Nombre(position.nbSolutions)});
  }
  if (echelon == 3) return Formule(mots.auMieuxEnAuMoins, {visee, Lignes(position.lignesMin, mots)});
  return Formule(echelon < dernier ? mots.pourCommencePar : mots.pourLaSuite, {visee, echelon < dernier ? premiere : lignes});
}

}  // namespace tolvan
