#include <gtest/gtest.h>

#include <cstdio>

#include "LanceCommande.h"

namespace tolvan::solve {
namespace {

TEST(AdversaireCommand, AnswersInOneJsonObjectTheSameEveryRun) {
  const Issue premiere = LanceSolve(AvecTirage({"--adversaire", "3", "--graine", "42", "--json"}));
  ASSERT_EQ(premiere.code, 0) << premiere.erreurs;
  EXPECT_EQ(LanceSolve(AvecTirage({"--json", "--graine", "42", "--adversaire", "3"})).sortie, premiere.sortie);
  // One object: the strength, what it announces, when, and its lines.
  const std::string& sortie = premiere.sortie;
  const std::string debut = R"({"Force":3,"Nom":"Joueur de club","Annonce":)";
  ASSERT_EQ(sortie.rfind(debut, 0), 0u) << sortie;
  long annonce = 0;
  char exact[6] = {};
  double secondes = 0;
  ASSERT_EQ(std::sscanf(sortie.c_str() + debut.size(), R"(%ld,"Exact":%5[a-z],"Secondes":%lf)", &annonce, exact,
                        &secondes),
            3)
      << sortie;
  EXPECT_EQ(std::string(exact) == "true", annonce == 812);
  EXPECT_LE(secondes, 40.0);  // the duel's clock unless told otherwise
  EXPECT_NE(sortie.find(R"(,"Lignes":[)"), std::string::npos) << sortie;
  EXPECT_EQ(sortie.substr(sortie.size() - 3), "]}\n");

  // No time at all: nothing to announce.
  EXPECT_EQ(LanceSolve(AvecTirage({"--adversaire", "5", "--temps", "0", "--json"})).sortie,
            "{\"Force\":5,\"Nom\":\"Champion\",\"Annonce\":0,\"Exact\":false,\"Secondes\":0.0,\"Lignes\":[]}\n");
  // In words, the champion finds this one.
  const Issue texte = LanceSolve(AvecTirage({"--adversaire", "5"}));
  EXPECT_NE(texte.sortie.find("Champion (force 5)"), std::string::npos) << texte.sortie;
  EXPECT_NE(texte.sortie.find("Annonce 812 (le compte est bon)"), std::string::npos) << texte.sortie;
}

// The duel's clock counts tenths: the time given is read to the tenth, with
// a point or a comma, and the answer never comes after it.
TEST(AdversaireCommand, TheClockIsCountedToTheTenthAsTheDuelsIs) {
  EXPECT_EQ(LanceSolve(AvecTirage({"--adversaire", "2", "--temps", "12,5", "--json"})).sortie,
            LanceSolve(AvecTirage({"--adversaire", "2", "--temps", "12.5", "--json"})).sortie);
  for (const char* temps : {"0.1", "2.5", "7.9"}) {
    for (int graine = 0; graine < 20; ++graine) {
      const Issue issue = LanceSolve(AvecTirage({"--adversaire", "5", "--temps", temps, "--graine", std::to_string(graine), "--json"}));
      ASSERT_EQ(issue.code, 0) << issue.erreurs;
      const std::size_t debut = issue.sortie.find("\"Secondes\":") + 11;
      const std::string secondes = issue.sortie.substr(debut, issue.sortie.find(',', debut) - debut);
      EXPECT_LE(std::stod(secondes), std::stod(temps)) << issue.sortie;
      EXPECT_EQ(secondes.find('.'), secondes.size() - 2) << issue.sortie;
    }
  }
}

}  // namespace
}  // namespace tolvan::solve
