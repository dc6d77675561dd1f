// What the model of a player needs to know of a draw to say how likely a
// strength is to find it: how many of the target's solutions have each
// effort. Searching a draw takes about a millisecond; this summary is a few
// dozen numbers, so a history of ten thousand games can keep one per game
// (as a short text) and recompute a rating without searching anything.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/Solveur.h"

namespace tolvan {

// The efforts of the target's solutions in the table `cherche` holds once
// it has searched its draw as the game does, in the table's order: what
// the opponent times (none when the target is out of reach).
std::vector<double> EffortsDeLaCible(const Solveur& cherche);

// Efforts are counted in tenths (EffortSolution rounds them so).
inline constexpr int DixiemesParEffort = 10;

class ResumeEfforts {
 public:
  // An effort in tenths and how many solutions have it.
  using Compte = std::pair<int, int>;

  // A target out of reach: no solution.
  ResumeEfforts() = default;
  // The efforts of the target's solutions.
  explicit ResumeEfforts(std::span<const double> efforts);
  // The draw `cherche` has searched (as the game does).
  static ResumeEfforts De(const Solveur& cherche);

  // By effort, easiest first.
  const std::vector<Compte>& ParEffort() const { return parEffort_; }
  bool Atteignable() const { return !parEffort_.empty(); }

  // "40:3 45:12 52:1" (effort in tenths, a colon, the count), the easiest
  // first; empty when out of reach. Lit reads it back, and nothing else.
  std::string Texte() const;
  static std::optional<ResumeEfforts> Lit(std::string_view texte);

  friend bool operator==(const ResumeEfforts&, const ResumeEfforts&) = default;

 private:
  std::vector<Compte> parEffort_;
};

}  // namespace tolvan
