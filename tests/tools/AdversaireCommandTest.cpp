#include <gtest/gtest.h>

#include <cstdio>

#include "IssueCommande.h"

namespace tolvan::solve {
namespace {

Issue Lance(const std::vector<std::string>& arguments) { return LanceSolve(arguments); }

std::vector<std::string> Avec(std::vector<std::string> options) {
  for (const char* n : {"75", "25", "3", "7", "8", "2", "812"}) options.push_back(n);
  return options;
}

TEST(AdversaireCommand, RefusesABadStrengthTimeSeedOrDrawWithCodeTwo) {
  const std::vector<std::vector<std::string>> mauvais = {
      Avec({"--adversaire", "0"}),
      Avec({"--adversaire", "6"}),
      Avec({"--adversaire", "trois"}),
      Avec({"--adversaire"}),
      Avec({"--adversaire", "3", "--temps", "-1"}),
      Avec({"--adversaire", "3", "--temps", "nan"}),
      Avec({"--adversaire", "3", "--temps", "inf"}),
      Avec({"--adversaire", "3", "--temps", "12s"}),
      Avec({"--adversaire", "3", "--graine", "-4"}),
      Avec({"--adversaire", "3", "--graine", "0x10"}),
      Avec({"--adversaire", "3", "--graine", "99999999999999999999"}),
      Avec({"--adversaire", "3", "--series"}),
      Avec({"--adversaire", "3", "--all"}),
      {"--adversaire", "3", "1", "2", "3", "4", "5", "6"},
      {"--adversaire", "3", "--graine"},
      {"--adversaire", "3", "--jour", "2026-05-01"},
  };
  for (const auto& arguments : mauvais) VerifieRefus(arguments, Lance(arguments));
}

TEST(AdversaireCommand, AnswersInOneJsonObjectTheSameEveryRun) {
  const Issue premiere = Lance(Avec({"--adversaire", "3", "--graine", "42", "--json"}));
  ASSERT_EQ(premiere.code, 0) << premiere.erreurs;
  EXPECT_EQ(Lance(Avec({"--json", "--graine", "42", "--adversaire", "3"})).sortie, premiere.sortie);
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
  EXPECT_EQ(Lance(Avec({"--adversaire", "5", "--temps", "0", "--json"})).sortie,
            "{\"Force\":5,\"Nom\":\"Champion\",\"Annonce\":0,\"Exact\":false,\"Secondes\":0.0,\"Lignes\":[]}\n");
  // In words, the champion finds this one.
  const Issue texte = Lance(Avec({"--adversaire", "5"}));
  EXPECT_NE(texte.sortie.find("Champion (force 5)"), std::string::npos) << texte.sortie;
  EXPECT_NE(texte.sortie.find("Annonce 812 (le compte est bon)"), std::string::npos) << texte.sortie;
}

}  // namespace
}  // namespace tolvan::solve
