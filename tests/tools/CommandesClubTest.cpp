#include <gtest/gtest.h>

#include <sstream>

#include "competition/CodeSerie.h"
#include "solve/SolveCommand.h"

namespace tolvan::solve {
namespace {

struct Issue {
  int code;
  std::string out;
  std::string err;
};

Issue Lance(std::vector<std::string> arguments) {
  std::ostringstream out, err;
  const int code = ExecuteSolve(arguments, out, err);
  return {code, out.str(), err.str()};
}

TEST(CommandesClub, ANewCodeCarriesTheOptionsAsked) {
  for (const auto& [arguments, attendu] : std::vector<std::pair<std::vector<std::string>, ParametresSerie>>{
           {{"--nouveau-code"}, {10, 40, false, 0}},
           {{"--nouveau-code", "--tirages", "5", "--temps", "90", "--realisables"}, {5, 90, true, 0}}}) {
    const Issue issue = Lance(arguments);
    ASSERT_EQ(issue.code, 0) << issue.err;
    std::string erreur;
    const std::optional<CodeSerie> code = CodeSerie::Lit(issue.out, erreur);
    ASSERT_TRUE(code) << issue.out << erreur;
    ParametresSerie lus = code->Parametres();
    lus.graine = 0;
    EXPECT_EQ(lus, attendu);
  }
}

TEST(CommandesClub, TheKeyOfACodeGivesEachDrawItsBestResultAndSimplestSolution) {
  const Issue json = Lance({"--code", "143s zzzz zzza", "--json"});
  ASSERT_EQ(json.code, 0) << json.err;
  EXPECT_TRUE(json.out.starts_with("{\"Code\":\"143S-ZZZZ-ZZZA\",\"Temps\":60,\"Tirages\":[{\"Nombres\":[5,6,10,1,3,100],"
                                   "\"Resultat\":480,\"Meilleur\":480,\"Solution\":\"480="))
      << json.out;
  EXPECT_TRUE(json.out.ends_with("}]}\n"));
  // A code typed in three words, without quotes, is still one code.
  const Issue texte = Lance({"--code", "143S", "ZZZZ", "ZZZA"});
  ASSERT_EQ(texte.code, 0) << texte.err;
  EXPECT_TRUE(texte.out.starts_with("Partie par code 143S-ZZZZ-ZZZA : 5 tirages de 60 s, réalisables uniquement\n"
                                    "1. 5 6 10 1 3 100 → 480   meilleur : 480="))
      << texte.out;
}

TEST(CommandesClub, PointsFollowTheClubsScale) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cas = {
      {{"--points", "1", "2", "3", "4", "5", "6", "100", "97"}, "Points : 7\n"},
      {{"--points", "--json", "1", "2", "3", "4", "5", "6", "100", "0"}, "{\"Points\":0}\n"},
      // Six ones reach 1 to 9 and no more: for 20 the nearest distances
      // are 11 to 15 (9 to 5), on the exceptional scale 8, 6, 4, 2, 1;
      // 10 cannot be made.
      {{"--points", "--json", "1", "1", "1", "1", "1", "1", "20", "9"}, "{\"Points\":8}\n"},
      {{"--points", "--json", "1", "1", "1", "1", "1", "1", "20", "7"}, "{\"Points\":4}\n"},
      {{"--points", "--json", "1", "1", "1", "1", "1", "1", "20", "10"}, "{\"Points\":0}\n"},
  };
  for (const auto& [arguments, attendu] : cas) {
    const Issue issue = Lance(arguments);
    EXPECT_EQ(issue.code, 0) << issue.err;
    EXPECT_EQ(issue.out, attendu);
  }
}

}  // namespace
}  // namespace tolvan::solve
