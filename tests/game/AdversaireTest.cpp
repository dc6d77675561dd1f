#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <set>
#include <vector>

#include "engine/Atteignables.h"
#include "engine/SolutionText.h"
#include "game/Adversaire.h"
#include "game/EffortSolution.h"
#include "game/TableauNoir.h"
#include "game/Tirages.h"
#include "TiragesDeTest.h"

namespace tolvan {
namespace {

ReponseAdversaire Reponse(const TTirage& tirage, int force, std::uint64_t graine, double secondes = 40) {
  TirageCherche cherche(tirage);
  SolutionsVoisines solutions(cherche.solveur);
  return Adversaire(force, graine).Repond(solutions, secondes);
}

// Plays the answer's lines on a blackboard of the draw, as a player would
// press them; returns the board, or nothing when a press is refused or a
// number is not on the board.
std::optional<TableauNoir> TableauApres(const TTirage& tirage, const ReponseAdversaire& reponse) {
  TableauNoir tableau;
  tableau.Commence(tirage.Nombres);
  const longint jamaisAtteinte = -1;  // every line is finished, none wins
  const auto presseValeur = [&](longint valeur) {
    for (int t = 1; t <= NbNombres; ++t) {
      if (tableau.Tuiles[t].active && tableau.Tuiles[t].valeur == valeur) {
        return !tableau.Effectue(t, true, jamaisAtteinte).refusee;
      }
    }
    return false;
  };
  for (int k = 1; k <= reponse.solution.NbEtapes; ++k) {
    const TEtape& etape = reponse.solution.Etapes[k];
    if (!presseValeur(etape.Op1)) return std::nullopt;
    tableau.Effectue(6 + SigneDeOper[static_cast<std::size_t>(etape.Oper)], true, jamaisAtteinte);
    if (!presseValeur(etape.Op2)) return std::nullopt;
  }
  if (tableau.NbLignesFinies() != reponse.solution.NbEtapes) return std::nullopt;
  return tableau;
}

// The answer's last result on the board, as above.
std::optional<longint> RejoueSurLeTableau(const TTirage& tirage, const ReponseAdversaire& reponse) {
  const std::optional<TableauNoir> tableau = TableauApres(tirage, reponse);
  if (!tableau) return std::nullopt;
  return tableau->Lignes[static_cast<std::size_t>(reponse.solution.NbEtapes)].Resultat;
}

// The nearest to `cible` one more line of `annonce` and another number left
// on the board gets, by the game's rules.
longint EcartEnUneLigneDePlus(const TableauNoir& tableau, longint annonce, longint cible) {
  std::vector<longint> restants = tableau.NombresEnJeu();
  restants.erase(std::find(restants.begin(), restants.end(), annonce));
  longint ecart = std::abs(annonce - cible);
  for (const longint n : restants) {
    const longint grand = std::max(annonce, n);
    const longint petit = std::min(annonce, n);
    std::vector<longint> resultats = {grand + petit, grand * petit};
    if (grand > petit) resultats.push_back(grand - petit);
    if (petit > 0 && grand % petit == 0) resultats.push_back(grand / petit);
    for (const longint r : resultats) ecart = std::min(ecart, std::abs(r - cible));
  }
  return ecart;
}

TEST(Adversaire, AnswersTheSameDrawStrengthAndSeedTheSameWayWhateverWasAskedBefore) {
  const std::vector<TTirage> tirages = {Tirage({75, 25, 3, 7, 8, 2}, 812), Tirage({1, 1, 2, 2, 3, 3}, 999),
                                        Tirage({100, 9, 4, 6, 1, 10}, 457), Tirage({50, 5, 7, 7, 3, 9}, 931)};
  for (const TTirage& tirage : tirages) {
    TirageCherche cherche(tirage);
    SolutionsVoisines partagees(cherche.solveur);
    // The strongest first, so that the shared solutions already hold what
    // the others look at.
    for (int force = ForceMax; force >= ForceMin; --force) {
      for (const std::uint64_t graine : {0ULL, 7ULL, 123456789ULL}) {
        const ReponseAdversaire seule = Reponse(tirage, force, graine);
        const ReponseAdversaire apres = Adversaire(force, graine).Repond(partagees, 40);
        SCOPED_TRACE(testing::Message() << tirage.Resultat << " force " << force << " graine " << graine);
        EXPECT_EQ(seule.annonce, apres.annonce);
        EXPECT_EQ(seule.secondes, apres.secondes);
        EXPECT_EQ(seule.Lignes(), apres.Lignes());
      }
    }
  }
  // Seeds do change the answer: some of these differ in time or lines.
  std::vector<double> temps;
  for (std::uint64_t graine = 0; graine < 8; ++graine) temps.push_back(Reponse(tirages[0], 3, graine).secondes);
  EXPECT_GT(std::set<double>(temps.begin(), temps.end()).size(), 1u);
}

TEST(Adversaire, ItsLinesAreValidOnTheBoardReachItsNumberAndComeWithinTheTime) {
  std::vector<TTirage> tirages = TiragesAuHasard(40, 99);
  // Large numbers whose chains would leave the game's 32-bit numbers, a
  // draw with a 0 (from a file), and one with a single usable number.
  tirages.push_back(Tirage({999, 998, 997, 996, 995, 994}, 9973));
  tirages.push_back(Tirage({999, 999, 999, 999, 999, 999}, 1));
  tirages.push_back(Tirage({0, 7, 3, 100, 8, 9}, 731));
  tirages.push_back(Tirage({0, 0, 0, 0, 0, 5}, 5));
  for (std::size_t i = 0; i < tirages.size(); ++i) {
    TirageCherche cherche(tirages[i]);
    SolutionsVoisines solutions(cherche.solveur);
    for (int force = ForceMin; force <= ForceMax; ++force) {
      for (const double secondes : {40.0, 5.0}) {
        const ReponseAdversaire r = Adversaire(force, i).Repond(solutions, secondes);
        SCOPED_TRACE(testing::Message() << "tirage " << i << " force " << force << " en " << secondes << " s");
        EXPECT_LE(r.secondes, secondes);
        EXPECT_EQ(r.exact, r.annonce == tirages[i].Resultat);
        if (r.annonce == 0) {
          EXPECT_TRUE(r.Lignes().empty());
          continue;
        }
        EXPECT_EQ(RejoueSurLeTableau(tirages[i], r), r.annonce);
        ASSERT_FALSE(r.Lignes().empty());
        const std::string derniere = r.Lignes().back();
        EXPECT_EQ(derniere.substr(derniere.find('=') + 1), std::to_string(r.annonce));
      }
    }
  }
}

TEST(Adversaire, NoTimeMeansNoAnswerAndASoloNumberIsNeverAnAnswer) {
  const ReponseAdversaire rien = Reponse(Tirage({75, 25, 3, 7, 8, 2}, 100), ForceMax, 1, 0);
  EXPECT_EQ(rien.annonce, 0);
  EXPECT_FALSE(rien.exact);
  EXPECT_TRUE(rien.Lignes().empty());
  // 100 is on the board, yet an answer is always a line of the player's kind.
  const ReponseAdversaire cent = Reponse(Tirage({100, 25, 3, 7, 8, 2}, 100), ForceMax, 1);
  EXPECT_GE(cent.solution.NbEtapes, 1);
}

TEST(Adversaire, StrongerFindsMoreAndSoonerAndTheChampionEverythingWithinTenSeconds) {
  const std::vector<TTirage> tirages = TiragesAuHasard(200, 2027);
  std::array<int, ForceMax + 1> exacts{};
  // Per draw and strength, when it had the target (negative: it did not).
  std::vector<std::array<double, ForceMax + 1>> exactEn(tirages.size());
  Atteignables atteignables;
  for (std::size_t i = 0; i < tirages.size(); ++i) {
    TirageCherche cherche(tirages[i]);
    SolutionsVoisines solutions(cherche.solveur);
    for (int force = ForceMin; force <= ForceMax; ++force) {
      const ReponseAdversaire r = Adversaire(force, i).Repond(solutions, 40);
      exacts[static_cast<std::size_t>(force)] += r.exact ? 1 : 0;
      exactEn[i][static_cast<std::size_t>(force)] = r.exact ? r.secondes : -1;
      if (force != ForceMax) continue;
      EXPECT_LE(r.secondes, 10.0);
      if (cherche.Atteignable()) {
        EXPECT_TRUE(r.exact) << tirages[i].Resultat;
      } else {
        const std::array<longint, 6> nombres = {tirages[i].Nombres[1], tirages[i].Nombres[2], tirages[i].Nombres[3],
                                                tirages[i].Nombres[4], tirages[i].Nombres[5], tirages[i].Nombres[6]};
        atteignables.Calcule(nombres);
        EXPECT_EQ(std::abs(r.annonce - tirages[i].Resultat), atteignables.Ecart(tirages[i].Resultat));
      }
    }
  }
  for (int force = ForceMin; force < ForceMax; ++force) {
    const auto k = static_cast<std::size_t>(force);
    EXPECT_LT(exacts[k], exacts[k + 1]) << "force " << force;
    // On the draws both find, the stronger is quicker on the whole.
    double plusFaible = 0;
    double plusFort = 0;
    for (const auto& en : exactEn) {
      if (en[k] < 0 || en[k + 1] < 0) continue;
      plusFaible += en[k];
      plusFort += en[k + 1];
    }
    EXPECT_GT(plusFaible, plusFort) << "force " << force;
  }
  // Roughly the calibrated shares (35 % for the beginner, 80 % for the expert).
  EXPECT_NEAR(exacts[1] / 200.0, 0.35, 0.1);
  EXPECT_NEAR(exacts[4] / 200.0, 0.80, 0.1);
}

TEST(Adversaire, ItsMissesAreNeverOneObviousLineShort) {
  // 399 for 398 with the 1 left, or 397 with a 1 left, would be such misses.
  std::vector<TTirage> tirages = {Tirage({3, 7, 1, 8, 50, 6}, 398), Tirage({100, 4, 9, 8, 2, 6}, 438),
                                  Tirage({1, 5, 6, 9, 10, 75}, 853), Tirage({25, 3, 3, 6, 8, 9}, 947)};
  const std::vector<TTirage> auHasard = TiragesAuHasard(150, 33);
  tirages.insert(tirages.end(), auHasard.begin(), auHasard.end());
  int rates = 0;
  for (std::size_t i = 0; i < tirages.size(); ++i) {
    TirageCherche cherche(tirages[i]);
    SolutionsVoisines solutions(cherche.solveur);
    for (int force = ForceMin; force <= ForceMax; ++force) {
      for (const double secondes : {40.0, 10.0}) {
        const ReponseAdversaire r = Adversaire(force, i).Repond(solutions, secondes);
        if (r.exact || r.annonce == 0) continue;
        ++rates;
        SCOPED_TRACE(testing::Message() << "tirage " << i << " force " << force << " en " << secondes << " s : "
                                        << testing::PrintToString(r.Lignes()));
        const std::optional<TableauNoir> tableau = TableauApres(tirages[i], r);
        ASSERT_TRUE(tableau.has_value());
        EXPECT_EQ(EcartEnUneLigneDePlus(*tableau, r.annonce, tirages[i].Resultat),
                  std::abs(r.annonce - tirages[i].Resultat));
      }
    }
  }
  EXPECT_GT(rates, 300);  // the weaker strengths miss often enough to tell
}

// The mean distance of the announcements that miss `tirages`' targets, by
// strength (index 1 to 5), each draw answered with its own seed.
std::array<double, ForceMax + 1> EcartsMoyensDesRates(const std::vector<TTirage>& tirages) {
  std::array<double, ForceMax + 1> somme{};
  std::array<int, ForceMax + 1> nombre{};
  for (std::size_t i = 0; i < tirages.size(); ++i) {
    TirageCherche cherche(tirages[i]);
    SolutionsVoisines solutions(cherche.solveur);
    for (int force = ForceMin; force <= ForceMax; ++force) {
      const ReponseAdversaire r = Adversaire(force, i).Repond(solutions, 40);
      if (r.exact || r.annonce == 0) continue;
      somme[static_cast<std::size_t>(force)] += std::abs(r.annonce - tirages[i].Resultat);
      ++nombre[static_cast<std::size_t>(force)];
    }
  }
  for (std::size_t force = 1; force <= ForceMax; ++force) somme[force] /= std::max(1, nombre[force]);
  return somme;
}

TEST(Adversaire, ItsMissesComeNearerAsStrengthRises) {
  const std::vector<TTirage> tirages = TiragesAuHasard(2500, 41);
  std::vector<TTirage> atteignables;
  std::vector<TTirage> impossibles;
  Atteignables atteint;
  for (const TTirage& tirage : tirages) {
    const std::array<longint, 6> nombres = {tirage.Nombres[1], tirage.Nombres[2], tirage.Nombres[3],
                                            tirage.Nombres[4], tirage.Nombres[5], tirage.Nombres[6]};
    atteint.Calcule(nombres);
    if (atteint.Ecart(tirage.Resultat) > 0) {
      impossibles.push_back(tirage);
    } else if (atteignables.size() < 300) {
      atteignables.push_back(tirage);
    }
  }
  ASSERT_GT(impossibles.size(), 100u);
  // Out of reach, every strength misses: the stronger gets nearer, the
  // champion as near as can be.
  const auto horsDePortee = EcartsMoyensDesRates(impossibles);
  SCOPED_TRACE(testing::PrintToString(horsDePortee));
  for (int force = ForceMin; force < ForceMax; ++force) {
    EXPECT_GT(horsDePortee[static_cast<std::size_t>(force)], horsDePortee[static_cast<std::size_t>(force + 1)]);
  }
  // Within reach, the beginner's misses are farther than the expert's.
  const auto aPortee = EcartsMoyensDesRates(atteignables);
  SCOPED_TRACE(testing::PrintToString(aPortee));
  EXPECT_GT(aPortee[1], aPortee[4] * 1.2);
}

TEST(Adversaire, LooksAtFewNumbersBeyondTheDrawsOwnSearchWhateverTheDraw) {
  // Numbers whose simple chains are all far from the target, and a draw
  // with little within reach.
  for (const TTirage& tirage : {Tirage({999, 998, 997, 996, 995, 994}, 999), Tirage({999, 998, 997, 996, 995, 994}, 101),
                                Tirage({1, 1, 1, 1, 1, 2}, 999)}) {
    TirageCherche cherche(tirage);
    for (int force = ForceMin; force <= ForceMax; ++force) {
      for (const double secondes : {0.0, 5.0, 40.0}) {
        SolutionsVoisines solutions(cherche.solveur);
        Adversaire(force, 3).Repond(solutions, secondes);
        EXPECT_LE(solutions.Recherches(), NombresVoisinsRegardes) << tirage.Resultat << " force " << force;
      }
    }
  }
}

TEST(EffortSolution, WeighsLinesAwkwardNumbersAndGoingFarPastTheTarget) {
  const auto effort = [](std::vector<TEtape> etapes) {
    TSolution s;
    s.NbEtapes = static_cast<word>(etapes.size());
    for (std::size_t k = 0; k < etapes.size(); ++k) {
      s.Etapes[k + 1] = etapes[k];
      s.Resultats[k + 1] = Calcule(etapes[k]);
    }
    return EffortSolution(s, s.Resultats[s.NbEtapes]);
  };
  const double uneLigne = effort({{75, 25, OperAddition}});
  EXPECT_DOUBLE_EQ(uneLigne, 1.0);
  EXPECT_GT(effort({{75, 25, OperAddition}, {100, 7, OperMultiplication}}), uneLigne);
  // An awkward product against an easy one.
  EXPECT_GT(effort({{13, 17, OperMultiplication}}), effort({{25, 13, OperMultiplication}}));
  // A division, and a divisor above 10.
  EXPECT_GT(effort({{100, 4, OperDivision}}), uneLigne);
  EXPECT_GT(effort({{100, 20, OperDivision}}), effort({{100, 4, OperDivision}}));
  // An intermediate result kept in mind that is not round.
  EXPECT_GT(effort({{9, 8, OperMultiplication}, {72, 3, OperAddition}}),
            effort({{9, 5, OperMultiplication}, {45, 3, OperAddition}}));
  // Going to 7500 to come back to 300 against staying below.
  EXPECT_GT(effort({{100, 75, OperMultiplication}, {7500, 25, OperDivision}}),
            effort({{75, 25, OperAddition}, {100, 3, OperMultiplication}}));
}

}  // namespace
}  // namespace tolvan
