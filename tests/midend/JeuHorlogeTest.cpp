#include <gtest/gtest.h>

#include <functional>

#include <QFile>
#include <QTemporaryDir>

#include "PlateformeDeTest.h"
#include "midend/Jeu.h"

namespace tolvan::test {
namespace {

// The window as the game sees it: it only counts the games that ended.
struct VueComptee : VueJeu {
  int partiesFinies = 0;
  void LigneRefusee(int) override {}
  void ReponseDemandee() override {}
  std::optional<QString> NomDuJoueur() override { return QStringLiteral("Zoé"); }
  void Avance(int) override {}
  void AvantCalcul() override {}
  void DebutTravail(int) override {}
  void FinTravail() override {}
  void PartieFinie() override { ++partiesFinies; }
};

// Slots of the pool for 25 50 75 100 3 6, then 101 + 202 = 303.
const std::vector<int> TirageDe303 = {20, 21, 22, 23, 4, 10, 202};

struct Partie {
  PlateformeDeTest plateforme;
  VueComptee vue;
  QTemporaryDir dossier;
  Jeu jeu{plateforme, vue, dossier.path() + QLatin1Char('/')};

  Partie() {
    jeu.Demarre();
    plateforme.tirages = TirageDe303;
  }
  void Tique(int fois) {
    for (int i = 0; i < fois; ++i) jeu.Tique();
  }
  void Trouve303() {
    for (int code : {6, CodeFois, 2, CodePlus, 5}) jeu.Presse(code);
  }
  // A level of one draw, 303, with its time.
  void ChargeNiveau() {
    QByteArray niveau = "Test\r\ntirages.tir\r\n40\r\n";
    for (int i = 0; i < 10; ++i) niveau += "0\r\n\r\n0\r\n";
    Ecrit("niveau.niv", niveau);
    Ecrit("tirages.tir", "303\t25\t50\t75\t100\t3\t6\t0\t0\tNON\t\t\r\n");
    plateforme.fichiers = {dossier.filePath(QStringLiteral("niveau.niv"))};
    jeu.ChangeNiveau();
  }
  void Ecrit(const QString& nom, const QByteArray& contenu) const {
    QFile fichier(dossier.filePath(nom));
    fichier.open(QIODevice::WriteOnly);
    fichier.write(contenu);
  }
  std::string Horloge() const { return jeu.manche().TexteHorloge("Il reste", "Chrono"); }
};

// Whatever the player did before, a game that can be played has a running
// clock, a game over shows the time it ended with, and a new draw gets its
// whole time.
TEST(JeuHorloge, AGameThatCanBePlayedHasARunningClock) {
  struct Cas {
    const char* quoi;
    std::function<void(Partie&)> joue;
    bool enJeu;
    std::string horloge;
  };
  const std::vector<Cas> cas = {
      {"competition ticked during a timed game",
       [](Partie& p) {
         p.jeu.NouvellePartie();
         p.Tique(5);
         p.jeu.ChangeModeCompetition(true);
       },
       false, "Il reste 1:00"},
      {"then unticked",
       [](Partie& p) {
         p.jeu.NouvellePartie();
         p.Tique(5);
         p.jeu.ChangeModeCompetition(true);
         p.jeu.ChangeModeCompetition(false);
       },
       false, "Il reste 1:00"},
      {"time out",
       [](Partie& p) {
         p.jeu.NouvellePartie();
         p.Tique(60);
       },
       false, "Il reste 0:00"},
      {"time out, played again",
       [](Partie& p) {
         p.jeu.NouvellePartie();
         p.Tique(60);
         p.jeu.Rejoue();
       },
       true, "Il reste 1:00"},
      {"found, played again from where it was found",
       [](Partie& p) {
         p.jeu.NouvellePartie();
         p.Tique(15);
         p.Trouve303();
         p.jeu.Rejoue();
       },
       true, "Il reste 0:45"},
      {"found, then a typed draw",
       [](Partie& p) {
         p.jeu.NouvellePartie();
         p.Tique(48);
         p.Trouve303();
         p.jeu.OuvreSaisie();
         p.jeu.JoueSaisie({"1", "2", "3", "4", "5", "6", "100"});
       },
       true, "Il reste 1:00"},
      {"a series given up, then a coefficient chosen",
       [](Partie& p) {
         p.jeu.ChangeModeCompetition(true);
         p.ChargeNiveau();
         p.jeu.CommenceOuArreteSerie();
         p.Tique(3);
         p.jeu.CommenceOuArreteSerie();  // the question is answered yes
         p.jeu.ChoisitCoefficient(0);
         p.jeu.CoefficientChoisi();
       },
       false, "Il reste 0:40"},
  };
  for (const Cas& c : cas) {
    Partie p;
    p.jeu.ChoisitTemps(4);  // one minute
    c.joue(p);
    EXPECT_EQ(p.jeu.manche().HorlogeEnMarche(), c.enJeu) << c.quoi;
    EXPECT_EQ(p.jeu.manche().PartieEnJeu(), c.enJeu) << c.quoi;
    EXPECT_EQ(p.Horloge(), c.horloge) << c.quoi;
    // Nothing can be pressed on a board whose clock stands still.
    const std::size_t sons = p.plateforme.sons.size();
    p.jeu.Presse(1);
    EXPECT_EQ(p.plateforme.sons.size() > sons, c.enJeu) << c.quoi;
  }
}

TEST(JeuHorloge, AGameFoundOrOutOfTimeIsToldToTheWindow) {
  Partie p;
  p.jeu.ChoisitTemps(1);  // 20 seconds
  p.jeu.NouvellePartie();
  p.Trouve303();
  EXPECT_EQ(p.vue.partiesFinies, 1);
  p.jeu.Rejoue();
  p.Tique(19);
  EXPECT_EQ(p.vue.partiesFinies, 1);
  p.Tique(1);
  EXPECT_EQ(p.vue.partiesFinies, 2);
}

// The count of solutions shows only when the solver computed it, and
// competitions hide it without the player losing the option.
TEST(JeuHorloge, TheCountShowsOnlyWhenComputedAndOutsideCompetitions) {
  Partie p;
  p.jeu.ChangeVoirNbSolutions(true);
  EXPECT_FALSE(p.jeu.options().voirNbSolutions);  // no solver, no count
  p.jeu.NouvellePartie();
  EXPECT_FALSE(p.jeu.NbSolutionsVisible());
  EXPECT_EQ(p.jeu.NbSolutionsAffiche(), std::nullopt);

  p.jeu.ChangeSolutionsAuto(true);
  p.jeu.ChangeVoirNbSolutions(true);
  for (int partie = 0; partie < 3; ++partie) {
    p.jeu.NouvellePartie();
    ASSERT_TRUE(p.jeu.NbSolutionsVisible()) << partie;
    const Solveur& solveur = p.jeu.solveur();
    EXPECT_EQ(p.jeu.NbSolutionsAffiche(), solveur.SolutionApprochee ? 0 : solveur.NbSolutions) << partie;
  }
  p.jeu.ChangeModeCompetition(true);
  EXPECT_FALSE(p.jeu.NbSolutionsVisible());
  p.jeu.ChangeModeCompetition(false);
  EXPECT_TRUE(p.jeu.NbSolutionsVisible());
  EXPECT_TRUE(p.jeu.options().voirNbSolutions);

  // The same from the settings of the last run: the count needs the solver.
  PlateformeDeTest plateforme;
  plateforme.reglages.valeurs = {{{"software/Tolvan/Option", "SolAuto"}, "false"},
                                 {{"software/Tolvan/Option", "VoirSol"}, "true"}};
  VueComptee vue;
  Jeu relance(plateforme, vue, p.dossier.path() + QLatin1Char('/'));
  relance.Demarre();
  EXPECT_FALSE(relance.options().voirNbSolutions);
}

TEST(JeuHorloge, ANewGameBringsTheBoardBackFromTheSolutionsPanel) {
  Partie p;
  p.jeu.NouvellePartie();
  p.jeu.BasculeSolutions();
  p.jeu.MontreLaPlusSimple();
  ASSERT_TRUE(p.jeu.SolutionsVisibles());
  p.jeu.NouvellePartie();
  EXPECT_FALSE(p.jeu.SolutionsVisibles());
  EXPECT_TRUE(p.jeu.LignesSolutions().empty());
  // A key pressed when no game is played changes nothing, the panel included.
  p.jeu.BasculeSolutions();
  p.Tique(3600);
  p.jeu.Presse(CodePlus);
  EXPECT_TRUE(p.jeu.SolutionsVisibles());
}

TEST(JeuHorloge, AListNoSpreadsheetOpensIsSaidWhereItIs) {
  Partie p;
  p.jeu.NouvellePartie();
  const QString chemin = p.dossier.filePath(QStringLiteral("liste.tir"));
  for (const bool ouvert : {true, false}) {
    p.plateforme.messages.clear();
    p.plateforme.tableurOuvert = ouvert;
    p.plateforme.fichiers = {chemin};
    p.jeu.ExporteListe();
    EXPECT_TRUE(QFile::exists(chemin));
    ASSERT_EQ(p.plateforme.messages.size(), ouvert ? 0u : 1u);
    if (ouvert) continue;
    EXPECT_EQ(p.plateforme.messages[0].type, TypeMessage::Information);
    EXPECT_TRUE(p.plateforme.messages[0].texte.startsWith("Aucun tableur n'a pu ouvrir la liste des tirages."));
    EXPECT_TRUE(p.plateforme.messages[0].texte.endsWith(chemin));
  }
}

}  // namespace
}  // namespace tolvan::test
