#include "NormalForm.h"

#include <utility>

namespace tolvan {

bool ChaqueEtapeSert(const TSolution& s, longint cible) {
  const int n = s.NbEtapes;
  for (int k = 1; k < n; ++k) {
    const longint resultat = s.Resultats[k];
    if (resultat <= 0 || resultat == cible) return false;
    bool reprise = false;
    for (int m = k + 1; m <= n && !reprise; ++m) {
      reprise = s.Etapes[m].Op1 == resultat || s.Etapes[m].Op2 == resultat;
    }
    if (!reprise) return false;
  }
  return true;
}

TSolution Normalise(const TSolution& s) {
  TSolution n = s;
  const int nb = n.NbEtapes;
  for (int k = 1; k <= nb; ++k) {
    TEtape& e = n.Etapes[k];
    const bool commutative = e.Oper == OperAddition || e.Oper == OperMultiplication;
    if (commutative && e.Op2 < e.Op1) std::swap(e.Op1, e.Op2);
  }
  // This exact exchange procedure decides the order of steps with equal
  // operands, and so which hits count as distinct: keep it as it is.
  for (int k = 1; k < nb; ++k) {
    for (int m = k; m <= nb; ++m) {
      if (n.Etapes[m].Op1 < n.Etapes[k].Op1) std::swap(n.Etapes[k], n.Etapes[m]);
      if (n.Etapes[m].Op1 == n.Etapes[k].Op1 && n.Etapes[m].Op2 < n.Etapes[k].Op2) {
        std::swap(n.Etapes[k], n.Etapes[m]);
      }
    }
  }
  return n;
}

bool MemesEtapes(const TSolution& a, const TSolution& b) {
  if (a.NbEtapes != b.NbEtapes) return false;
  for (int k = 1; k <= a.NbEtapes; ++k) {
    if (!(a.Etapes[k] == b.Etapes[k])) return false;
  }
  return true;
}

namespace {

std::size_t Hache(const TSolution& s) {
  constexpr std::uint64_t multiplicateur = 0x9E3779B97F4A7C15ull;
  std::uint64_t h = s.NbEtapes;
  for (int k = 1; k <= s.NbEtapes; ++k) {
    const TEtape& e = s.Etapes[k];
    h = (h ^ static_cast<std::uint32_t>(e.Op1)) * multiplicateur;
    h = (h ^ static_cast<std::uint32_t>(e.Op2)) * multiplicateur;
    h = (h ^ static_cast<std::uint32_t>(e.Oper)) * multiplicateur;
  }
  return static_cast<std::size_t>(h >> 32);
}

}  // namespace

word IndexNormes::Trouve(const TSolution& normee, const TableSolutions& normees,
                         std::size_t& caseLibre) const {
  std::size_t i = Hache(normee) & (NbCases - 1);
  while (cases_[i] != 0) {
    if (MemesEtapes(normees[cases_[i]], normee)) return cases_[i];
    i = (i + 1) & (NbCases - 1);
  }
  caseLibre = i;
  return 0;
}

}  // namespace tolvan
