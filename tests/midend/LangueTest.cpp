#include <gtest/gtest.h>

#include "JeuDeTest.h"
#include "midend/FichierLangue.h"

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
  ASSERT_EQ(lignes.size(), static_cast<std::size_t>(NbLignesFichierLangue));
  EXPECT_EQ(lignes[0], "Un");
  EXPECT_EQ(lignes[1], "Deux");
  EXPECT_EQ(lignes[2], "");
  EXPECT_EQ(lignes[NbLignesLangue], QStringLiteral("Temps écoulé !"));
  EXPECT_EQ(lignes.back(), "Chrono");
  EXPECT_TRUE(t.plateforme.messages.empty());

  lignes.clear();
  t.jeu->ChargeLangue(t.Chemin("absent.tvl"), applique);
  EXPECT_TRUE(lignes.empty());
  ASSERT_EQ(t.plateforme.messages.size(), 1u);
  EXPECT_EQ(t.plateforme.messages[0].boutons, BoutonsMessage::ReessayerAnnuler);
}

}  // namespace
}  // namespace tolvan::test
