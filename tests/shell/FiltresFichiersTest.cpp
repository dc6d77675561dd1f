#include <gtest/gtest.h>

#include "ImpressionQt.h"

#include "shell/platform/FiltresFichiers.h"

namespace tolvan::test {
namespace {

TEST(FiltresFichiers, StoredFiltersBecomeQtFilters) {
  EXPECT_EQ(FiltreQt("Fichiers Tirage *.tir|*.tir"), "Fichiers Tirage *.tir (*.tir)");
  EXPECT_EQ(FiltreQt("Fichier WAV|*.wav"), "Fichier WAV (*.wav)");
  EXPECT_EQ(FiltreQt("Sons|*.wav;*.WAV|Tous|*.*"), "Sons (*.wav *.WAV);;Tous (*.*)");
  EXPECT_EQ(FiltreQt(""), "");
}

TEST(FiltresFichiers, DefaultExtensionOnlyForNamesWithout) {
  EXPECT_EQ(AvecExtension("/tmp/theme", "son"), "/tmp/theme.son");
  EXPECT_EQ(AvecExtension("/tmp/theme.son", "son"), "/tmp/theme.son");
  EXPECT_EQ(AvecExtension("/tmp/theme.txt", "son"), "/tmp/theme.txt");
  EXPECT_EQ(AvecExtension("/tmp/theme", ""), "/tmp/theme");
}

}  // namespace
}  // namespace tolvan::test
