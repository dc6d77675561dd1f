#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <span>
#include <vector>

#include "TiragesDeTest.h"
#include "game/Cote.h"
#include "game/LoiDuRegard.h"
#include "game/SplitMix64.h"
#include "game/Tirages.h"

namespace tolvan {
namespace {

// Real draws, dealt as the game deals them, each searched once.
const std::vector<TirageLu>& Bassin() {
  static const std::vector<TirageLu> bassin = [] {
    std::vector<TirageLu> tirages;
    for (const TTirage& t : TiragesAuHasard(400, 77)) tirages.emplace_back(t);
    return tirages;
  }();
  return bassin;
}

// A game of a simulated player: the opponent's own law at that strength.
PartieNotee Joue(double force, std::uint64_t graine, const TirageLu& t, double secondes = 40) {
  PartieNotee partie{t.resume, secondes, false, 0, std::nullopt};
  if (const auto vue = VoitLaCible(t.efforts, ProfilContinu(force), graine, ForceEnCentiemes(force), t.tirage, secondes)) {
    partie.trouvee = true;
    partie.secondes = vue->secondes;
  }
  return partie;
}

std::vector<PartieNotee> Parties(double force, std::uint64_t graine, int nombre) {
  SplitMix64 choix(graine);
  std::vector<PartieNotee> parties;
  for (int k = 0; k < nombre; ++k) {
    const TirageLu& t = Bassin()[static_cast<std::size_t>(choix.Entre(static_cast<int>(Bassin().size())))];
    parties.push_back(Joue(force, choix.Suivant(), t));
  }
  return parties;
}

TEST(Cote, FindsTheStrengthOfSimulatedPlayersWithinHalfAPointAfterFortyGames) {
  for (const double force : {1.5, 3.0, 4.5}) {
    int proches = 0;
    int couvertes = 0;
    double somme = 0;
    constexpr int Courses = 20;
    for (int course = 0; course < Courses; ++course) {
      const Cote cote = Cote::De(Parties(force, 1000 * force + course, 40));
      EXPECT_EQ(cote.Parties(), 40);
      proches += std::abs(cote.Moyenne() - force) <= 0.5 ? 1 : 0;
      couvertes += std::abs(cote.Moyenne() - force) <= 2 * cote.Ecart() ? 1 : 0;
      somme += cote.Moyenne();
    }
    EXPECT_GE(proches, 16) << force;
    EXPECT_GE(couvertes, 16) << force;  // twice the ± holds the truth nearly always
    EXPECT_NEAR(somme / Courses, force, 0.25);
  }
}

TEST(Cote, AQuickFindCountsForMoreThanASlowOneAndAMissForLess) {
  const auto cote = [](double secondes, bool trouvee) {
    Cote c;
    for (std::size_t i = 0; i < 15; ++i) {
      const TirageLu& t = Bassin()[i * 7];
      if (!t.resume.Atteignable()) continue;
      c.Ajoute({t.resume, 40, trouvee, secondes, std::nullopt});
    }
    return c.Moyenne();
  };
  EXPECT_GT(cote(3, true), cote(15, true));
  EXPECT_GT(cote(15, true), cote(35, true));
  EXPECT_GT(cote(35, true), cote(0, false));
}

TEST(Cote, OneGameAtATimeGivesTheRatingOfTheWholeHistory) {
  const std::vector<PartieNotee> parties = Parties(2.5, 5, 30);
  Cote uneAUne;
  for (const PartieNotee& partie : parties) uneAUne.Ajoute(partie);
  const Cote toutes = Cote::De(parties);
  EXPECT_EQ(uneAUne.Croyance(), toutes.Croyance());
  // No game: every strength alike, in the middle of the scale.
  EXPECT_NEAR(Cote().Moyenne(), 3.0, 1e-9);
  // The spread of 81 evenly spaced strengths, 0.05 apart.
  EXPECT_NEAR(Cote().Ecart(), 0.05 * std::sqrt((81.0 * 81.0 - 1) / 12), 1e-9);
}

TEST(Cote, OldGamesFadeSoThatProgressShows) {
  // A beginner's games a year ago, then an expert's, the same number.
  const std::vector<PartieNotee> avant = Parties(1.5, 11, 40);
  const std::vector<PartieNotee> apres = Parties(4.0, 12, 40);
  const auto cote = [&](Date jourApres) {
    Cote c;
    for (PartieNotee p : avant) {
      p.date = Date{std::chrono::year(2025), std::chrono::month(1), std::chrono::day(10)};
      c.Ajoute(p);
    }
    for (PartieNotee p : apres) {
      p.date = jourApres;
      c.Ajoute(p);
    }
    return c.Moyenne();
  };
  const double leLendemain = cote(Date{std::chrono::year(2025), std::chrono::month(1), std::chrono::day(11)});
  const double unAnApres = cote(Date{std::chrono::year(2026), std::chrono::month(1), std::chrono::day(10)});
  EXPECT_GT(unAnApres, leLendemain + 0.2);
  EXPECT_NEAR(unAnApres, 4.0, 0.5);

  // The same game the same day or half a year later: time widens the belief.
  std::vector<PartieNotee> parties = Parties(3.0, 13, 31);
  for (PartieNotee& p : parties) p.date = Date{std::chrono::year(2026), std::chrono::month(3), std::chrono::day(1)};
  Cote memeJour = Cote::De(std::span(parties).first(30));
  Cote plusTard = memeJour;
  memeJour.Ajoute(parties.back());
  parties.back().date = Date{std::chrono::year(2026), std::chrono::month(9), std::chrono::day(1)};
  plusTard.Ajoute(parties.back());
  EXPECT_GT(plusTard.Ecart(), memeJour.Ecart() * 1.2);
  // Centuries later nothing is known any more: every strength alike again,
  // not piled up at the ends of the scale.
  Cote oubliee = Cote::De(std::span(parties).first(30));
  parties.back().date = Date{std::chrono::year(2999), std::chrono::month(1), std::chrono::day(1)};
  oubliee.Ajoute(parties.back());
  EXPECT_LT(oubliee.Croyance().front(), 0.05);
  EXPECT_LT(oubliee.Croyance().back(), 0.05);
  EXPECT_GT(oubliee.Ecart(), 0.8);
}

TEST(Cote, AGameTheModelCannotReadLeavesTheRatingAsItWas) {
  Cote cote = Cote::De(Parties(3.0, 21, 10));
  const auto avant = cote.Croyance();
  cote.Ajoute({ResumeEfforts{}, 40, true, 12, std::nullopt});  // a target out of reach found
  cote.Ajoute({Bassin()[0].resume, 0, false, 0, std::nullopt});  // no clock
  EXPECT_EQ(cote.Croyance(), avant);
  EXPECT_EQ(cote.Parties(), 10);
  // A thousand games the model finds all but impossible still leave a number.
  Cote etrange;
  for (int i = 0; i < 1000; ++i) etrange.Ajoute({Bassin()[1].resume, 40, true, 0.01, std::nullopt});
  EXPECT_TRUE(std::isfinite(etrange.Moyenne()));
  EXPECT_TRUE(std::isfinite(etrange.Ecart()));
}

TEST(Cote, ItsPredictedChancesComeTrueAsOftenAsTheySay) {
  double predites = 0;
  double variance = 0;
  int trouvees = 0;
  for (int joueur = 0; joueur < 10; ++joueur) {
    const double force = 1.2 + 0.4 * joueur;
    const std::vector<PartieNotee> parties = Parties(force, 300 + joueur, 80);
    Cote cote = Cote::De(std::span(parties).first(40));
    for (const PartieNotee& partie : std::span(parties).subspan(40)) {
      const double chance = cote.ChancePredite(partie.resume, partie.secondesDonnees);
      predites += chance;
      variance += chance * (1 - chance);
      trouvees += partie.trouvee ? 1 : 0;
      cote.Ajoute(partie);
    }
  }
  EXPECT_NEAR(trouvees, predites, 3 * std::sqrt(variance));
}

}  // namespace
}  // namespace tolvan
