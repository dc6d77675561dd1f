#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "solve/SolveCommand.h"

namespace tolvan::solve {
namespace {

struct Outcome {
  int code;
  std::string out;
  std::string err;
};

Outcome RunSolve(std::vector<std::string> arguments) {
  std::ostringstream out;
  std::ostringstream err;
  const int code = ExecuteSolve(arguments, out, err);
  return {code, out.str(), err.str()};
}

TEST(SolveCommand, AcceptsNumbersAndTargetsAtTheirLimits) {
  EXPECT_EQ(RunSolve({"0", "0", "0", "0", "0", "999", "9999"}).code, 0);
}

TEST(SolveCommand, TheDrawOfTheDayIsTheGamesOwnForThatDate) {
  Solveur jeu;
  TireDuJour(jeu, *LitDate("2026-12-12"));
  std::string nombres;
  for (longint n : jeu.Tirage.Nombres) {
    if (!nombres.empty()) nombres += ',';
    nombres += std::to_string(n);
  }
  const Outcome json = RunSolve({"--jour", "2026-12-12", "--json"});
  EXPECT_EQ(json.code, 0);
  EXPECT_TRUE(json.out.starts_with("{\"Date\":\"2026-12-12\",\"Nombres\":[" + nombres +
                                   "],\"Resultat\":" + std::to_string(jeu.Tirage.Resultat) + ",\"NbSolutions\":" +
                                   std::to_string(jeu.NbSolutions) + ","))
      << json.out;
  const Outcome texte = RunSolve({"--jour", "2026-12-12"});
  EXPECT_EQ(texte.code, 0);
  EXPECT_TRUE(texte.out.starts_with("Tirage du jour : 2026-12-12\nTirage : ")) << texte.out;
  EXPECT_NE(texte.out.find("à trouver : " + std::to_string(jeu.Tirage.Resultat)), std::string::npos);
  // Today's by default.
  EXPECT_EQ(RunSolve({"--jour", "--json"}).code, 0);
}

TEST(SolveCommand, JsonAnswersTheClassicDraw) {
  const Outcome o = RunSolve({"--json", "1", "2", "3", "4", "5", "6", "100"});
  EXPECT_EQ(o.code, 0);
  EXPECT_EQ(o.out,
            "{\"NbSolutions\":269,\"NbEtapesMin\":3,\"IndiceSimple\":135,\"IndiceTordue\":62,"
            "\"MaxIntermediaire\":300,\"TexteSimple\":\"100=(6-1)x4x5\",\"SolutionApprochee\":0,\"Difficulte\":2,"
            "\"Proche\":[\"6x5=30\",\"30+4=34\",\"34x3=102\",\"102-2=100\"],"
            "\"first\":[\"2+1=3\",\"3/3=1\",\"6-1=5\",\"5x4=20\",\"20x5=100\"],"
            "\"simple\":[\"6-1=5\",\"5x4=20\",\"20x5=100\"],"
            "\"tordue\":[\"4+1=5\",\"5x2=10\",\"6x5=30\",\"30x10=300\",\"300/3=100\"]}\n");
}

TEST(SolveCommand, JsonReportsTheNearestNumberAndSeriesMode) {
  const Outcome normal = RunSolve({"--json", "--all", "1", "1", "1", "1", "1", "1", "500"});
  EXPECT_NE(normal.out.find("\"NbSolutions\":1,\"NbEtapesMin\":5"), std::string::npos) << normal.out;
  EXPECT_NE(normal.out.find("\"SolutionApprochee\":1"), std::string::npos);
  EXPECT_NE(normal.out.find("\"TexteSimple\":\"?\""), std::string::npos);
  EXPECT_NE(normal.out.find("\"solutions\":[[\"1+1=2\",\"1+1=2\",\"2+1=3\",\"2+1=3\",\"3x3=9\"]]"),
            std::string::npos);

  const Outcome series = RunSolve({"--series", "--json", "1", "1", "1", "1", "1", "1", "500"});
  EXPECT_NE(series.out.find("\"NbSolutions\":0,\"NbEtapesMin\":6"), std::string::npos) << series.out;
  EXPECT_NE(series.out.find("\"TexteSimple\":\"Pas de solution\",\"SolutionApprochee\":0"), std::string::npos);
  EXPECT_NE(series.out.find("\"first\":[],\"simple\":[],\"tordue\":[]"), std::string::npos);
}

TEST(SolveCommand, TextShowsTheSimplestAndTheMostTwisted) {
  const Outcome o = RunSolve({"1", "2", "3", "4", "5", "6", "100"});
  EXPECT_EQ(o.code, 0);
  for (const char* expected : {"269 solutions", "100=(6-1)x4x5", "!- 135/269 -!", "?- 62/269 -?",
                               "  300/3=100"}) {
    EXPECT_NE(o.out.find(expected), std::string::npos) << expected << "\n" << o.out;
  }
  const Outcome impossible = RunSolve({"--all", "1", "1", "1", "1", "1", "1", "500"});
  EXPECT_NE(impossible.out.find("IMPOSSIBLE"), std::string::npos) << impossible.out;
  EXPECT_NE(impossible.out.find("le plus proche est 9"), std::string::npos);
  EXPECT_NE(impossible.out.find("--- 1/1 ---"), std::string::npos);
}

TEST(SolveCommand, SolvesEveryRowOfADrawsFileAsTheGameWouldSaveIt) {
  const std::filesystem::path chemin = std::filesystem::temp_directory_path() / "tolvan-solve-test.tir";
  // Lines ended the Windows way and the Linux way.
  std::ofstream(chemin, std::ios::binary) << "512\t3\t7\t8\t25\t50\t100\t0\t0\tOUI\tvieux\t\r\n"
                                              "ligne fausse\n"
                                              "100 6 5 4 3 2 1 0 0 NON\n";
  const Outcome texte = RunSolve({"--file", chemin.string()});
  EXPECT_EQ(texte.code, 0);
  EXPECT_EQ(texte.out,
            "512\t3\t7\t8\t25\t50\t100\t61\t4\tOUI\t512=[100-(25+3)]x7+8\t\r\n"
            "100\t6\t5\t4\t3\t2\t1\t269\t3\tNON\t100=(6-1)x4x5\t\r\n");
  EXPECT_EQ(texte.err, "Erreur de conversion text => entier sur la ligne : ligne fausse\n");

  const Outcome json = RunSolve({"--file", chemin.string(), "--json", "--series"});
  EXPECT_EQ(json.code, 0);
  EXPECT_EQ(json.out.rfind("{\"cellules\":[\"512\",\"3\",", 0), 0u);
  EXPECT_NE(json.out.find("\n{\"cellules\":[\"100\",\"6\",\"5\","), std::string::npos);
  EXPECT_NE(json.out.find("\"NbSolutions\":269"), std::string::npos);
  std::filesystem::remove(chemin);

  const Outcome absent = RunSolve({"--file", chemin.string()});
  EXPECT_EQ(absent.code, 1);
  EXPECT_TRUE(absent.out.empty());
}

}  // namespace
}  // namespace tolvan::solve
