#include <gtest/gtest.h>

#include <QRegularExpression>

#include "JeuDeTest.h"
#include "midend/FichierLangue.h"
#include "midend/FichierTexte.h"

namespace tolvan::test {
namespace {

// The game reads a language file and hands each line's text on: a short
// file empties what it lacks and leaves Tolvan's own lines in French; a
// file that cannot be opened is asked again, and gives nothing when the
// player gives up.
TEST(Langue, TheGameReadsALanguageFileAndHandsOnEachLine) {
  JeuDeTest t;
  t.Ecrit("court.tvl", "Un\r\nDeux\r\n");
  std::vector<QString> lignes;
  const auto applique = [&lignes](int ligne, const QString& texte) {
    EXPECT_EQ(ligne, static_cast<int>(lignes.size()));
    lignes.push_back(texte);
  };
  t.jeu->ChargeLangue(t.Chemin("court.tvl"), applique);
  // The window gets the 73 lines of old; Tolvan's own stay French.
  ASSERT_EQ(lignes.size(), static_cast<std::size_t>(NbLignesLangue));
  EXPECT_EQ(lignes[0], "Un");
  EXPECT_EQ(lignes[1], "Deux");
  EXPECT_EQ(lignes[2], "");
  EXPECT_EQ(t.jeu->Textes().MsgTempsEcoule, QStringLiteral("Temps écoulé !"));
  EXPECT_EQ(t.jeu->Textes().MsgChrono, "Chrono");
  EXPECT_TRUE(t.plateforme.messages.empty());

  lignes.clear();
  t.jeu->ChargeLangue(t.Chemin("absent.tvl"), applique);
  EXPECT_TRUE(lignes.empty());
  ASSERT_EQ(t.plateforme.messages.size(), 1u);
  EXPECT_EQ(t.plateforme.messages[0].boutons, BoutonsMessage::ReessayerAnnuler);
}

const QString DossierDonnees = QStringLiteral(TOLVAN_DATA_DIR "/");

// Tolvan's own lines put the coach, the hints, the share line and the
// captions added since into the file's language, numbers in place; a file
// without them leaves all of those in French.
TEST(Langue, TolvansOwnLinesTranslateWhatWasAddedAndOlderFilesLeaveItFrench) {
  JeuDeTest t;
  const auto ignore = [](int, const QString&) {};
  t.jeu->ChargeLangue(DossierDonnees + "english.tvl", ignore);
  ASSERT_TRUE(t.plateforme.messages.empty());
  const TextesMessages& textes = t.jeu->Textes();
  EXPECT_EQ(textes.MsgTirageDuJour, "Daily numbers");
  EXPECT_EQ(textes.MsgMarque.arg(3), "Difficulty: 3/5");
  EXPECT_EQ(NomDuChoixTemps(9, textes), "30 seconds");
  EXPECT_EQ(NomDuChoixTemps(6, textes), "2 minutes");
  EXPECT_EQ(NomDuChoixTemps(ChoixSansChrono, textes), "No clock");
  EXPECT_EQ(textes.mesParties.colonneTrouve, "Solved");
  // The day's draw, which can be reached, with two hints, then out of time.
  t.Lance("BTjour");
  t.jeu->Indice();
  EXPECT_EQ(t.jeu->aides().TexteIndice(), "The target can be reached from here.");
  t.jeu->Indice();
  EXPECT_TRUE(QString::fromStdString(t.jeu->aides().TexteIndice()).contains(QRegularExpression("^\\d+ solutions? from here\\.$")))
      << t.jeu->aides().TexteIndice();
  t.Tique(3600);
  EXPECT_TRUE(t.jeu->LigneDePartage().startsWith("Tolvan daily numbers, 7 December 2026: not solved, 2 hints"))
      << t.jeu->LigneDePartage().toStdString();

  // A file of the 76 lines of an older version: what it lacks is French again.
  const QStringList lignes = LitFichierTexte(DossierDonnees + "english.tvl").lignes;
  ASSERT_EQ(lignes.size(), NbLignesFichierLangue);
  ASSERT_EQ(EcritFichierTexte(t.Chemin("ancien.tvl"), lignes.mid(0, 76)), EcritureTexte::Ecrit);
  t.jeu->ChargeLangue(t.Chemin("ancien.tvl"), ignore);
  EXPECT_EQ(textes.MsgChrono, lignes[75]);
  EXPECT_EQ(textes.MsgTirageDuJour, "Tirage du jour");
  EXPECT_EQ(textes.MsgMarque.arg(3), "Difficulté : 3/5");
  EXPECT_EQ(textes.coach.auMieuxFacons, "Pas possible d'ici : au mieux %1, de %2 façons.");
  EXPECT_EQ(textes.mesParties.colonneTrouve, QStringLiteral("Trouvé"));
  t.jeu->Rejoue();
  t.jeu->Indice();
  EXPECT_EQ(t.jeu->aides().TexteIndice(), "Le compte est possible d'ici.");
  // Every one of Tolvan's lines comes back French, as the shipped French file has it.
  const QStringList francais = LitFichierTexte(DossierDonnees + "francais.tvl").lignes;
  for (int ligne = NbLignesLangue; ligne < NbLignesFichierLangue; ++ligne) {
    EXPECT_EQ(LignesPropres[ligne - NbLignesLangue].lit(textes), ligne < 76 ? lignes[ligne] : francais[ligne])
        << "line " << ligne + 1;
  }
}

}  // namespace
}  // namespace tolvan::test
