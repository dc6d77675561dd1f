#include "LigneDePartage.h"

#include <cstdio>

namespace tolvan {

namespace {

// "1 ligne", "3 lignes", with `zero` for none.
std::string Compte(int nombre, const char* mot, const char* zero) {
  if (nombre == 0) return zero;
  return std::to_string(nombre) + ' ' + mot + (nombre > 1 ? "s" : "");
}

}  // namespace

std::string DureeLisible(int secondes) {
  char texte[24];
  if (secondes >= 3600) {
    std::snprintf(texte, sizeof texte, "%d:%02d:%02d", secondes / 3600, secondes / 60 % 60, secondes % 60);
  } else {
    std::snprintf(texte, sizeof texte, "%d:%02d", secondes / 60, secondes % 60);
  }
  return texte;
}

std::string LigneDePartage(const ResultatDuJour& r) {
  std::string ligne = "Tolvan, tirage du " + DateEnToutesLettres(r.date) + (r.rejouee ? " (rejoué)" : "") + " : ";
  const std::string solutions = "avec les solutions";
  std::string aides = Compte(r.indices, "indice", r.solutionsVues ? solutions.c_str() : "sans indice");
  if (r.solutionsVues && r.indices > 0) aides += ", " + solutions;
  if (r.trouve) {
    ligne += "trouvé en " + DureeLisible(r.secondes) + ", " + Compte(r.lignes, "ligne", "0 ligne") + ", " + aides;
  } else {
    ligne += "pas trouvé, " + aides;
  }
  return ligne + " (difficulté " + std::to_string(r.difficulte) + "/5)";
}

}  // namespace tolvan
