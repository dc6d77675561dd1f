#include "ReferenceSearch.h"

#include <cstdlib>
#include <utility>

#include "engine/NormalForm.h"
#include "engine/SolutionText.h"

namespace tolvan::test {

namespace {

struct Run {
  longint cible;
  ReferenceResult result;
  std::vector<TSolution> normees;
  TSolution courante{};
  long long ecart = 100000;

  static bool Valid(int depth, int code, long long a, long long b, long long& r) {
    switch (code) {
      case 1: r = a + b; return true;
      case 2: r = b - a; return a != b;
      case 3:
        if (a == 1 || b % a != 0) return false;
        r = b / a;
        return true;
      default:
        if (a == 1 || b == 1) return false;
        if (depth >= 3 && !(b < 2100000000 / a)) return false;
        r = a * b;
        return true;
    }
  }

  void Offer(int n) {
    TSolution s = courante;
    s.NbEtapes = static_cast<word>(n);
    if (!ChaqueEtapeSert(s, cible)) return;
    const TSolution norm = Normalise(s);
    for (const TSolution& known : normees) {
      if (MemesEtapes(known, norm)) return;
    }
    if (result.solutions.size() == 4000) return;
    const word numero = static_cast<word>(result.solutions.size() + 1);
    s.Numero = numero;
    longint biggest = 0;
    for (int k = 1; k <= n; ++k) biggest = std::max(biggest, s.Resultats[k]);
    if (biggest > result.maxIntermediaire) {
      result.maxIntermediaire = biggest;
      result.indiceTordue = numero;
    }
    if (n < result.nbEtapesMin) {
      const std::string text = TexteSolution(s);
      if (text != "?") result.texteSimple = text;
      result.indiceSimple = numero;
      result.nbEtapesMin = static_cast<word>(n);
    } else if (n == result.nbEtapesMin && result.texteSimple == "?") {
      result.texteSimple = TexteSolution(s);
    }
    result.solutions.push_back(s);
    normees.push_back(norm);
  }

  void Track(int depth, long long r) {
    const long long e = std::llabs(cible - r);
    bool replace;
    if (depth == 1 || depth == 5) {
      replace = e <= ecart;
    } else {
      replace = e < ecart || (e == ecart && result.proche.NbEtapes > depth);
    }
    if (replace) {
      ecart = e;
      result.proche = courante;
      result.proche.NbEtapes = static_cast<word>(depth);
    }
  }

  void Explore(int depth, const std::vector<longint>& list) {
    for (std::size_t i = 0; i + 1 < list.size(); ++i) {
      for (std::size_t j = i + 1; j < list.size(); ++j) {
        for (int code = 1; code <= 4; ++code) {
          long long r;
          if (!Valid(depth, code, list[i], list[j], r)) continue;
          courante.Etapes[depth] = TEtape{list[j], list[i], code};
          courante.Resultats[depth] = static_cast<longint>(r);
          if (r == cible) Offer(depth);
          Track(depth, r);
          if (depth == 5) continue;
          std::vector<longint> next;
          bool inserted = false;
          for (std::size_t k = 0; k < list.size(); ++k) {
            if (k == i || k == j) continue;
            if (!inserted && list[k] > r) {
              next.push_back(static_cast<longint>(r));
              inserted = true;
            }
            next.push_back(list[k]);
          }
          if (!inserted) next.push_back(static_cast<longint>(r));
          Explore(depth + 1, next);
        }
      }
    }
  }
};

}  // namespace

ReferenceResult ReferenceSearch(std::vector<longint> nombres, longint cible, bool serie) {
  if (!serie) {
    for (std::size_t i = 0; i < nombres.size(); ++i) {
      for (std::size_t j = i; j < nombres.size(); ++j) {
        if (nombres[i] > nombres[j]) std::swap(nombres[i], nombres[j]);
      }
    }
  }
  Run run{cible, {}, {}};
  run.Explore(1, nombres);
  ReferenceResult result = std::move(run.result);
  if (!serie && result.solutions.empty() && result.proche.NbEtapes > 0) {
    const TSolution proche = result.proche;
    result = ReferenceSearch(nombres, proche.Resultats[proche.NbEtapes], true);
    result.proche = proche;
    result.approchee = true;
  }
  if (result.solutions.empty()) result.texteSimple = "Pas de solution";
  return result;
}

}  // namespace tolvan::test
