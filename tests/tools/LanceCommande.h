// tolvan-solve and tolvan-stats run inside the test, as a shell would run
// them, with what they print kept for the test to read.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "solve/SolveCommand.h"
#include "stats/Statistiques.h"

namespace tolvan::solve {

struct Issue {
  int code;
  std::string sortie;
  std::string erreurs;
};

inline Issue LanceSolve(const std::vector<std::string>& arguments) {
  std::ostringstream sortie, erreurs;
  const int code = ExecuteSolve(arguments, sortie, erreurs);
  return {code, sortie.str(), erreurs.str()};
}

inline Issue LanceStats(const std::vector<std::string>& arguments) {
  std::ostringstream sortie, erreurs;
  const int code = stats::ExecuteStats(arguments, sortie, erreurs, false);
  return {code, sortie.str(), erreurs.str()};
}

// A refusal: exit code 2, nothing on the standard output, one line of
// reason on the standard error.
inline void VerifieRefus(const std::vector<std::string>& arguments, const Issue& issue) {
  std::string ligne;
  for (const std::string& argument : arguments) ligne += argument + ' ';
  EXPECT_EQ(issue.code, 2) << ligne;
  EXPECT_TRUE(issue.sortie.empty()) << ligne;
  EXPECT_TRUE(issue.erreurs.starts_with("tolvan-")) << ligne;
  EXPECT_EQ(issue.erreurs.find('\n'), issue.erreurs.size() - 1) << ligne;
}

// The options, then a draw (75 25 3 7 8 2, to find 812) for the modes that take one.
inline std::vector<std::string> AvecTirage(std::vector<std::string> options) {
  for (const char* n : {"75", "25", "3", "7", "8", "2", "812"}) options.push_back(n);
  return options;
}

}  // namespace tolvan::solve
