#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>

#include "FenetreDeTest.h"
#include "midend/Reglages.h"

namespace tolvan::test {
namespace {

using Magasin = std::map<std::pair<QString, QString>, QString>;

const QString Option = "software/Tolvan/Option";
const QString Sound = "software/Tolvan/Option/Sound";

QString Valeur(FenetreDeTest& f, const QString& cle, const QString& nom) {
  return f.plateforme.reglages.valeurs[{cle, nom}];
}

TEST(Reglages, AFirstStartRunsOnDefaultsAndTheCloseStoresThemAll) {
  FenetreDeTest f;
  EXPECT_TRUE(f.plateforme.messages.empty());
  f.fenetre->close();
  EXPECT_EQ(f.plateforme.reglages.valeurs.size(), static_cast<std::size_t>(NbReglages));
  EXPECT_EQ(Valeur(f, "software/Tolvan", "Langue"), f.Repertoire() + "francais.tvl");
  EXPECT_EQ(Valeur(f, Option, "SolAuto"), "false");
  EXPECT_EQ(Valeur(f, Option, "CalcAuto"), "true");
  EXPECT_EQ(Valeur(f, Option, "Temps"), "0");
  EXPECT_EQ(Valeur(f, Sound, "temps"), "true");
  EXPECT_EQ(Valeur(f, Sound, "Fichier"), f.Repertoire() + "system defaut.son");
  EXPECT_EQ(Valeur(f, Option, "Coach"), "false");
  EXPECT_EQ(Valeur(f, Option, "Difficulte"), "0");
}

TEST(Reglages, StoredValuesActAsTheyWouldHaveBeenChosen) {
  {
    // "True" is not "true"; a choice of time out of the list changes nothing.
    FenetreDeTest f(true, {{{"software/Tolvan", "Langue"}, "x"}, {{Option, "SolAuto"}, "True"}, {{Option, "Temps"}, "-1"}});
    EXPECT_FALSE(f.Trouve<QCheckBox>("CBauto")->isChecked());
    EXPECT_EQ(f.Trouve<QComboBox>("CBtemps")->currentIndex(), -1);
    EXPECT_EQ(f.Trouve<QProgressBar>("PB")->maximum(), 3600);
    EXPECT_TRUE(f.plateforme.messages.empty());
  }
  {
    FenetreDeTest f(true, {{{"software/Tolvan", "Langue"}, "x"},
                           {{Option, "SolAuto"}, "true"},
                           {{Option, "VoirSol"}, "true"},
                           {{Option, "Temps"}, "4"},
                           {{Sound, "temps"}, "false"}});
    EXPECT_TRUE(f.Trouve<QCheckBox>("CBauto")->isChecked());
    EXPECT_TRUE(f.Trouve<QRadioButton>("CkBreal")->isEnabled());  // as after a click
    EXPECT_TRUE(f.Trouve<QCheckBox>("CBmontre")->isChecked());
    EXPECT_FALSE(f.Trouve<QLabel>("LBnbsol")->isHidden());
    EXPECT_EQ(f.Trouve<QComboBox>("CBtemps")->currentText(), "1 Minute");
    EXPECT_EQ(f.Trouve<QProgressBar>("PB")->maximum(), 60);
    EXPECT_FALSE(f.Trouve<QCheckBox>("CBsonlose")->isChecked());
    // Stored nowhere: as they were, and stored at close.
    EXPECT_TRUE(f.Trouve<QCheckBox>("CkBcalcul")->isChecked());
    EXPECT_EQ(f.fenetre->jeu().options().fichierSon, f.Repertoire() + "system defaut.son");
    f.fenetre->close();
    EXPECT_EQ(f.plateforme.reglages.valeurs.size(), static_cast<std::size_t>(NbReglages));
    EXPECT_EQ(Valeur(f, Option, "CalcAuto"), "true");
  }
}

TEST(Reglages, ABadValueCostsThatValueOnlyAndIsNeverOverwritten) {
  const Magasin stocke = {{{"software/Tolvan", "Langue"}, "/ailleurs/english.tvl"},
                          {{Option, "Fous"}, "true"},
                          {{Option, "Temps"}, "deux"},
                          {{Sound, "Click"}, "false"},
                          {{Sound, "Fichier"}, "/ailleurs/theme.son"}};
  FenetreDeTest f(true, stocke);
  ASSERT_EQ(f.plateforme.messages.size(), 1u);
  EXPECT_EQ(f.plateforme.messages[0].texte, "Erreur registre\rPROCEDURE LisInfoRegistre;");
  EXPECT_EQ(f.plateforme.messages[0].type, TypeMessage::Simple);
  EXPECT_EQ(f.fenetre->jeu().options().fichierLangue, "/ailleurs/english.tvl");
  EXPECT_TRUE(f.Trouve<QCheckBox>("CkBFou")->isChecked());
  EXPECT_FALSE(f.Trouve<QCheckBox>("CBsonClick")->isChecked());
  EXPECT_EQ(f.fenetre->jeu().options().fichierSon, "/ailleurs/theme.son");
  EXPECT_EQ(f.Trouve<QComboBox>("CBtemps")->currentIndex(), 0);
  // Nothing changed: nothing written, the bad value included.
  f.fenetre->close();
  EXPECT_EQ(f.plateforme.reglages.valeurs, stocke);
}

TEST(Reglages, TheCloseWritesOnlyWhatChangedSoAnotherCopyKeepsItsChanges) {
  Magasin stocke;
  {
    FenetreDeTest premier;
    premier.fenetre->close();
    stocke = premier.plateforme.reglages.valeurs;
  }
  FenetreDeTest f(true, stocke);
  // Another copy of the game, started at the same time, closes first.
  f.plateforme.reglages.valeurs[{Option, "Fous"}] = "true";
  f.plateforme.reglages.valeurs[{Sound, "Fichier"}] = "/autre/theme.son";
  f.Trouve<QCheckBox>("CBsonClick")->click();
  f.fenetre->close();
  EXPECT_EQ(Valeur(f, Option, "Fous"), "true");
  EXPECT_EQ(Valeur(f, Sound, "Fichier"), "/autre/theme.son");
  EXPECT_EQ(Valeur(f, Sound, "Click"), "false");
}

TEST(Reglages, AStoreThatFailsSaysWhereAndWhy) {
  // A store that cannot be written says so when the window closes, and
  // holds what it held.
  FenetreDeTest g;
  g.plateforme.reglages.refuseEcriture = true;
  g.plateforme.reglages.echec = "/lecture/seule/Tolvan.ini : lecture seule";
  g.fenetre->close();
  ASSERT_EQ(g.plateforme.messages.size(), 1u);
  EXPECT_EQ(g.plateforme.messages[0].texte,
            "Erreur registre\rPROCEDURE EcrisInfoRegistre;\r/lecture/seule/Tolvan.ini : lecture seule");
  EXPECT_TRUE(g.plateforme.reglages.valeurs.empty());
}

TEST(Reglages, EveryOptionComesBackAfterARestart) {
  Magasin magasin;
  {
    FenetreDeTest f;
    for (const char* nom : {"CBauto", "CBmontre", "CkBpremier", "CkBFou", "CBsonClick", "CBsonres", "CBsonerreur",
                            "CBsonBack", "CBsonNew", "CBsonGagne", "CBsonlose", "CkBcalcul"}) {
      f.Trouve<QCheckBox>(nom)->click();
    }
    f.Trouve<QComboBox>("CBtemps")->setCurrentIndex(7);
    // Remembered even though neither file can be read here.
    f.plateforme.fichiers = {"/mes sons/theme.son", "/mes langues/english.tvl"};
    f.fenetre->BTopenSonClick();
    f.fenetre->BTchangeLangueClick();
    f.fenetre->close();
    magasin = f.plateforme.reglages.valeurs;
    EXPECT_EQ(magasin.at({Sound, "temps"}), "false");
    EXPECT_EQ(magasin.at({Option, "Temps"}), "7");
  }
  FenetreDeTest f(true, magasin);
  for (const char* nom : {"CBauto", "CBmontre", "CkBpremier", "CkBFou"}) EXPECT_TRUE(f.Trouve<QCheckBox>(nom)->isChecked()) << nom;
  for (const char* nom : {"CBsonClick", "CBsonres", "CBsonerreur", "CBsonBack", "CBsonNew", "CBsonGagne", "CBsonlose",
                          "CkBcalcul"}) {
    EXPECT_FALSE(f.Trouve<QCheckBox>(nom)->isChecked()) << nom;
  }
  EXPECT_EQ(f.Trouve<QComboBox>("CBtemps")->currentText(), "3 Minutes");
  EXPECT_EQ(f.fenetre->jeu().options().fichierSon, "/mes sons/theme.son");
  EXPECT_EQ(f.fenetre->jeu().options().fichierLangue, "/mes langues/english.tvl");
  f.fenetre->close();
  EXPECT_EQ(f.plateforme.reglages.valeurs, magasin);
}

}  // namespace
}  // namespace tolvan::test
