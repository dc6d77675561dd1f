#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "TiragesDeTest.h"
#include "game/Adversaire.h"
#include "game/LoiDuRegard.h"
#include "game/Tirages.h"

namespace tolvan {
namespace {

// Draws from easy to out of reach.
std::vector<TirageLu> TiragesVaries() {
  std::vector<TirageLu> tirages;
  for (const TTirage& t : {Tirage({75, 25, 3, 7, 8, 2}, 100), Tirage({75, 25, 3, 7, 8, 2}, 812),
                           Tirage({100, 9, 4, 6, 1, 10}, 457), Tirage({1, 5, 6, 9, 10, 75}, 853),
                           Tirage({25, 3, 3, 6, 8, 9}, 947)}) {
    tirages.emplace_back(t);
  }
  return tirages;
}

TEST(LoiDuRegard, TheChanceWorkedOutIsTheShareOfSeedsWithWhichTheOpponentFindsTheTarget) {
  constexpr int Graines = 10000;
  for (const TirageLu& t : TiragesVaries()) {
    for (const double force : {1.0, 2.5, 3.7, 5.0}) {
      for (const double secondes : {20.0, 40.0}) {
        const ProfilAdversaire profil = ProfilContinu(force);
        int trouvees = 0;
        for (std::uint64_t graine = 0; graine < Graines; ++graine) {
          trouvees += VoitLaCible(t.efforts, profil, graine, ForceEnCentiemes(force), t.tirage, secondes) ? 1 : 0;
        }
        const double chance = ChanceDeTrouver(t.resume, profil, secondes);
        // Four standard errors of the share, at the least a few seeds' worth.
        const double tolerance = std::max(4 * std::sqrt(chance * (1 - chance) / Graines), 5.0 / Graines);
        EXPECT_NEAR(static_cast<double>(trouvees) / Graines, chance, tolerance)
            << t.tirage.Resultat << " force " << force << " en " << secondes << " s";
      }
    }
  }
}

TEST(LoiDuRegard, TheOpponentFindsTheTargetExactlyWhenItsLawSeesIt) {
  for (const TirageLu& t : TiragesVaries()) {
    TirageCherche cherche(t.tirage);
    SolutionsVoisines solutions(cherche.solveur);
    for (const double force : {1.0, 3.0, 4.5}) {
      for (std::uint64_t graine = 0; graine < 60; ++graine) {
        const ReponseAdversaire r = Adversaire(force, graine).Repond(solutions, 40);
        const auto vue = VoitLaCible(t.efforts, ProfilContinu(force), graine, ForceEnCentiemes(force), t.tirage, 40);
        ASSERT_EQ(r.exact, vue.has_value()) << t.tirage.Resultat << " force " << force << " graine " << graine;
        if (vue) {
          EXPECT_NEAR(r.secondes, vue->secondes, 0.1);
        }
      }
    }
  }
}

TEST(LoiDuRegard, TheChanceRisesWithStrengthAndTimeAndRunsSmoothlyBetweenStrengths) {
  std::vector<TirageLu> tirages = TiragesVaries();
  for (const TTirage& t : TiragesAuHasard(30, 5)) tirages.emplace_back(t);
  for (const TirageLu& t : tirages) {
    SCOPED_TRACE(testing::Message() << t.tirage.Resultat);
    for (const double secondes : {10.0, 40.0, 120.0}) {
      double avant = ChanceDeTrouver(t.resume, ProfilContinu(1.0), secondes);
      for (double force = 1.01; force <= 5.0; force += 0.01) {
        const double chance = ChanceDeTrouver(t.resume, ProfilContinu(force), secondes);
        EXPECT_GE(chance, avant - 1e-9) << "force " << force;
        // No jump: a hundredth of strength moves the chance by little.
        EXPECT_LE(chance - avant, 0.06) << "force " << force << " en " << secondes << " s";
        avant = chance;
      }
    }
    for (const double force : {1.0, 3.3, 5.0}) {
      const ProfilAdversaire profil = ProfilContinu(force);
      EXPECT_EQ(ChanceDeTrouver(t.resume, profil, 0), 0.0);
      EXPECT_LE(ChanceDeTrouver(t.resume, profil, 20), ChanceDeTrouver(t.resume, profil, 40));
      EXPECT_LE(ChanceDeTrouver(t.resume, profil, 40), 1.0 - profil.distraction + 1e-12);
    }
    // The champion finds whatever can be found within its 10 s.
    EXPECT_EQ(ChanceDeTrouver(t.resume, ProfilDeForce(ForceMax), 10), t.resume.Atteignable() ? 1.0 : 0.0);
  }
}

TEST(LoiDuRegard, OneEasyLineIsSeenByItsMedianTimeOneTimeInTwo) {
  ResumeEfforts uneLigne = *ResumeEfforts::Lit("10:1");
  for (int force = ForceMin; force < ForceMax; ++force) {
    const ProfilAdversaire& profil = ProfilDeForce(force);
    // Z is symmetric about 0, and the cap of these strengths is hours away.
    EXPECT_NEAR(ChanceDeVoirAvant(uneLigne, profil, profil.secondesUneLigne), 0.5, 1e-6);
  }
}

TEST(ProfilsJoueur, AWholeStrengthIsItsNamedProfileAndEachParameterRunsBetweenNeighbours) {
  for (int force = ForceMin; force <= ForceMax; ++force) {
    const ProfilAdversaire continu = ProfilContinu(force);
    const ProfilAdversaire& nomme = ProfilDeForce(force);
    EXPECT_EQ(continu.nom, nomme.nom);
    EXPECT_EQ(continu.secondesUneLigne, nomme.secondesUneLigne);
    EXPECT_EQ(continu.portee, nomme.portee);
    EXPECT_EQ(continu.plafond, nomme.plafond);
  }
  const auto entre = [](double x, double a, double b) { return x >= std::min(a, b) && x <= std::max(a, b); };
  for (double force = 1.1; force < 5.0; force += 0.1) {
    const ProfilAdversaire p = ProfilContinu(force);
    const ProfilAdversaire& bas = ProfilDeForce(static_cast<int>(force));
    const ProfilAdversaire& haut = ProfilDeForce(static_cast<int>(force) + 1);
    SCOPED_TRACE(force);
    EXPECT_TRUE(entre(p.portee, bas.portee, haut.portee));
    EXPECT_TRUE(entre(p.secondesUneLigne, bas.secondesUneLigne, haut.secondesUneLigne));
    EXPECT_TRUE(entre(p.dispersion, bas.dispersion, haut.dispersion));
    EXPECT_TRUE(entre(p.distraction, bas.distraction, haut.distraction));
    EXPECT_TRUE(entre(p.plafond, bas.plafond, haut.plafond));
  }
  // Outside the scale, its ends.
  EXPECT_EQ(ProfilContinu(0.2).nom, "Débutant");
  EXPECT_EQ(ProfilContinu(7).nom, "Champion");
}

TEST(ProfilsJoueur, AStrengthInWordsNamesTheProfilesAroundIt) {
  const std::vector<std::pair<double, std::string>> cas = {
      {3.4, "entre Joueur de club et Expert"}, {3.0, "Joueur de club"}, {2.96, "Joueur de club"},
      {1.02, "Débutant"}, {1.5, "entre Débutant et Amateur"}, {4.5, "entre Expert et Champion"},
      {4.97, "Champion"}, {0.3, "Débutant"}, {9.0, "Champion"}};
  for (const auto& [force, mots] : cas) EXPECT_EQ(EntreProfils(force), mots) << force;
}

}  // namespace
}  // namespace tolvan
