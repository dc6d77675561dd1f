#include <gtest/gtest.h>

#include "ImpressionQt.h"

#include <QTemporaryDir>

#include "shell/platform/MagasinQSettings.h"

namespace tolvan::test {
namespace {

TEST(MagasinQSettings, NestedKeysKeepTheirStringsAcrossStores) {
  QTemporaryDir dossier;
  const QString fichier = dossier.filePath("Tolvan.ini");
  {
    MagasinQSettings magasin(fichier);
    EXPECT_FALSE(magasin.Lit("software/Tolvan/Option", "Auto").has_value());
    EXPECT_TRUE(magasin.Ecrit("software/Tolvan/Option", "Auto", "1"));
    EXPECT_TRUE(magasin.Ecrit("software/Tolvan/Option/Sound", "Click", "C:\\Sons\\clic.wav"));
    EXPECT_TRUE(magasin.Ecrit("software/Tolvan", "FichierSon", "/home/joueur/thème.son"));
  }
  MagasinQSettings relu(fichier);
  EXPECT_EQ(relu.Lit("software/Tolvan/Option", "Auto"), "1");
  EXPECT_EQ(relu.Lit("software/Tolvan/Option/Sound", "Click"), "C:\\Sons\\clic.wav");
  EXPECT_EQ(relu.Lit("software/Tolvan", "FichierSon"), "/home/joueur/thème.son");
  EXPECT_FALSE(relu.Lit("software/Tolvan/Option/Sound", "Auto").has_value());
}

}  // namespace
}  // namespace tolvan::test
