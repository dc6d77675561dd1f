// What a test of tolvan-solve's commands looks at: the exit code and what
// the command wrote on each stream.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "solve/SolveCommand.h"

namespace tolvan::solve {

struct Issue {
  int code;
  std::string sortie;
  std::string erreurs;
};

// Runs `commande(sortie, erreurs)`, which returns the exit code.
template <class Commande>
Issue IssueDe(Commande&& commande) {
  std::ostringstream sortie;
  std::ostringstream erreurs;
  const int code = commande(sortie, erreurs);
  return {code, sortie.str(), erreurs.str()};
}

// A refusal: exit code 2, nothing on the standard output, one line of
// reason on the standard error.
inline void VerifieRefus(const std::vector<std::string>& arguments, const Issue& issue) {
  std::string ligne;
  for (const std::string& argument : arguments) ligne += argument + ' ';
  EXPECT_EQ(issue.code, 2) << ligne;
  EXPECT_TRUE(issue.sortie.empty()) << ligne;
  EXPECT_TRUE(issue.erreurs.starts_with("tolvan-solve : ")) << ligne;
  EXPECT_EQ(issue.erreurs.find('\n'), issue.erreurs.size() - 1) << ligne;
}

inline Issue LanceSolve(const std::vector<std::string>& arguments) {
  return IssueDe([&](std::ostream& sortie, std::ostream& erreurs) { return ExecuteSolve(arguments, sortie, erreurs); });
}

}  // namespace tolvan::solve
