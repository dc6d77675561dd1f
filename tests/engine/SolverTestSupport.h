// Small helpers shared by the engine's tests.
#pragma once

#include <array>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/SolutionText.h"
#include "engine/Solveur.h"

namespace tolvan::test {

inline std::vector<std::string> Steps(const TSolution& solution) {
  std::vector<std::string> texts;
  for (int k = 1; k <= solution.NbEtapes; ++k) texts.push_back(TexteEtape(solution.Etapes[k]));
  return texts;
}

inline NombresTirage Numbers(std::array<longint, 6> values) {
  NombresTirage nombres;
  for (int i = 1; i <= 6; ++i) nombres[i] = values[i - 1];
  return nombres;
}

inline TSolution SolutionOf(std::vector<TEtape> steps) {
  TSolution s;
  s.NbEtapes = static_cast<word>(steps.size());
  for (std::size_t k = 1; k <= steps.size(); ++k) {
    s.Etapes[k] = steps[k - 1];
    s.Resultats[k] = Calcule(steps[k - 1]);
  }
  return s;
}

// Counts what the search asks of the window; can be told to fail.
struct RecordingEvents : EvenementsSolveur {
  int busy = 0;
  int normal = 0;
  bool failOnBusy = false;
  std::vector<std::string> bugs;

  void CurseurOccupe() override {
    if (failOnBusy) throw std::runtime_error("injected failure");
    ++busy;
  }
  void CurseurNormal() override { ++normal; }
  void SignaleBug(const std::string& message) override { bugs.push_back(message); }
};

// A solver with its draw set, searched as the game does through ChercheSol.
inline std::unique_ptr<Solveur> Solved(std::array<longint, 6> values, longint target,
                                       EvenementsSolveur* events = nullptr) {
  auto solveur = std::make_unique<Solveur>(events);
  solveur->Tirage.Nombres = Numbers(values);
  solveur->Tirage.Resultat = target;
  solveur->ChercheSol(0);
  return solveur;
}

// Searched in series mode: numbers sorted first, no fallback.
inline std::unique_ptr<Solveur> SolvedInSeries(std::array<longint, 6> values, longint target,
                                               TSolution& proche, EvenementsSolveur* events = nullptr) {
  auto solveur = std::make_unique<Solveur>(events);
  NombresTirage nombres = Numbers(values);
  TriParEchange(nombres);
  solveur->ModeSerie = 1;
  solveur->Cherche(nombres, target, proche);
  solveur->ModeSerie = 0;
  return solveur;
}

inline longint ValueReached(const TSolution& s) { return s.Resultats[s.NbEtapes]; }

}  // namespace tolvan::test
