#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "LanceCommande.h"
#include "solve/CoteCommand.h"

namespace tolvan::solve {
namespace {

// The rating's commands, their games read from `entree`.
Issue Lance(const std::vector<std::string>& arguments, const std::string& entree = "") {
  std::istringstream lues(entree);
  std::ostringstream sortie, erreurs;
  const int code = ExecuteLigne("tolvan-solve", "", arguments, ModesCote(lues), sortie, erreurs);
  return {code, sortie.str(), erreurs.str()};
}

std::vector<std::string> Avec(std::vector<std::string> options, const char* cible = "812") {
  for (const char* n : {"75", "25", "3", "7", "8", "2"}) options.push_back(n);
  options.push_back(cible);
  return options;
}

// The value of `nom` in a one-line JSON object of numbers.
double Champ(const std::string& json, const std::string& nom) {
  const std::size_t debut = json.find("\"" + nom + "\":");
  EXPECT_NE(debut, std::string::npos) << nom << " dans " << json;
  if (debut == std::string::npos) return -1;
  return std::strtod(json.c_str() + debut + nom.size() + 3, nullptr);
}

TEST(CoteCommand, RefusesBadArgumentsWithCodeTwoAndAMessage) {
  const std::vector<std::vector<std::string>> mauvais = {
      Avec({"--chance", "0.9"}),
      Avec({"--chance", "5.01"}),
      Avec({"--chance", "trois"}),
      Avec({"--chance", "nan"}),
      Avec({"--chance"}),
      Avec({"--chance", "3", "--temps", "0"}),
      Avec({"--chance", "3", "--temps", "3601"}),
      Avec({"--chance", "3", "--temps", "-5"}),
      Avec({"--chance", "3", "--temps", "40", "--temps", "50"}),
      Avec({"--chance", "3", "--graine", "4"}),
      Avec({"--chance", "3", "--series"}),
      Avec({"--chance", "3", "--cote"}),
      Avec({"--chance", "3", "--inconnue"}),
      {"--chance", "3", "1", "2", "3", "4", "5", "6"},
      {"--chance", "3", "1000", "2", "3", "4", "5", "6", "100"},
      {"--cote", "1", "2"},
      {"--cote", "--temps", "40"},
      {"--a-ma-mesure"},
      {"--a-ma-mesure", "6"},
      {"--a-ma-mesure", "3", "75"},
      {"--a-ma-mesure", "3", "--graine", "-1"},
      {"--a-ma-mesure", "3", "--graine", "1", "--graine", "2"},
      {"--a-ma-mesure", "3", "--temps"},
  };
  for (const auto& arguments : mauvais) VerifieRefus(arguments, Lance(arguments));
  // A refused value is quoted safely.
  const Issue controle = Lance(Avec({"--chance", "3\x1b[2J"}));
  EXPECT_EQ(controle.erreurs.find('\x1b'), std::string::npos) << controle.erreurs;
}

TEST(CoteCommand, TheChanceIsAJsonObjectRisingWithStrengthAndTime) {
  const Issue faible = Lance(Avec({"--chance", "1.5", "--json"}));
  ASSERT_EQ(faible.code, 0) << faible.erreurs;
  EXPECT_EQ(faible.sortie.rfind(R"({"Force":1.5,"Temps":40,"Chance":)", 0), 0u) << faible.sortie;
  EXPECT_EQ(faible.sortie.substr(faible.sortie.size() - 2), "}\n");
  const double chanceFaible = Champ(faible.sortie, "Chance");
  // A French comma, and the same draw for a stronger player and more time.
  const double chanceForte = Champ(Lance(Avec({"--chance", "3,5", "--json"})).sortie, "Chance");
  const double chanceLongue = Champ(Lance(Avec({"--chance", "1.5", "--temps", "300", "--json"})).sortie, "Chance");
  EXPECT_GE(chanceFaible, 0);
  EXPECT_LT(chanceFaible, chanceForte);
  EXPECT_LT(chanceFaible, chanceLongue);
  EXPECT_LE(chanceForte, 1);
  // The champion finds a reachable target within 40 s, never one out of reach.
  EXPECT_EQ(Champ(Lance(Avec({"--chance", "5", "--json"})).sortie, "Chance"), 1.0);
  const Issue impossible = Lance({"--chance", "5", "--json", "25", "3", "3", "6", "8", "9", "947"});
  EXPECT_EQ(Champ(impossible.sortie, "Chance"), 0.0);
  // In words.
  const Issue texte = Lance(Avec({"--chance", "3.4"}));
  EXPECT_NE(texte.sortie.find("force 3,4 (entre Joueur de club et Expert)"), std::string::npos) << texte.sortie;
}

TEST(CoteCommand, TheRatingReadsGamesOneALineAndNamesTheLineItCannotRead) {
  const std::string parties =
      "75 25 3 7 8 2 812 40 1 22.6\r\n"
      "\n"
      "1 2 3 4 5 6 100 40 1 3\n"
      "100 9 4 6 1 10 457 40 0\n";
  const Issue cote = Lance({"--cote", "--json"}, parties);
  ASSERT_EQ(cote.code, 0) << cote.erreurs;
  EXPECT_EQ(cote.sortie.rfind(R"({"Cote":)", 0), 0u) << cote.sortie;
  EXPECT_EQ(Champ(cote.sortie, "Parties"), 3);
  EXPECT_GE(Champ(cote.sortie, "Cote"), 1);
  EXPECT_LE(Champ(cote.sortie, "Cote"), 5);
  EXPECT_GT(Champ(cote.sortie, "Ecart"), 0);
  // No game: the middle of the scale, as wide as can be.
  const Issue aucune = Lance({"--cote", "--json"});
  EXPECT_EQ(aucune.sortie, "{\"Cote\":3,\"Ecart\":1.17,\"Parties\":0}\n");
  // Quick finds rate higher than misses.
  std::string rapides, rates;
  for (int i = 0; i < 5; ++i) {
    rapides += "75 25 3 7 8 2 812 40 1 4\n";
    rates += "75 25 3 7 8 2 812 40 0\n";
  }
  EXPECT_GT(Champ(Lance({"--cote", "--json"}, rapides).sortie, "Cote"), Champ(Lance({"--cote", "--json"}, rates).sortie, "Cote"));
  // In words.
  EXPECT_NE(Lance({"--cote"}, parties).sortie.find("sur 3 parties"), std::string::npos);

  const Issue illisible = Lance({"--cote"}, parties + "75 25 3 7 8 2 812 40 1\n");
  EXPECT_EQ(illisible.code, 2);
  EXPECT_TRUE(illisible.sortie.empty());
  EXPECT_TRUE(illisible.erreurs.starts_with("tolvan-solve : ligne 5 illisible : « 75 25 3 7 8 2 812 40 1 »"))
      << illisible.erreurs;
  // A line far too long is cut short in the message.
  const Issue longue = Lance({"--cote"}, std::string(100000, '9') + "\n");
  EXPECT_EQ(longue.code, 2);
  EXPECT_LT(longue.erreurs.size(), 300u);
}

TEST(CoteCommand, ADrawAtTheMeasureOfARatingIsTheSameForTheSameSeed) {
  const Issue tirage = Lance({"--a-ma-mesure", "2.5", "--graine", "11", "--json"});
  ASSERT_EQ(tirage.code, 0) << tirage.erreurs;
  EXPECT_EQ(tirage.sortie.rfind(R"({"Nombres":[)", 0), 0u) << tirage.sortie;
  const double chance = Champ(tirage.sortie, "Chance");
  EXPECT_GE(chance, 0.70);
  EXPECT_LE(chance, 0.80);
  EXPECT_EQ(Lance({"--json", "--graine", "11", "--a-ma-mesure", "2.5"}).sortie, tirage.sortie);
  EXPECT_NE(Lance({"--a-ma-mesure", "2.5", "--graine", "12", "--json"}).sortie, tirage.sortie);
  // Its chance is the one --chance gives for that draw.
  int n[6] = {};
  int cible = 0;
  ASSERT_EQ(std::sscanf(tirage.sortie.c_str(), R"({"Nombres":[%d,%d,%d,%d,%d,%d],"Resultat":%d)", &n[0], &n[1], &n[2],
                        &n[3], &n[4], &n[5], &cible),
            7);
  std::vector<std::string> arguments = {"--chance", "2.5", "--json"};
  for (const int x : n) arguments.push_back(std::to_string(x));
  arguments.push_back(std::to_string(cible));
  EXPECT_EQ(Champ(Lance(arguments).sortie, "Chance"), chance);
}

TEST(CoteCommand, TheUsageListsTheThreeCommands) {
  const Issue aide = LanceSolve({"--help"});
  ASSERT_EQ(aide.code, 0);
  for (const char* commande : {"--chance FORCE", "--cote [--json]", "--a-ma-mesure COTE"}) {
    EXPECT_NE(aide.sortie.find(commande), std::string::npos) << commande;
  }
}

}  // namespace
}  // namespace tolvan::solve
