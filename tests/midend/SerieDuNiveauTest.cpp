#include <gtest/gtest.h>

#include "DisqueLimite.h"
#include "JeuDeTest.h"

namespace tolvan::test {
namespace {

// Stopped by its button, a series lets its draw play on: not found in time,
// the series still ends (the name asked, the records written); found, it
// counts as in training and ends nothing. A records file that cannot be
// written is left as it was, and the player is told so after the history.
TEST(SerieDuNiveau, AGivenUpDrawStillEndsTheSeriesIfItIsNotFound) {
  JeuDeTest t;
  t.PrepareNiveau();
  ASSERT_TRUE(t.Lance("BTstart"));
  t.plateforme.reponses = {Reponse::Non, Reponse::Oui};
  EXPECT_FALSE(t.Lance("BTstart"));
  EXPECT_EQ(t.plateforme.messages.back().texte, "Abandonner la partie en cours ?");
  EXPECT_EQ(t.jeu->Facon("BTstart").texte, "Arreter cette partie");
  EXPECT_FALSE(t.Lance("BTstart"));
  EXPECT_EQ(t.jeu->Facon("BTstart").texte, "Commencer une partie");
  EXPECT_TRUE(t.jeu->manche().HorlogeEnMarche()) << "the draw on the board goes on";

  const QByteArray avant = t.Lit("niveau.niv");
  t.plateforme.messages.clear();
  {
    const DisqueLimite plein(8);
    t.Tique(60);
  }
  EXPECT_EQ(t.vue.nomsDemandes, 1);
  ASSERT_EQ(t.plateforme.messages.size(), 2u);
  EXPECT_TRUE(t.plateforme.messages[0].texte.startsWith(QStringLiteral("La partie n'a pas pu être enregistrée")));
  EXPECT_EQ(t.plateforme.messages[1].texte,
            "Erreur d'écriture du fichier\r" + t.Chemin("niveau.niv") + " : fichier trop volumineux\rRéessayer ?");
  EXPECT_EQ(t.Lit("niveau.niv"), avant);

  ASSERT_TRUE(t.Lance("BTstart"));
  t.plateforme.reponses = {Reponse::Oui};
  t.Lance("BTstart");
  t.Tique(5);
  t.Trouve303();
  ASSERT_EQ(t.jeu->manche().Scores().size(), 1u);
  EXPECT_EQ(t.jeu->manche().Scores()[0], Manche::LigneEntrainement(5));
  EXPECT_EQ(t.vue.nomsDemandes, 1);
}

TEST(SerieDuNiveau, ARecordThatCannotBeWrittenIsSaidLost) {
  JeuDeTest t;
  t.PrepareNiveau();
  ASSERT_TRUE(t.Lance("BTstart"));
  t.Trouve303();
  t.jeu->PartieSuivante();
  t.Trouve303();
  t.jeu->PartieSuivante();
  t.plateforme.messages.clear();
  {
    const DisqueLimite plein(8);
    t.Tique(60);  // 120 points, among the records; Cancel at the write error
  }
  ASSERT_EQ(t.plateforme.messages.size(), 3u);
  EXPECT_EQ(t.plateforme.messages[1].boutons, BoutonsMessage::ReessayerAnnuler);
  EXPECT_EQ(t.plateforme.messages[2].texte,
            "Le record de cette série est perdu : le niveau n'a pas pu être enregistré.");
  EXPECT_EQ(t.Lit("niveau.niv"), NiveauDeTest());
}

// A level read only whole: one with a number out of range is refused with
// the line it stopped on, and the level before stays, with its draws,
// records and series; made bad by hand during a series, its end leaves it.
TEST(SerieDuNiveau, ALevelWithABadNumberIsRefusedWholeAndNeverRewritten) {
  struct Cas {
    QByteArray niveau;
    const char* ligne;  // the line the message names
  };
  const std::vector<Cas> cas = {
      {NiveauDeTest("-1"), "-1"},
      {NiveauDeTest("0"), "0"},
      {NiveauDeTest("70000"), "70000"},
      {NiveauDeTest("60", "65536"), "65536"},
      {NiveauDeTest("60", "-5"), "-5"},
      {NiveauDeTest().replace("\r\na\r\n1\r\n", "\r\na\r\n-3\r\n"), "-3"},
      {NiveauDeTest("60", "abc"), "abc"},
  };
  for (const Cas& c : cas) {
    JeuDeTest t;
    t.PrepareNiveau();
    t.Ecrit("faux.niv", c.niveau);
    t.plateforme.messages.clear();
    t.plateforme.fichiers = {t.Chemin("faux.niv")};
    t.jeu->ChangeNiveau();
    ASSERT_EQ(t.plateforme.messages.size(), 1u) << c.ligne;
    EXPECT_EQ(t.plateforme.messages[0].texte,
              QStringLiteral("Erreur lors de la lecture des scores\rConversion impossible :") + c.ligne);
    EXPECT_EQ(t.jeu->competition().FichierNiveau(), t.Chemin("niveau.niv"));
    EXPECT_EQ(t.jeu->competition().NiveauAffiche().nom, "Test");
    EXPECT_EQ(t.jeu->bibliotheque().Modele().NbLignes(), 1);
    ASSERT_TRUE(t.Lance("BTstart")) << c.ligne;

    t.Ecrit("niveau.niv", c.niveau);
    t.Tique(60);
    EXPECT_EQ(t.Lit("niveau.niv"), c.niveau) << c.ligne;
    EXPECT_FALSE(t.jeu->SerieEnCours()) << c.ligne;
  }
}

// A level whose draws are missing counts as read, but starts no series.
TEST(SerieDuNiveau, ALevelWithoutDrawsStartsNothing) {
  JeuDeTest t;
  t.PrepareNiveau();
  t.Ecrit("seul.niv", NiveauDeTest().replace("tirages.tir", "absent.tir"));
  t.plateforme.fichiers = {t.Chemin("seul.niv")};
  t.jeu->ChangeNiveau();
  t.plateforme.messages.clear();
  EXPECT_FALSE(t.Lance("BTstart"));
  ASSERT_EQ(t.plateforme.messages.size(), 1u);
  EXPECT_EQ(t.plateforme.messages[0].type, TypeMessage::Avertissement);
  EXPECT_FALSE(t.jeu->SerieEnCours());
}

}  // namespace
}  // namespace tolvan::test
