#include <gtest/gtest.h>

#include <sstream>

#include "solve/SolveCommand.h"

namespace tolvan::solve {
namespace {

struct Issue {
  int code;
  std::string sortie;
  std::string erreurs;
};

Issue Lance(std::vector<std::string> arguments) {
  std::ostringstream sortie, erreurs;
  const int code = ExecuteSolve(arguments, sortie, erreurs);
  return {code, sortie.str(), erreurs.str()};
}

// --verifie on the draw 75 25 8 7 3 100 → 807, options first.
std::vector<std::string> Verifie(std::string calcul, std::vector<std::string> options = {}) {
  options.insert(options.begin(), "--verifie");
  for (const char* n : {"75", "25", "8", "7", "3", "100", "807"}) options.push_back(n);
  options.push_back(std::move(calcul));
  return options;
}

TEST(VerifieCommand, AValidCalculationGivesItsValueLinesAndPoints) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cas = {
      {Verifie("(75+25)x8+7", {"--json"}),
       "{\"Valide\":true,\"Resultat\":807,\"Lignes\":[\"75+25=100\",\"100x8=800\",\"800+7=807\"],\"Points\":10}\n"},
      // 4 away from the target: 6 points on the ordinary scale.
      {Verifie("100 × 8 + 3", {"--json"}),
       "{\"Valide\":true,\"Resultat\":803,\"Lignes\":[\"100x8=800\",\"800+3=803\"],\"Points\":6}\n"},
      // Six ones reach 9 at most, the nearest to 500: 8 on the exceptional scale.
      {{"--verifie", "--json", "1", "1", "1", "1", "1", "1", "500", "(1+1+1)x(1+1+1)"},
       "{\"Valide\":true,\"Resultat\":9,\"Lignes\":[\"1+1=2\",\"2+1=3\",\"1+1=2\",\"2+1=3\",\"3x3=9\"],\"Points\":8}\n"},
      {Verifie("(75+25)x8+7"),
       "Tirage : 75 25 8 7 3 100 → 807\nCalcul : (75+25)x8+7\n  75+25=100\n  100x8=800\n  800+7=807\n"
       "Le compte est bon : 807\nPoints : 10\n"},
      {Verifie("100x8+3"),
       "Tirage : 75 25 8 7 3 100 → 807\nCalcul : 100x8+3\n  100x8=800\n  800+3=803\nRésultat : 803 (à 4 près)\nPoints : 6\n"},
  };
  for (const auto& [arguments, attendu] : cas) {
    const Issue issue = Lance(arguments);
    EXPECT_EQ(issue.code, 0) << issue.erreurs;
    EXPECT_EQ(issue.sortie, attendu);
  }
}

TEST(VerifieCommand, ARefusedCalculationSaysWhyAndEndsWithCodeOne) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cas = {
      {Verifie("75x4", {"--json"}), "{\"Valide\":false,\"Raison\":\"4 n'est plus en jeu\"}\n"},
      {Verifie("100/7"), "Tirage : 75 25 8 7 3 100 → 807\nCalcul : 100/7\nRefusé : 100/7 ne tombe pas juste\n"},
      // What was typed is shown back safely: no escape reaches the terminal.
      {Verifie("75\x1b[2Jx3"),
       "Tirage : 75 25 8 7 3 100 → 807\nCalcul : 75?[2Jx3\nRefusé : « U+001B » n'a pas sa place dans un calcul\n"},
      {Verifie("(75+25", {"--json"}),
       "{\"Valide\":false,\"Raison\":\"parenthèse non fermée : « ( » attend « ) »\"}\n"},
  };
  for (const auto& [arguments, attendu] : cas) {
    const Issue issue = Lance(arguments);
    EXPECT_EQ(issue.code, 1) << issue.erreurs;
    EXPECT_EQ(issue.sortie, attendu);
  }
}

TEST(VerifieCommand, BadArgumentsEndWithCodeTwo) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cas = {
      {{"--verifie", "75", "25", "8", "7", "3", "807", "75x3"}, "reçu 7 valeurs"},
      {{"--verifie", "75", "25", "8", "7", "3", "100", "807"}, "le calcul entre guillemets"},
      {{"--verifie", "75", "25", "8", "7", "3", "100", "807", "75", "x", "3"}, "reçu 10 valeurs"},
      {Verifie("  "), "--verifie attend un calcul"},
      {Verifie("75x3", {"--all"}), "--all ne va pas avec --verifie"},
      {{"--verifie", "75", "25", "8", "7", "3", "1000", "807", "75x3"}, "le nombre 1000 n'est pas entre 0 et 999"},
      {{"--verifie", "75", "25", "8", "7", "3", "100", "8\x07" "07", "75x3"}, "« 8?07 » n'est pas un nombre entier"},
  };
  for (const auto& [arguments, message] : cas) {
    const Issue issue = Lance(arguments);
    EXPECT_EQ(issue.code, 2) << message;
    EXPECT_TRUE(issue.sortie.empty());
    EXPECT_NE(issue.erreurs.find(message), std::string::npos) << issue.erreurs;
  }
  EXPECT_NE(Lance({"--help"}).sortie.find("--verifie [--json]"), std::string::npos);
}

}  // namespace
}  // namespace tolvan::solve
