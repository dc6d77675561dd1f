#include "LigneDePartage.h"

#include <cstdio>
#include <sstream>

namespace tolvan {

std::string DureeLisible(int secondes) {
  char texte[24];
  if (secondes >= 3600) {
    std::snprintf(texte, sizeof texte, "%d:%02d:%02d", secondes / 3600, secondes / 60 % 60, secondes % 60);
  } else {
    std::snprintf(texte, sizeof texte, "%d:%02d", secondes / 60, secondes % 60);
  }
  return texte;
}

std::string DateEnToutesLettres(const Date& date, const PhrasesPartage& mots) {
  std::istringstream lesMois(mots.mois);
  std::string mois;
  for (unsigned m = 0; m < static_cast<unsigned>(date.month()); ++m) lesMois >> mois;
  const unsigned jour = static_cast<unsigned>(date.day());
  return Formule(mots.date, {jour == 1 ? mots.premierDuMois : std::to_string(jour), mois,
                             std::to_string(static_cast<int>(date.year()))});
}

std::string LigneDePartage(const ResultatDuJour& r, const PhrasesPartage& mots) {
  const std::string date = DateEnToutesLettres(r.date, mots) + (r.rejouee ? ' ' + mots.rejouee : std::string());
  // Seeing the solutions is help: said in place of "sans indice", or after the hints.
  std::string aides = r.indices > 0 ? Compte(r.indices, mots.unIndice, mots.desIndices)
                                    : (r.solutionsVues ? mots.avecSolutions : mots.sansIndice);
  if (r.solutionsVues && r.indices > 0) aides += ", " + mots.avecSolutions;
  const std::string issue = r.trouve ? Formule(mots.trouveEn, {DureeLisible(r.secondes),
                                                               Compte(r.lignes, mots.uneLigne, mots.desLignes), aides})
                                     : Formule(mots.pasTrouve, {aides});
  return Formule(mots.ligne, {date, issue, std::to_string(r.difficulte)});
}

}  // namespace tolvan
