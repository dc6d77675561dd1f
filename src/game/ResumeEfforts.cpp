#include "ResumeEfforts.h"

#include <charconv>
#include <cmath>
#include <map>

#include "EffortSolution.h"

namespace tolvan {

namespace {

// The solver keeps at most this many solutions of a draw.
constexpr int ComptePlusGrand = Solveur::Capacite;
// Beyond any effort a solution of five lines can have.
constexpr int DixiemesPlusGrands = 1000 * DixiemesParEffort;

// A number from `minimum` to `maximum` written as Texte writes it: digits
// only, no leading zero.
std::optional<int> LitEntier(std::string_view texte, int minimum, int maximum) {
  int valeur = 0;
  const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
  if (texte.empty() || texte.front() == '0' || erreur != std::errc() || fin != texte.data() + texte.size()) {
    return std::nullopt;
  }
  if (valeur < minimum || valeur > maximum) return std::nullopt;
  return valeur;
}

int EnDixiemes(double effort) { return static_cast<int>(std::lround(effort * DixiemesParEffort)); }

}  // namespace

std::vector<double> EffortsDeLaCible(const Solveur& cherche) {
  std::vector<double> efforts;
  if (cherche.SolutionApprochee) return efforts;
  for (word i = 1; i <= cherche.NbSolutions; ++i) {
    efforts.push_back(EffortSolution(cherche.Solutions[i], cherche.Tirage.Resultat));
  }
  return efforts;
}

ResumeEfforts::ResumeEfforts(std::span<const double> efforts) {
  std::map<int, int> parEffort;
  for (const double effort : efforts) ++parEffort[EnDixiemes(effort)];
  parEffort_.assign(parEffort.begin(), parEffort.end());
}

ResumeEfforts ResumeEfforts::De(const Solveur& cherche) { return ResumeEfforts(EffortsDeLaCible(cherche)); }

std::string ResumeEfforts::Texte() const {
  std::string texte;
  for (const auto& [dixiemes, nombre] : parEffort_) {
    if (!texte.empty()) texte += ' ';
    texte += std::to_string(dixiemes) + ':' + std::to_string(nombre);
  }
  return texte;
}

std::optional<ResumeEfforts> ResumeEfforts::Lit(std::string_view texte) {
  ResumeEfforts resume;
  while (!texte.empty()) {
    const std::size_t espace = texte.find(' ');
    const std::string_view compte = texte.substr(0, espace);
    texte = espace == std::string_view::npos ? std::string_view{} : texte.substr(espace + 1);
    if (espace != std::string_view::npos && texte.empty()) return std::nullopt;  // a trailing space
    const std::size_t deuxPoints = compte.find(':');
    if (deuxPoints == std::string_view::npos) return std::nullopt;
    // An effort is one easy line at the least.
    const std::optional<int> dixiemes = LitEntier(compte.substr(0, deuxPoints), DixiemesParEffort, DixiemesPlusGrands);
    const std::optional<int> nombre = LitEntier(compte.substr(deuxPoints + 1), 1, ComptePlusGrand);
    if (!dixiemes || !nombre) return std::nullopt;
    if (!resume.parEffort_.empty() && *dixiemes <= resume.parEffort_.back().first) return std::nullopt;
    resume.parEffort_.emplace_back(*dixiemes, *nombre);
  }
  return resume;
}

}  // namespace tolvan
