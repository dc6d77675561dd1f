#include <gtest/gtest.h>

#include "JeuDeTest.h"
#include "midend/Competition.h"
#include "midend/FichierTexte.h"

namespace tolvan::test {
namespace {

struct CompetitionDeTest {
  PlateformeDeTest plateforme;
  ServicesDuJeu services{plateforme};
  TextesMessages textes;
  VueEnregistree vue;
  QTemporaryDir dossier;
  Bibliotheque liste{services, textes, vue};
  Competition competition{services, textes, vue, liste, dossier.path() + QLatin1Char('/')};

  QString Chemin(const QString& nom) const { return dossier.filePath(nom); }
  void Ecrit(const QString& nom, const QByteArray& contenu) const {
    QFile fichier(Chemin(nom));
    fichier.open(QIODevice::WriteOnly);
    fichier.write(contenu);
  }
};

// A level brings its time, its records and its draws; a series' total goes
// among its records under the name the player gives, and the file keeps it.
TEST(Competition, ALevelBringsItsDrawsAndKeepsTheSeriesTotalUnderThePlayersName) {
  CompetitionDeTest t;
  t.Ecrit("niveau.niv", Niveau("120"));
  t.Ecrit("tirages.tir", "303\t25\t50\t75\t100\t3\t6\t0\t0\tNON\t\t\r\n");
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
