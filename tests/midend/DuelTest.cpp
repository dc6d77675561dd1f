#include <gtest/gtest.h>

#include <cmath>

#include "JeuDeTest.h"
#include "game/Adversaire.h"
#include "game/SolutionsVoisines.h"

namespace tolvan::test {
namespace {

// The computer's answer to `tirage` as its strength and seed give it, asked
// straight of the opponent, for the duel to be compared with.
ReponseAdversaire ReponseDe(const TTirage& tirage, int force, std::uint64_t graine) {
  Solveur solveur;
  solveur.ChangeTirage(tirage);
  solveur.ChercheSol(0);
  SolutionsVoisines solutions(solveur);
  return Adversaire(force, graine).Repond(solutions, 40);
}

std::vector<PartieJouee> Historie(const JeuDeTest& t, int nombre) {
  std::vector<PartieJouee> parties = t.jeu->historique().Dernieres(nombre);
  std::reverse(parties.begin(), parties.end());
  return parties;
}

// Three draws against "Joueur de club" at 40 seconds: the target found, one
// line written before the time ran out, nothing at all. Each go is scored
// on the clubs' scale beside the computer's answer, which the desktop's
// random numbers replay; the score runs on, the history keeps every go.
TEST(Duel, ThreeDrawsAgainstTheComputerAreScoredRecordedAndWon) {
  JeuDeTest t;
  // Each draw's six slots and target, then the computer's seed.
  t.plateforme.tirages = {20, 21, 22, 23, 4, 10, 202, 1111,   // 25 50 75 100 3 6 -> 303
                          18, 19, 0, 2, 5, 21, 400, 2222,     // 10 10 1 2 3 50 -> 501
                          20, 22, 1, 3, 7, 9, 777, 3333};     // 25 75 1 2 4 5 -> 878
  ReglageDuel reglage;
  reglage.force = 3;
  reglage.nbTirages = 3;
  reglage.choixTemps = 2;  // 40 s
  ASSERT_TRUE(t.jeu->Facon("BTduel").actif);
  ASSERT_TRUE(t.Lance("BTduel", reglage));
  EXPECT_EQ(t.Bilan(), (QStringList{"Tirage 1 sur 3", "À vous de jouer"}));
  EXPECT_FALSE(t.jeu->PeutRejouer());
  EXPECT_FALSE(t.jeu->AidesPermises());
  EXPECT_FALSE(t.jeu->SolutionsPermises());

  // Draw 1: 303 found at 5 seconds.
  t.jeu->PartieSuivante();
  ASSERT_EQ(t.jeu->Tirage().Resultat, 303);
  EXPECT_TRUE(t.jeu->manche().PartieEnJeu());
  EXPECT_EQ(t.jeu->horloge().cadence(), (Cadence{40, GenreHorloge::Rebours}));
  t.Tique(5);
  t.jeu->PartieSuivante();
  EXPECT_EQ(t.jeu->manche().Ecoule(), 5) << "a go under way is not dealt again";
  t.Trouve303();
  // Draw 2: one line, 10x50=500, then the time runs out.
  t.jeu->PartieSuivante();
  ASSERT_EQ(t.jeu->Tirage().Resultat, 501);
  t.Presse({1, CodeFois, 6});
  t.Tique(40);
  // Draw 3: nothing written.
  t.jeu->PartieSuivante();
  ASSERT_EQ(t.jeu->Tirage().Resultat, 878);
  t.Tique(40);

  const Duel* duel = t.DuelAuBilan();
  ASSERT_TRUE(duel);
  ASSERT_TRUE(duel->Fini());
  ASSERT_EQ(duel->Tirages().size(), 3u);
  const std::array<int, 3> points = {10, 9, 0};  // exact, 1 away, nothing
  const std::array<std::optional<longint>, 3> resultats = {303, 500, std::nullopt};
  const std::array<double, 3> secondes = {5, 40, 40};
  const std::array<std::uint64_t, 3> graines = {1111, 2222, 3333};
  int pointsOrdinateur = 0;
  for (std::size_t i = 0; i < 3; ++i) {
    const TirageDuel& tirage = duel->Tirages()[i];
    EXPECT_EQ(tirage.tours[0]->resultat, resultats[i]) << i;
    EXPECT_EQ(tirage.tours[0]->points, points[i]) << i;
    EXPECT_EQ(tirage.tours[0]->secondes, secondes[i]) << i;
    const ReponseAdversaire attendue = ReponseDe(tirage.tirage, 3, graines[i]);
    const Tour& ordinateur = *tirage.tours[1];
    EXPECT_EQ(ordinateur.resultat.value_or(0), attendue.annonce) << i;
    EXPECT_EQ(ordinateur.lignes, attendue.Lignes()) << i;
    // A miss takes the whole clock, as the player's does.
    EXPECT_EQ(ordinateur.secondes, attendue.exact ? std::round(attendue.secondes * 10) / 10 : 40.0) << i;
    EXPECT_EQ(ordinateur.points, PointsDuDuel(ordinateur.resultat, tirage.tirage.Resultat)) << i;
    pointsOrdinateur += ordinateur.points;
  }
  EXPECT_EQ(duel->Tirages()[0].tours[0]->lignes, (std::vector<std::string>{"6x50=300", "300+3=303"}));
  EXPECT_EQ(duel->Tirages()[1].tours[0]->lignes, (std::vector<std::string>{"10x50=500"}));
  EXPECT_EQ(duel->Points(), (std::array<int, 2>{19, pointsOrdinateur}));
  ASSERT_TRUE(duel->Vainqueur() || pointsOrdinateur == 19);
  const QStringList bilan = t.Bilan();
  EXPECT_EQ(bilan.front(), "Fin du duel");
  EXPECT_TRUE(bilan.contains("Vous : rien, 0 point"));
  EXPECT_TRUE(bilan.contains(QStringLiteral("Score : Vous 19, Joueur de club %1").arg(pointsOrdinateur)));
  EXPECT_EQ(bilan.back(), pointsOrdinateur < 19 ? QStringLiteral("Vous gagnez le duel !")
                                                : QStringLiteral("Joueur de club gagne le duel !"));

  const std::vector<PartieJouee> parties = Historie(t, 3);
  ASSERT_EQ(parties.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(parties[i].mode, ModePartie::Duel);
    EXPECT_EQ(parties[i].adversaire, "Joueur de club");
    EXPECT_EQ(parties[i].points, points[i]);
    EXPECT_EQ(parties[i].trouve, i == 0);
  }
  // After the last draw, the next game is a training game again.
  EXPECT_FALSE(t.jeu->SerieEnCours());
  t.jeu->PartieSuivante();
  EXPECT_EQ(t.DuelAuBilan(), nullptr);
  EXPECT_EQ(t.jeu->regime().Permis(), Permissions{}) << "training";
  EXPECT_TRUE(t.jeu->manche().PartieEnJeu());
}

// Two players on one computer: each plays each draw with the whole clock,
// in turn, starting every other draw, and never sees the other's lines
// before both have played. Equal points go to the shorter total time.
TEST(Duel, TwoPlayersTakeTurnsOnTheSameDrawsAndEqualPointsGoToTheQuicker) {
  JeuDeTest t;
  t.plateforme.tirages = HasardDe303;
  ReglageDuel reglage;
  reglage.force.reset();
  reglage.joueurs = {QStringLiteral("Alice"), QStringLiteral(" Bob ")};
  reglage.nbTirages = 2;
  reglage.choixTemps = 9;  // 30 s
  ASSERT_TRUE(t.Lance("BTduel", reglage));
  EXPECT_EQ(t.Bilan(), (QStringList{"Tirage 1 sur 2", "À Alice de jouer"}));

  // Draw 1: Alice finds 303 in 10 s; Bob writes 100-75=25 and runs out.
  t.jeu->PartieSuivante();
  EXPECT_EQ(t.jeu->horloge().cadence(), (Cadence{30, GenreHorloge::Rebours}));
  t.Tique(10);
  t.Trouve303();
  EXPECT_EQ(t.Bilan(),
            (QStringList{"Tirage 1 sur 2", "Alice a joué : ses lignes restent cachées", "À Bob de jouer"}));
  t.jeu->PartieSuivante();
  EXPECT_EQ(t.jeu->Tirage().Resultat, 303);
  EXPECT_EQ(t.jeu->manche().Tableau().NbLignesFinies(), 0) << "Bob starts on a clean board";
  EXPECT_EQ(t.jeu->manche().Ecoule(), 0) << "with the whole clock";
  t.Presse({4, CodeMoins, 3});
  t.Tique(30);
  EXPECT_EQ(t.Bilan(), (QStringList{"Tirage 1 sur 2", "303 : 25 50 75 100 3 6", "Alice : 303 en 10 s, 10 points",
                                             "6x50=300, 300+3=303", "Bob : 25 en 30 s, 0 point", "100-75=25",
                                             "Score : Alice 10, Bob 0", "Tirage 2 sur 2 : À Bob de jouer"}));

  // Draw 2: Bob first, finds it in 3 s; Alice writes nothing.
  t.jeu->PartieSuivante();
  t.Tique(3);
  t.Trouve303();
  t.jeu->PartieSuivante();
  t.Tique(30);
  const Duel* duel = t.DuelAuBilan();
  ASSERT_TRUE(duel && duel->Fini());
  EXPECT_EQ(duel->Points(), (std::array<int, 2>{10, 10}));
  EXPECT_EQ(duel->Temps(), (std::array<double, 2>{40, 33}));
  EXPECT_EQ(duel->Vainqueur(), 1);
  const QStringList bilan = t.Bilan();
  EXPECT_EQ(bilan.mid(bilan.size() - 3),
            (QStringList{"Score : Alice 10, Bob 10", "Bob gagne le duel !",
                         "À égalité de points, au temps : 33 s contre 40 s."}));

  const std::vector<PartieJouee> parties = Historie(t, 4);
  ASSERT_EQ(parties.size(), 4u);
  const std::array<QString, 4> adversaires = {"Bob", "Alice", "Alice", "Bob"};
  const std::array<int, 4> points = {10, 0, 10, 0};
  // Alice, the first player, is the player at the keyboard: Bob's goes are
  // kept in the history but are not hers.
  const std::array<ModePartie, 4> modes = {ModePartie::Duel, ModePartie::DuelAutreJoueur,
                                           ModePartie::DuelAutreJoueur, ModePartie::Duel};
  EXPECT_EQ(t.jeu->BilanDesParties().parties, 2);
  EXPECT_EQ(t.jeu->DernieresParties().size(), 2u);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(parties[i].mode, modes[i]) << i;
    EXPECT_EQ(parties[i].adversaire, adversaires[i]) << i;
    EXPECT_EQ(parties[i].points, points[i]) << i;
  }
}

// A go found is timed to the tenth from the desktop's clock, the player's
// as the computer's; a go that misses the target counts the whole clock
// for either; equal points go to the fewer tenths, said in the language's
// own figures.
TEST(Duel, GoesAreTimedToTheTenthAndAMissCountsTheWholeClockForEither) {
  JeuDeTest t;
  t.plateforme.tirages = HasardDe303;
  ReglageDuel deux;
  deux.force.reset();
  deux.joueurs = {QStringLiteral("Alice"), QStringLiteral("Bob")};
  deux.nbTirages = 1;
  ASSERT_TRUE(t.Lance("BTduel", deux));
  t.jeu->PartieSuivante();
  t.plateforme.instant += 2750;  // 2.75 s: the clock has taken 2 of them
  t.jeu->Tique();
  EXPECT_EQ(t.jeu->manche().Ecoule(), 2);
  t.Trouve303();
  t.jeu->PartieSuivante();
  t.plateforme.instant += 2999;
  t.Trouve303();
  const Duel* duel = t.DuelAuBilan();
  ASSERT_TRUE(duel && duel->Fini());
  EXPECT_EQ(duel->Tirages()[0].tours[0]->secondes, 2.7);
  EXPECT_EQ(duel->Tirages()[0].tours[1]->secondes, 2.9);
  EXPECT_EQ(duel->Vainqueur(), 0);
  QStringList bilan = t.Bilan();
  EXPECT_TRUE(bilan.contains("Alice : 303 en 2,7 s, 10 points"));
  EXPECT_EQ(bilan.back(), "À égalité de points, au temps : 2,7 s contre 2,9 s.");
  // In English: a point, and no space before a colon.
  t.jeu->DefinitTexte(&TextesMessages::MsgVirgule, ".");
  t.jeu->DefinitTexte(&TextesMessages::MsgDeuxPoints, "%1: %2");
  t.jeu->DefinitTexte(&TextesMessages::MsgDuelAuTemps, "Level on points, decided on time: %1 s against %2 s.");
  bilan = t.Bilan();
  EXPECT_EQ(bilan.back(), "Level on points, decided on time: 2.7 s against 2.9 s.");
  EXPECT_EQ(bilan[1], "303: 25 50 75 100 3 6");

  // Against a beginner at 20 seconds, over ten draws: each of its misses
  // takes the whole clock, each of its finds the tenth it found it at.
  JeuDeTest contre;
  ReglageDuel debutant;
  debutant.force = 1;
  debutant.nbTirages = 10;
  debutant.choixTemps = 1;
  ASSERT_TRUE(contre.Lance("BTduel", debutant));
  int rates = 0;
  while (contre.jeu->SerieEnCours()) {
    contre.jeu->PartieSuivante();
    const TirageDuel& tirage = contre.DuelAuBilan()->Tirages().back();
    const Tour& ordinateur = *tirage.tours[1];
    if (ordinateur.resultat != tirage.tirage.Resultat) {
      ++rates;
      EXPECT_EQ(ordinateur.secondes, 20.0);
    } else {
      EXPECT_LE(ordinateur.secondes, 20.0);
      EXPECT_EQ(ordinateur.secondes * 10, std::round(ordinateur.secondes * 10));
    }
    contre.Tique(20);
  }
  EXPECT_GT(rates, 0) << "a beginner misses some of ten draws";
  EXPECT_EQ(contre.DuelAuBilan()->Temps()[0], 200.0);
}

// Between the two goes of a draw the board and its clock keep the first
// player's go to themselves, until the second player's go starts on a
// clean board; against the computer nothing is ever hidden.
TEST(Duel, TheBoardIsHiddenBetweenTwoPlayersGoesAtTheSameDraw) {
  JeuDeTest t;
  t.plateforme.tirages = HasardDe303;
  ReglageDuel deux;
  deux.force.reset();
  deux.nbTirages = 2;
  ASSERT_TRUE(t.Lance("BTduel", deux));
  EXPECT_FALSE(t.jeu->TableauCache()) << "nothing played yet";
  t.jeu->PartieSuivante();
  t.Presse({1, CodeFois, 2});
  EXPECT_FALSE(t.jeu->TableauCache()) << "the player sees their own go";
  t.Tique(40);
  EXPECT_TRUE(t.jeu->TableauCache());
  t.jeu->PartieSuivante();
  EXPECT_FALSE(t.jeu->TableauCache());
  t.Trouve303();
  EXPECT_FALSE(t.jeu->TableauCache()) << "both have played: the summary shows both";

  JeuDeTest contre;
  contre.plateforme.tirages = HasardDe303;
  ASSERT_TRUE(contre.Lance("BTduel", ReglageDuel{}));
  contre.jeu->PartieSuivante();
  contre.Trouve303();
  EXPECT_FALSE(contre.jeu->TableauCache());
  contre.jeu->PartieSuivante();
  contre.Tique(40);
  EXPECT_FALSE(contre.jeu->TableauCache());
}

// A duel under way is given up only when the player agrees; none starts
// in competition.
TEST(Duel, ANewDuelAsksBeforeGivingUpTheOneUnderWay) {
  JeuDeTest t;
  t.plateforme.tirages = HasardDe303;
  ReglageDuel deux;
  deux.force.reset();
  ASSERT_TRUE(t.Lance("BTduel", deux));
  t.jeu->PartieSuivante();
  EXPECT_FALSE(t.jeu->PeutChangerDeMode());
  t.plateforme.reponses = {Reponse::Non};
  EXPECT_FALSE(t.jeu->Commence("BTduel", ReglageDuel{}));
  EXPECT_TRUE(t.jeu->manche().PartieEnJeu()) << "the go goes on";
  t.plateforme.reponses = {Reponse::Oui};
  ASSERT_TRUE(t.jeu->Commence("BTduel", ReglageDuel{}));
  EXPECT_EQ(t.plateforme.messages.back().texte, "Abandonner le duel en cours ?");
  EXPECT_TRUE(t.DuelAuBilan()->ContreOrdinateur());
  EXPECT_FALSE(t.jeu->manche().PartieEnJeu());
  EXPECT_EQ(t.jeu->historique().Dernieres(10).size(), 0u) << "a go given up is not a game played";

  JeuDeTest competition;
  competition.jeu->ChangeModeCompetition(true);
  EXPECT_FALSE(competition.jeu->Facon("BTduel").actif);
  EXPECT_FALSE(competition.Lance("BTduel", ReglageDuel{}));
}

}  // namespace
}  // namespace tolvan::test
