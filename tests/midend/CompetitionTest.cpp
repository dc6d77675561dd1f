#include <gtest/gtest.h>

#include "JeuDeTest.h"
#include "midend/Competition.h"
#include "midend/FichierTexte.h"

namespace tolvan::test {
namespace {

struct CompetitionDeTest : DossierDeTest {
  PlateformeDeTest plateforme;
  ServicesDuJeu services{plateforme};
  TextesMessages textes;
  VueEnregistree vue;
  Bibliotheque liste{services, textes, vue};
  Competition competition{services, textes, vue, liste, Repertoire()};
};

// A level brings its time, its records and its draws; a series' total goes
// among its records under the name the player gives, and the file keeps it.
TEST(Competition, ALevelBringsItsDrawsAndKeepsTheSeriesTotalUnderThePlayersName) {
  CompetitionDeTest t;
  t.Ecrit("niveau.niv", NiveauDeTest("120"));
  t.Ecrit("tirages.tir", RangeeDe303 + "\r\n");
  t.plateforme.fichiers = {t.Chemin("niveau.niv")};
  t.competition.ChangeNiveau();
  ASSERT_TRUE(t.competition.NiveauPret());
  EXPECT_EQ(t.competition.serie().TempsNiveau(), 120);
  EXPECT_EQ(t.liste.Modele().NbLignes(), 1);

  t.competition.serie().Commence(1);
  t.competition.serie().CompteTrouve(0);
  const int total = static_cast<int>(t.competition.serie().ScoreTotal());
  ASSERT_GT(total, 60);
  t.vue.nom = QStringLiteral("Zoé");
  t.competition.TermineSerie();
  EXPECT_EQ(t.vue.nomsDemandes, 1);
  EXPECT_FALSE(t.competition.serie().EnCours());
  EXPECT_EQ(t.competition.serie().ScoreTotal(), 0);
  const QStringList lignes = LitFichierTexte(t.Chemin("niveau.niv")).lignes;
  EXPECT_TRUE(lignes.contains(QStringLiteral("Zoé")));
  EXPECT_TRUE(lignes.contains(QString::number(total)));
  EXPECT_FALSE(lignes.contains(QStringLiteral("j"))) << "the lowest record left the table";
}

}  // namespace
}  // namespace tolvan::test
