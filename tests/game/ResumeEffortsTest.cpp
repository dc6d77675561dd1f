#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "TiragesDeTest.h"
#include "game/ResumeEfforts.h"
#include "game/SolutionsVoisines.h"
#include "game/Tirages.h"

namespace tolvan {
namespace {

TEST(ResumeEfforts, CountsTheSolutionsTheOpponentTimesByEffort) {
  std::vector<TTirage> tirages = TiragesAuHasard(40, 8);
  tirages.push_back(Tirage({25, 3, 3, 6, 8, 9}, 947));  // out of reach
  tirages.push_back(Tirage({0, 0, 0, 0, 0, 5}, 5));     // nothing to write
  for (const TTirage& tirage : tirages) {
    TirageCherche cherche(tirage);
    SolutionsVoisines solutions(cherche.solveur);
    std::map<int, int> attendus;
    for (const SolutionVue& vue : solutions.De(tirage.Resultat)) ++attendus[static_cast<int>(vue.effort * 10 + 0.5)];
    const ResumeEfforts resume = ResumeEfforts::De(cherche.solveur);
    EXPECT_EQ(resume.ParEffort(), (std::vector<ResumeEfforts::Compte>(attendus.begin(), attendus.end())))
        << tirage.Resultat;
    EXPECT_EQ(resume.Atteignable(), cherche.Atteignable());
    EXPECT_EQ(ResumeEfforts::Lit(resume.Texte()), resume);
  }
}

TEST(ResumeEfforts, ItsTextReadsBackAndAnythingElseIsRefused) {
  EXPECT_EQ(ResumeEfforts::Lit("")->ParEffort().size(), 0u);
  const std::optional<ResumeEfforts> lu = ResumeEfforts::Lit("40:3 45:12 52:1");
  ASSERT_TRUE(lu);
  EXPECT_EQ(lu->ParEffort(), (std::vector<ResumeEfforts::Compte>{{40, 3}, {45, 12}, {52, 1}}));
  EXPECT_EQ(lu->Texte(), "40:3 45:12 52:1");
  for (const char* mauvais : {"40:3 ", " 40:3", "40:3  45:1", "40:0", "0:4", "45:1 40:2", "40:3 40:3", "a:1", "40;3",
                              "40:4001", "-1:2", "10001:1", "40:", ":3", "40:3:2", "40:+3", "40:3\n",
                              "40:03", "040:3", "9:1"}) {
    EXPECT_FALSE(ResumeEfforts::Lit(mauvais)) << mauvais;
  }
}

}  // namespace
}  // namespace tolvan
