#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "game/LoiDuRegard.h"
#include "game/TirageAMaMesure.h"

namespace tolvan {
namespace {

ChanceDuTirage ChanceA(double force, double secondes) {
  return [profil = ProfilContinu(force), secondes](const ResumeEfforts& resume) {
    return ChanceDeTrouver(resume, profil, secondes);
  };
}

TEST(TirageAMaMesure, DealsADrawWhoseChanceLiesInTheBandTheSameForTheSameSeed) {
  Solveur solveur;
  std::set<std::vector<longint>> tirages;
  int dansLaBande = 0;
  for (const double force : {1.0, 1.5, 3.0, 4.0}) {
    for (std::uint64_t graine = 0; graine < 6; ++graine) {
      const TirageMesure tire = TireAMaMesure(graine, BandeAMaMesure, ChanceA(force, 40), solveur);
      SCOPED_TRACE(testing::Message() << "force " << force << " graine " << graine);
      // In the band, or none of the draws tried was.
      dansLaBande += BandeAMaMesure.Contient(tire.chance) ? 1 : 0;
      EXPECT_TRUE(BandeAMaMesure.Contient(tire.chance) || tire.essais == EssaisAMaMesure) << tire.chance;
      // Its chance is the draw's, which the solver holds, searched.
      EXPECT_EQ(solveur.Tirage, tire.tirage);
      EXPECT_EQ(ResumeEfforts::De(solveur), tire.resume);
      EXPECT_DOUBLE_EQ(ChanceA(force, 40)(tire.resume), tire.chance);
      // Standard draws: numbers of the pool, a target from 101 to 999.
      EXPECT_GE(tire.tirage.Resultat, 101);
      EXPECT_LE(tire.tirage.Resultat, 999);
      const TirageMesure encore = TireAMaMesure(graine, BandeAMaMesure, ChanceA(force, 40), solveur);
      EXPECT_EQ(encore.tirage, tire.tirage);
      tirages.insert({tire.tirage.Nombres.begin(), tire.tirage.Nombres.end()});
    }
  }
  EXPECT_GE(dansLaBande, 20);
  EXPECT_GT(tirages.size(), 15u);  // seeds and strengths deal different draws
}

TEST(TirageAMaMesure, ABandOutOfReachGivesTheNearestOfTheDrawsTried) {
  Solveur solveur;
  // The champion finds in 40 s whatever can be found: its chances are 0 or 1.
  const TirageMesure tire = TireAMaMesure(3, BandeAMaMesure, ChanceA(5.0, 40), solveur);
  EXPECT_EQ(tire.essais, EssaisAMaMesure);
  EXPECT_EQ(tire.chance, 1.0);
  EXPECT_EQ(solveur.Tirage, tire.tirage);
  EXPECT_TRUE(tire.resume.Atteignable());
}

TEST(TirageAMaMesure, TheBandsOfTheFirstGamesAndOfARisingSeries) {
  EXPECT_EQ(BandeDuJoueur(0).min, 0.45);
  EXPECT_EQ(BandeDuJoueur(9).max, 0.55);
  EXPECT_EQ(BandeDuJoueur(10).min, 0.70);
  EXPECT_EQ(BandeDuJoueur(500).max, 0.80);
  const std::vector<std::pair<int, double>> hauts = {{1, 1.0}, {2, 0.9}, {4, 0.7}, {10, 0.1}, {11, 0.1}, {60, 0.1}};
  for (const auto& [rang, haut] : hauts) {
    EXPECT_NEAR(BandeDeRang(rang).max, haut, 1e-12) << rang;
    EXPECT_NEAR(BandeDeRang(rang).min, haut - 0.1, 1e-12) << rang;
  }
  const Bande bande{0.7, 0.8};
  EXPECT_EQ(bande.Distance(0.75), 0);
  EXPECT_NEAR(bande.Distance(0.5), 0.2, 1e-12);
  EXPECT_NEAR(bande.Distance(0.95), 0.15, 1e-12);
}

}  // namespace
}  // namespace tolvan
