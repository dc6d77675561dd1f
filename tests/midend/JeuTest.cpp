#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "JeuDeTest.h"
#include "midend/FichierTexte.h"

namespace tolvan::test {
namespace {

TEST(Jeu, AGameIsDealtPlayedAndWonWithItsSoundsAndItsRow) {
  JeuDeTest t;
  t.jeu->ChoisitTemps(1);  // 20 seconds
  t.plateforme.tirages = HasardDe303;
  t.jeu->NouvellePartie();
  EXPECT_EQ(t.jeu->Tirage().Resultat, 303);
  EXPECT_TRUE(t.jeu->manche().PartieEnJeu());
  ASSERT_EQ(t.jeu->bibliotheque().Modele().NbLignes(), 1);
  EXPECT_EQ(t.plateforme.sons, std::vector<QString>{"RestoreUp"});

  // A refused line flashes, a taken-back one plays its own sound.
  t.Presse({1, CodeMoins, 2});
  EXPECT_EQ(t.vue.lignesRefusees, std::vector<int>{1});
  t.jeu->Retour();
  EXPECT_EQ(t.plateforme.sons.back(), "Minimize");

  t.Tique(7);
  t.Trouve303();
  EXPECT_TRUE(t.jeu->manche().Gagnee());
  EXPECT_FALSE(t.jeu->manche().HorlogeEnMarche());
  EXPECT_EQ(t.plateforme.sons.back(), "SystemQuestion");
  EXPECT_EQ(t.jeu->manche().Scores(), (std::vector<LigneScore>{{"=>", "7'"}}));
  EXPECT_EQ(t.jeu->bibliotheque().Modele().Rangee(0).cellules[9], "OUI");

  // Played again, from the same draw: the clock starts from where it stood.
  t.jeu->Rejoue();
  EXPECT_TRUE(t.jeu->manche().PartieEnJeu());
  EXPECT_EQ(t.jeu->bibliotheque().Modele().NbLignes(), 1);
}

TEST(Jeu, TimeRunsOutSilentlyWhenItsSoundIsOffAndTypedAnswersAreChecked) {
  JeuDeTest t;
  t.jeu->ChoisitTemps(1);
  t.jeu->ChangeCase(&Options::resultatsAuto, false);
  t.jeu->ChangeSon(Evenement::Temps, false);
  t.plateforme.tirages = HasardDe303;
  t.jeu->NouvellePartie();
  t.Presse({6, CodeFois, 2});
  EXPECT_EQ(t.vue.reponsesDemandees, 1);
  EXPECT_EQ(t.jeu->Repond("301"), TableauNoir::Verdict::Refusee);
  EXPECT_EQ(t.jeu->Repond("300"), TableauNoir::Verdict::Acceptee);
  t.plateforme.sons.clear();
  t.Tique(20);
  EXPECT_EQ(t.jeu->manche().DerniereIssue(), Manche::Issue::TempsEcoule);
  EXPECT_TRUE(t.plateforme.sons.empty());
  EXPECT_EQ(t.jeu->Repond("303"), TableauNoir::Verdict::Refusee);
}

TEST(Jeu, ATypedDrawIsTakenWholeOrNotAtAll) {
  JeuDeTest t;
  t.jeu->OuvreSaisie();
  EXPECT_EQ(t.jeu->manche().PanneauVisible(), Manche::Panneau::Saisie);
  EXPECT_EQ(t.jeu->JoueSaisie({"25", "50", "12a", "100", "3", "6", "303"}), std::optional<int>(2));
  EXPECT_EQ(t.jeu->bibliotheque().Modele().NbLignes(), 0);
  EXPECT_EQ(t.jeu->JoueSaisie({"25", "50", "75", "100", "3", "6", "303"}), std::nullopt);
  EXPECT_EQ(t.jeu->Tirage().Resultat, 303);
  EXPECT_TRUE(t.jeu->manche().PartieEnJeu());
  ASSERT_EQ(t.jeu->bibliotheque().Modele().NbLignes(), 1);
  t.Trouve303();
  EXPECT_EQ(t.jeu->bibliotheque().Modele().Rangee(0).cellules[9], "OUI");
}

TEST(Jeu, ASeriesIsDealtToItsEndAndItsTotalTakesItsPlaceInTheLevelFile) {
  JeuDeTest t;
  t.PrepareNiveau();
  ASSERT_TRUE(t.jeu->Facon("BTstart").actif);
  EXPECT_EQ(t.jeu->competition().NiveauAffiche().nom, "Test");

  EXPECT_TRUE(t.Lance("BTstart"));
  EXPECT_EQ(t.jeu->manche().Limite(), 60);
  t.Tique(10);
  t.Trouve303();  // 60 - 10 div 4 = 58 points
  EXPECT_EQ(t.jeu->competition().serie().ScoreTotal(), 58);
  t.jeu->PartieSuivante();
  t.Tique(8);
  t.Trouve303();  // 58 more
  t.jeu->PartieSuivante();
  t.vue.nom = QStringLiteral("Zoé");
  t.Tique(60);
  EXPECT_EQ(t.vue.nomsDemandes, 1);
  EXPECT_FALSE(t.jeu->competition().serie().EnCours());

  const QStringList lignes = LitFichierTexte(t.Chemin("niveau.niv")).lignes;
  ASSERT_EQ(lignes.size(), NbLignesNiveau);
  // 116 goes below the 200 and above the 100, the 60 leaves the table.
  EXPECT_EQ(lignes.mid(18, 3), QStringList({"116", "Zoé", "2"}));
  EXPECT_EQ(lignes.mid(30, 3), QStringList({"70", "i", "1"}));
  EXPECT_EQ(t.jeu->competition().NiveauAffiche().lignesRecords[5][0], "116");
}

TEST(Jeu, ALevelThatFailsToReadStartsNoSeriesAndIsLeftAlone) {
  JeuDeTest t;
  const QByteArray niveau = NiveauDeTest("soixante");
  t.Ecrit("niveau.niv", niveau);
  t.jeu->ChangeModeCompetition(true);
  t.plateforme.fichiers = {t.Chemin("niveau.niv")};
  t.jeu->ChangeNiveau();
  EXPECT_FALSE(t.jeu->Facon("BTstart").actif);
  ASSERT_EQ(t.plateforme.messages.size(), 1u);
  EXPECT_TRUE(t.plateforme.messages[0].texte.contains("soixante"));
  QFile fichier(t.Chemin("niveau.niv"));
  fichier.open(QIODevice::ReadOnly);
  EXPECT_EQ(fichier.readAll(), niveau);
}

// The shipped levels lie where a player may not write: each player plays a
// copy in his own data folder, which keeps his records.
TEST(Jeu, EachPlayerPlaysHisOwnCopyOfTheShippedLevels) {
  JeuDeTest t;
  QDir(t.dossier.path()).mkdir("niveaux");
  t.Ecrit("niveaux/expert.niv", NiveauDeTest());
  t.jeu->ChangeModeCompetition(true);
  t.jeu->ChangeNiveau();
  const QString copies = t.plateforme.DossierJoueur() + "/niveaux";
  ASSERT_FALSE(t.plateforme.dialogues.empty());
  EXPECT_EQ(t.plateforme.dialogues.back().dossier, copies);
  QFile copie(copies + "/expert.niv");
  ASSERT_TRUE(copie.open(QIODevice::ReadOnly));
  EXPECT_EQ(copie.readAll(), NiveauDeTest());
}

TEST(Jeu, ForbiddenHintsLeaveTheScreenDuringCompetitionsOnly) {
  JeuDeTest t;
  t.jeu->BasculeAides();
  ASSERT_TRUE(t.jeu->aides().AidesAffichees());
  t.jeu->ChangeModeCompetition(true);
  EXPECT_TRUE(t.jeu->AidesPermises());
  t.jeu->InterditAides(true);
  EXPECT_FALSE(t.jeu->aides().AidesAffichees());
  EXPECT_FALSE(t.jeu->AidesPermises());
  t.jeu->ChangeModeCompetition(false);
  EXPECT_TRUE(t.jeu->AidesPermises());
  // Back in the competition that forbids them, they go again.
  t.jeu->BasculeAides();
  t.jeu->ChangeModeCompetition(true);
  EXPECT_FALSE(t.jeu->aides().AidesAffichees());
}

TEST(Jeu, OptionsComeBackFromTheSettingsStoreAndCompetitionsSetTheirOwn) {
  JeuDeTest t;
  t.jeu->ChangeSolutionsAuto(true);
  t.jeu->ChangeVoirNbSolutions(true);
  t.jeu->ChangeCase(&Options::fous, true);
  t.jeu->ChangeCase(&Options::resultatsAuto, false);
  t.jeu->ChoisitTemps(7);
  t.jeu->ChangeSon(Evenement::Erreur, false);
  const Options choisies = t.jeu->options();
  t.jeu->Termine();
  t.Recommence();
  EXPECT_EQ(t.jeu->options(), choisies);
  EXPECT_EQ(t.jeu->manche().Limite(), 180);

  t.jeu->ChangeModeCompetition(true);
  EXPECT_TRUE(t.jeu->options().resultatsAuto);
  // The count is hidden, the player's choice kept for training.
  EXPECT_FALSE(t.jeu->NbSolutionsVisible());
  EXPECT_TRUE(t.jeu->options().voirNbSolutions);
  // Without the solver, the count and the solvable-only draws go too.
  t.jeu->ChangeModeCompetition(false);
  t.jeu->ChoisitGenreTirage(GenreTirage::Realisables);
  t.jeu->ChangeSolutionsAuto(false);
  EXPECT_EQ(t.jeu->options().genre, GenreTirage::Quelconque);
}

TEST(Jeu, ASettingsStoreThatCannotBeReadIsSaidWhereAndWhyAndReplacedWhole) {
  JeuDeTest t;
  t.plateforme.reglages.valeurs = {{{CleOption, "Fous"}, "true"}};
  t.plateforme.reglages.lecturesPossibles = 0;
  t.plateforme.reglages.echec = "/home/joueur/.config/Tolvan/Tolvan.ini : accès refusé";
  t.plateforme.messages.clear();
  t.Recommence();
  ASSERT_EQ(t.plateforme.messages.size(), 1u);
  EXPECT_EQ(t.plateforme.messages[0].texte,
            "Erreur registre\rPROCEDURE LisInfoRegistre;\r/home/joueur/.config/Tolvan/Tolvan.ini : accès refusé");
  EXPECT_FALSE(t.jeu->options().fous);
  // Every value is written at the close, in place of what could not be read.
  t.plateforme.reglages.lecturesPossibles = 1000;
  t.jeu->Termine();
  EXPECT_EQ(t.plateforme.reglages.valeurs.size(), static_cast<std::size_t>(NbReglages));
  EXPECT_EQ((t.plateforme.reglages.valeurs[{CleOption, "Fous"}]), "false");
}

}  // namespace
}  // namespace tolvan::test
