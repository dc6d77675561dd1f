#include <gtest/gtest.h>

#include "PlateformeDeTest.h"
#include "midend/Horloge.h"
#include "midend/Preferences.h"

namespace tolvan::test {
namespace {

// The choice of "Temps :" is kept by its place in the list, the four new
// choices after the nine of old; a place out of the list leaves the clock
// alone. What the player changes goes back to the store at the close.
TEST(Preferences, TheClockChoiceIsKeptByItsPlace) {
  const std::vector<std::pair<QString, int>> cas = {
      {"0", 0}, {"8", 8}, {"9", 9}, {"12", ChoixSansChrono}, {"13", -1}, {"-1", -1}};
  for (const auto& [valeur, temps] : cas) {
    PlateformeDeTest plateforme;
    ServicesDuJeu services(plateforme);
    plateforme.reglages.valeurs[{CleOption, QStringLiteral("Temps")}] = valeur;
    Preferences preferences(services, QStringLiteral("/programme/"));
    preferences.Lis();
    EXPECT_EQ(preferences.options().temps, temps) << valeur.toStdString();
    EXPECT_EQ(preferences.options().fichierLangue, QStringLiteral("/programme/francais.tvl"));
    preferences.options().temps = ChoixChronoCache;
    preferences.Ecris();
    EXPECT_EQ((plateforme.reglages.valeurs[{CleOption, QStringLiteral("Temps")}]), QStringLiteral("11"));
  }
}

}  // namespace
}  // namespace tolvan::test
