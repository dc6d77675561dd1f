#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

#include "FenetreDeTest.h"
#include "midend/regimes/RegimeDuel.h"
#include "shell/TFRMduel.h"

namespace tolvan::test {
namespace {

// "Duel" opens its choice; what the player picks there is the duel the game
// plays, and the summary saying who starts takes the keyboard.
TEST(TForm1Duel, TheChoiceMadeInTheDialogIsTheDuelPlayed) {
  FenetreActive f;
  QStringList horloges;
  f.plateforme.quandDialogue = [&horloges](QDialog& dialogue) {
    ASSERT_EQ(dialogue.objectName(), "FRMduel");
    auto* temps = dialogue.findChild<QComboBox*>("CBtempsDuel");
    for (int i = 0; i < temps->count(); ++i) horloges.append(temps->itemText(i));
    dialogue.findChild<QRadioButton*>("RBdeuxJoueurs")->setChecked(true);
    dialogue.findChild<QLineEdit*>("TXTjoueur1")->setText("Alice");
    dialogue.findChild<QLineEdit*>("TXTjoueur2")->setText("Bob");
    dialogue.findChild<QComboBox*>("CBnbTirages")->setCurrentText("10");
    temps->setCurrentText("30 secondes");
    dialogue.findChild<QPushButton*>("BTcommencer")->click();
  };
  f.fenetre->LanceFacon("BTduel");
  // Only the clocks that run out, shortest first.
  EXPECT_EQ(horloges, (QStringList{"20 secondes", "30 secondes", "40 secondes", "45 secondes", "50 secondes",
                                   "1 Minute", "1 Minute 30", "2 Minutes", "3 Minutes", "5 Minutes"}));
  const auto* regime = dynamic_cast<const RegimeDuel*>(&f.fenetre->jeu().regime());
  ASSERT_TRUE(regime);
  const Duel* duel = &regime->duel();
  ReglageDuel attendu;
  attendu.force.reset();
  attendu.joueurs = {"Alice", "Bob"};
  attendu.nbTirages = 10;
  attendu.choixTemps = 9;
  EXPECT_EQ(duel->Reglage(), attendu);
  auto* recap = f.Trouve<QTextEdit>("MMrecap");
  EXPECT_TRUE(recap->hasFocus());
  EXPECT_EQ(recap->accessibleName(), "Tirage 1 sur 10 : À Alice de jouer");
  EXPECT_EQ(f.Trouve<QPushButton>("BTnouvPartie")->text(), "Partie Suivante");
  f.fenetre->BTnouvPartieClick();
  EXPECT_TRUE(f.fenetre->jeu().manche().PartieEnJeu());

  // The button stops the duel under way, and starts the next one.
  f.plateforme.reponses = {Reponse::Oui};
  EXPECT_EQ(f.Trouve<QPushButton>("BTduel")->text(), "Arrêter le duel");
  f.fenetre->LanceFacon("BTduel");
  EXPECT_EQ(f.Trouve<QPushButton>("BTduel")->text(), "Duel");
  EXPECT_FALSE(f.fenetre->jeu().SerieEnCours());
  // Cancelled, the choice starts nothing.
  f.plateforme.quandDialogue = [](QDialog& dialogue) { dialogue.findChild<QPushButton*>("BTannulDuel")->click(); };
  f.fenetre->LanceFacon("BTduel");
  EXPECT_EQ(f.fenetre->jeu().regime().Permis(), Permissions{});

  // The computer, chosen by its strength's name; the last choice is kept.
  f.plateforme.quandDialogue = [](QDialog& dialogue) {
    EXPECT_EQ(dialogue.findChild<QComboBox*>("CBtempsDuel")->currentText(), "30 secondes");
    dialogue.findChild<QRadioButton*>("RBordinateur")->setChecked(true);
    dialogue.findChild<QComboBox*>("CBforce")->setCurrentText("Champion");
    dialogue.findChild<QPushButton*>("BTcommencer")->click();
  };
  f.fenetre->LanceFacon("BTduel");
  const auto* contre = dynamic_cast<const RegimeDuel*>(&f.fenetre->jeu().regime());
  ASSERT_TRUE(contre);
  EXPECT_EQ(contre->duel().Reglage().force, 5);
  EXPECT_EQ(recap->accessibleName(), "Tirage 1 sur 10 : À vous de jouer");

  // Pressed during its duel, it asks first: no keeps the duel, and no choice opens.
  bool ouvert = false;
  f.plateforme.quandDialogue = [&ouvert](QDialog&) { ouvert = true; };
  f.plateforme.reponses = {Reponse::Non};
  f.fenetre->LanceFacon("BTduel");
  EXPECT_FALSE(ouvert);
  EXPECT_EQ(contre, &f.fenetre->jeu().regime());
  EXPECT_EQ(f.plateforme.messages.back().texte, "Abandonner le duel en cours ?");
}

// Between two players' goes, the blackboard and the clock's bar show and
// say nothing of the first go; the second player's own go shows as played.
TEST(TForm1Duel, TheSecondPlayerSeesNeitherTheFirstsLinesNorTheirTime) {
  FenetreActive f;
  f.plateforme.quandDialogue = [](QDialog& dialogue) {
    dialogue.findChild<QRadioButton*>("RBdeuxJoueurs")->setChecked(true);
    dialogue.findChild<QPushButton*>("BTcommencer")->click();
  };
  f.fenetre->LanceFacon("BTduel");
  f.fenetre->BTnouvPartieClick();
  f.Secondes(4);
  for (int code : Touches303) f.fenetre->Effectue(code);
  auto* ligne1 = f.Trouve<QTextEdit>("MM1");
  auto* horloge = f.Trouve<QProgressBar>("PB");
  EXPECT_EQ(ligne1->toPlainText(), "");
  EXPECT_EQ(ligne1->accessibleName(), "ligne 1");
  EXPECT_EQ(horloge->format(), "");
  EXPECT_EQ(horloge->accessibleDescription(), "");
  EXPECT_EQ(horloge->value(), 0);

  f.fenetre->BTnouvPartieClick();
  f.Secondes(2);
  f.fenetre->Effectue(1);
  f.fenetre->Effectue(CodePlus);
  f.fenetre->Effectue(2);
  EXPECT_EQ(ligne1->toPlainText(), "25+50=75");
  EXPECT_EQ(horloge->format(), "Il reste 0:38");
}

}  // namespace
}  // namespace tolvan::test
