#include <gtest/gtest.h>

#include <algorithm>

#include "JeuDeTest.h"

namespace tolvan::test {
namespace {

// A game on 25 50 75 100 3 6 → 303, and the field where a player types.
struct Champ : JeuDeTest {
  explicit Champ(int choixTemps = 0) {
    jeu->ChoisitTemps(choixTemps);
    plateforme.tirages = HasardDe303;
    jeu->NouvellePartie();
  }
  ReponseDuChamp Tape(const std::string& texte) { return jeu->TapeCalcul(texte); }
  const TableauNoir& Tableau() const { return jeu->manche().Tableau(); }
  // What the board shows and holds, whichever tiles hold the numbers.
  std::pair<std::array<std::string, NbLignes>, std::vector<longint>> Plateau() const {
    std::vector<longint> nombres = Tableau().NombresEnJeu();
    std::sort(nombres.begin(), nombres.end());
    return {Tableau().Textes(), nombres};
  }
};

// Typed or pressed, a line is the same to the board, the sounds and the coach.
TEST(ChampDeCalcul, ACalculationPlaysItsLinesAsTheTilesWould) {
  Champ tape;
  Champ presse;
  for (Champ* t : {&tape, &presse}) t->jeu->ChangeCoach(true);
  const ReponseDuChamp reponse = tape.Tape("(75+25)x3");
  presse.Presse({3, CodePlus, 1, 1, CodeFois, 5});

  EXPECT_EQ(tape.Tableau().Textes(), (std::array<std::string, NbLignes>{"75+25=100", "100x3=300", "", "", ""}));
  EXPECT_EQ(tape.Plateau(), presse.Plateau());
  EXPECT_EQ(tape.plateforme.sons, presse.plateforme.sons);
  const std::string coach = presse.jeu->aides().TexteCoach();
  ASSERT_FALSE(coach.empty());
  EXPECT_EQ(tape.jeu->aides().TexteCoach(), coach);
  EXPECT_EQ(reponse.phrase, QString::fromStdString("Joué : 75+25=100, 100x3=300. " + coach));
  EXPECT_FALSE(reponse.garde);
  EXPECT_TRUE(tape.jeu->manche().PartieEnJeu());
}

// The target reached mid-calculation wins there: the game ends, is scored
// and recorded with the lines played, the rest is not played.
TEST(ChampDeCalcul, ALineThatReachesTheTargetWinsAndTheRestIsNotPlayed) {
  Champ t;
  t.Tique(4);
  const ReponseDuChamp reponse = t.Tape("6x50+3+25");
  EXPECT_EQ(reponse.phrase.left(28), "Joué : 6x50=300, 300+3=303.");
  EXPECT_TRUE(t.jeu->manche().Gagnee());
  EXPECT_EQ(t.Tableau().NbLignesFinies(), 2);
  EXPECT_EQ(t.jeu->manche().Scores(), (std::vector<LigneScore>{{"=>", "4'"}}));
  const std::vector<PartieJouee> parties = t.jeu->historique().Dernieres(1);
  ASSERT_EQ(parties.size(), 1u);
  EXPECT_TRUE(parties[0].trouve);
  EXPECT_EQ(parties[0].lignes, 2);
}

// A refused calculation says why and plays nothing: the line begun with
// the tiles stays as it was, and so does everything else.
TEST(ChampDeCalcul, ARefusedCalculationSaysWhyAndLeavesTheBoardAsItWas) {
  Champ t;
  t.Presse({1, CodePlus});
  const auto avant = t.Tableau().Textes();
  const auto nombres = t.Tableau().NombresEnJeu();
  const std::vector<QString> sons = t.plateforme.sons;
  for (const auto& [texte, raison] : std::vector<std::pair<std::string, QString>>{
           {"75x4", "4 n'est plus en jeu"},
           {"25x25", "25 n'est pas en jeu autant de fois"},
           {"(75+3", "parenthèse non fermée : « ( » attend « ) »"},
           {"100/3", "100/3 ne tombe pas juste"},
           {"3-6", "3-6 donne un nombre négatif"},
           {"75x3=226", "le calcul donne 225, pas 226"},
           {"h", "« h » n'a pas sa place dans un calcul"},
       }) {
    const ReponseDuChamp reponse = t.Tape(texte);
    EXPECT_EQ(reponse.phrase, "Refusé : " + raison + ".") << texte;
    EXPECT_TRUE(reponse.garde) << texte;
    EXPECT_EQ(t.Tableau().Textes(), avant) << texte;
    EXPECT_EQ(t.Tableau().NombresEnJeu(), nombres) << texte;
    EXPECT_EQ(t.plateforme.sons, sons) << texte;
  }
}

// The first number of a line begun with the tiles is in play again for
// the calculation, which takes the line back before it plays.
TEST(ChampDeCalcul, ALineBegunWithTheTilesIsTakenBackFirst) {
  Champ t;
  t.Presse({6, CodeFois});
  EXPECT_EQ(t.Tape("6x50").phrase, "Joué : 6x50=300.");
  EXPECT_EQ(t.Tableau().Textes()[0], "6x50=300");
  EXPECT_EQ(t.Tableau().Textes()[1], "");
}

// As an operator pressed first on the board, a calculation that starts
// with one goes on from the last line's result; with no line yet, there is
// nothing on its left.
TEST(ChampDeCalcul, ACalculationStartingWithAnOperationGoesOnFromTheLastResult) {
  Champ t;
  EXPECT_EQ(t.Tape("+3").phrase, "Refusé : « + » n'a rien à sa gauche.");
  t.Tape("6x50");
  EXPECT_EQ(t.Tape(" \u00D7 3").phrase, "Joué : 300x3=900.");
  t.Presse({CodeMoins});  // a line begun from the 900
  EXPECT_EQ(t.Tape("-100+25").phrase, "Joué : 900-100=800, 800+25=825.");
}

TEST(ChampDeCalcul, TheShortCommandsAnswerInOneSentence) {
  Champ t;
  EXPECT_EQ(t.Tape("n").phrase, "En jeu : 25 50 75 100 3 6 ; à trouver : 303.");
  t.Tape("6x50");
  // The 300 is on the tile of the 50, where the line left it.
  EXPECT_EQ(t.Tape(" N ").phrase, "En jeu : 25 300 75 100 3 ; à trouver : 303.");
  EXPECT_EQ(t.Tape("r").phrase, "Repris : 6x50=300.");
  EXPECT_EQ(t.Tableau().Textes()[0], "");
  t.Presse({1, CodePlus});
  EXPECT_EQ(t.Tape("R").phrase, "Repris : 25+.");
  const ReponseDuChamp rien = t.Tape("r");
  EXPECT_EQ(rien.phrase, "Rien à reprendre.");
  EXPECT_FALSE(rien.garde);

  EXPECT_EQ(t.Tape("i").phrase, QString::fromStdString(t.jeu->Textes().coach.possibleDIci));
  EXPECT_EQ(t.jeu->aides().IndicesUtilises(), 1);
  const QString deuxieme = t.Tape("i").phrase;
  EXPECT_EQ(deuxieme, QString::fromStdString(t.jeu->aides().TexteIndice()));
  EXPECT_NE(deuxieme, QString::fromStdString(t.jeu->Textes().coach.possibleDIci)) << "the next step";
  EXPECT_EQ(t.jeu->aides().IndicesUtilises(), 2);
}

// "?" says what the clock shows, and no more than it shows.
TEST(ChampDeCalcul, TheClockIsSaidAsItShows) {
  for (const auto& [choix, dit] : std::vector<std::pair<int, QString>>{
           {1, "Il reste 0:13."}, {0, "Chrono 0:07."}, {ChoixChronoCache, "Chrono caché."}, {ChoixSansChrono, "Sans chrono."}}) {
    Champ t(choix);
    t.Tique(7);
    EXPECT_EQ(t.Tape("?").phrase, dit) << choix;
  }
}

// A way to play without help plays typed calculations but gives no hint.
TEST(ChampDeCalcul, AWayToPlayWithoutHelpGivesNoHint) {
  JeuDeTest t;
  ReglageDuel duel;
  duel.force = 3;
  t.plateforme.tirages = HasardDe303;
  ASSERT_TRUE(t.Lance("BTduel", duel));
  t.jeu->PartieSuivante();
  ASSERT_TRUE(t.jeu->manche().PartieEnJeu());
  EXPECT_EQ(t.jeu->TapeCalcul("i").phrase, "Pas d'indice dans cette partie.");
  EXPECT_EQ(t.jeu->aides().IndicesUtilises(), 0);
  EXPECT_EQ(t.jeu->TapeCalcul("6x50+3").phrase, "Joué : 6x50=300, 300+3=303.");
  EXPECT_TRUE(t.jeu->manche().Gagnee());

  JeuDeTest niveau;
  niveau.PrepareNiveau();
  niveau.jeu->InterditAides(true);
  ASSERT_TRUE(niveau.Lance("BTstart"));
  EXPECT_EQ(niveau.jeu->TapeCalcul("i").phrase, "Pas d'indice dans cette partie.");
}

// With results typed by the player, a calculation brings its result, and
// each line is answered as the answer field would.
TEST(ChampDeCalcul, APlayerWhoTypesResultsTypesTheCalculationsToo) {
  Champ tape;
  Champ presse;
  for (Champ* t : {&tape, &presse}) t->jeu->ChangeCase(&Options::resultatsAuto, false);
  const ReponseDuChamp sansResultat = tape.Tape("6x50");
  EXPECT_EQ(sansResultat.phrase, "Refusé : écrivez le résultat après « = ».");
  EXPECT_EQ(tape.Tableau().Textes()[0], "");
  EXPECT_EQ(tape.Tape("6x50=300").phrase, "Joué : 6x50=300.");
  presse.Presse({6, CodeFois, 2});
  presse.jeu->Repond("300");
  EXPECT_EQ(tape.Plateau(), presse.Plateau());
  EXPECT_EQ(tape.plateforme.sons, presse.plateforme.sons);
  EXPECT_FALSE(tape.Tableau().ReponseAttendue());
}

TEST(ChampDeCalcul, NothingIsPlayedBetweenGames) {
  JeuDeTest t;
  const ReponseDuChamp reponse = t.jeu->TapeCalcul("6x50");
  EXPECT_EQ(reponse.phrase, "Aucune partie en cours.");
  EXPECT_TRUE(reponse.garde);
}

TEST(ChampDeCalcul, AnswersAreInTheLanguageChosen) {
  Champ t;
  t.jeu->ChargeLangue(QStringLiteral(TOLVAN_DATA_DIR "/english.tvl"), [](int, const QString&) {});
  ASSERT_TRUE(t.plateforme.messages.empty());
  EXPECT_EQ(t.Tape("75x4").phrase, "Refused: 4 is no longer in play.");
  EXPECT_EQ(t.Tape("n").phrase, "In play: 25 50 75 100 3 6; target: 303.");
  EXPECT_EQ(t.Tape("75+25").phrase, "Played: 75+25=100.");
  EXPECT_EQ(t.jeu->Textes().champ.invite, "Type a calculation (F3)");
}

}  // namespace
}  // namespace tolvan::test
