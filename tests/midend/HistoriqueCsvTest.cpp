#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "DossierDeTest.h"
#include "PlateformeDeTest.h"
#include "midend/Historique.h"
#include "midend/MessagesHistorique.h"

namespace tolvan::test {
namespace {

// An opponent's name is whatever a player typed: in the exported file it
// stays one field, shown and never computed, and the columns after it stay
// in place.
TEST(HistoriqueCsv, AnOpponentsNameKeepsItsColumnAndIsNeverAFormula) {
  QTemporaryDir dossier;
  Historique historique;
  ASSERT_EQ(historique.Ouvre(dossier.filePath(QStringLiteral("historique.sqlite"))).etat, Historique::Ouverture::Ouvert);
  PartieJouee duel;
  duel.fin = QDateTime(QDate(2026, 12, 7), QTime(20, 0), Qt::OffsetFromUTC, 3600);
  duel.mode = ModePartie::Duel;
  duel.nombres = {25, 50, 75, 100, 3, 6};
  duel.resultat = 303;
  duel.adversaire = QStringLiteral("Anne;=1+1");
  ASSERT_TRUE(historique.Enregistre(duel));
  duel.adversaire = QStringLiteral("@Zoé \"la reine\"");
  ASSERT_TRUE(historique.Enregistre(duel));

  const QStringList lignes = historique.LignesCsv();
  ASSERT_EQ(lignes.size(), 3);
  EXPECT_TRUE(lignes[1].endsWith(QStringLiteral(";\"Anne;=1+1\";;;;;;"))) << lignes[1].toStdString();
  EXPECT_TRUE(lignes[2].endsWith(QStringLiteral(";\"'@Zoé \"\"la reine\"\"\";;;;;;"))) << lignes[2].toStdString();

  const QString csv = dossier.filePath(QStringLiteral("mes-parties.csv"));
  PlateformeDeTest plateforme;
  ASSERT_TRUE(ExporteParties(historique, csv, plateforme, TextesMessages{}));
  EXPECT_TRUE(Contenu(csv).endsWith(";\"'@Zo\xE9 \"\"la reine\"\"\";;;;;;\r\n"));
}

}  // namespace
}  // namespace tolvan::test
