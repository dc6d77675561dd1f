#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QTreeView>

#include "FenetreDeTest.h"
#include "shell/TFRMgene.h"

namespace tolvan::test {
namespace {

// Slots of the pool for 25 50 75 100 3 6, then 101 + 202 = 303.
const std::vector<int> TirageDe303 = {20, 21, 22, 23, 4, 10, 202};

struct Clavier : FenetreDeTest {
  Clavier() {
    fenetre->show();
    fenetre->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(fenetre.get()));
    MontrePage("TSjeu");
  }
  template <class Controle = QWidget>
  Controle* W(const char* nom) const {
    return Trouve<Controle>(nom);
  }
  QString Ligne(int k) const { return W<QTextEdit>(qPrintable(QStringLiteral("MM%1").arg(k)))->toPlainText(); }
};

// A key as a keyboard sends it: its code, its modifiers, what it types.
struct Touche {
  const char* nom;
  Qt::Key cle;
  Qt::KeyboardModifiers modificateurs;
  QString texte;
  void Envoie(QWidget* controle) const {
    QKeyEvent presse(QEvent::KeyPress, cle, modificateurs, texte);
    QApplication::sendEvent(controle, &presse);
    QKeyEvent relache(QEvent::KeyRelease, cle, modificateurs, texte);
    QApplication::sendEvent(controle, &relache);
  }
};

// What a key does to "42" in a field.
enum class Effet { Tape, Garde, Vide };

const std::vector<std::pair<Touche, Effet>> Touches = {
    {{"main-row 7", Qt::Key_7, Qt::NoModifier, "7"}, Effet::Tape},
    {{"keypad 7", Qt::Key_7, Qt::KeypadModifier, "7"}, Effet::Tape},
    // On a French keyboard the digits of the main row come with Shift.
    {{"Shift+1 on AZERTY", Qt::Key_1, Qt::ShiftModifier, "1"}, Effet::Tape},
    {{"Shift", Qt::Key_Shift, Qt::ShiftModifier, ""}, Effet::Garde},
    {{"Ctrl", Qt::Key_Control, Qt::ControlModifier, ""}, Effet::Garde},
    {{"Alt", Qt::Key_Alt, Qt::AltModifier, ""}, Effet::Garde},
    {{"AltGr", Qt::Key_AltGr, Qt::GroupSwitchModifier, ""}, Effet::Garde},
    {{"Caps Lock", Qt::Key_CapsLock, Qt::NoModifier, ""}, Effet::Garde},
    {{"Tab", Qt::Key_Tab, Qt::NoModifier, "\t"}, Effet::Garde},
    {{"Left", Qt::Key_Left, Qt::NoModifier, ""}, Effet::Garde},
    {{"Home", Qt::Key_Home, Qt::NoModifier, ""}, Effet::Garde},
    {{"End", Qt::Key_End, Qt::NoModifier, ""}, Effet::Garde},
    {{"Insert", Qt::Key_Insert, Qt::NoModifier, ""}, Effet::Garde},
    {{"keypad 7 with Num Lock off", Qt::Key_Home, Qt::KeypadModifier, ""}, Effet::Garde},
    {{"a", Qt::Key_A, Qt::NoModifier, "a"}, Effet::Vide},
    {{"&", Qt::Key_Ampersand, Qt::NoModifier, "&"}, Effet::Vide},
};

// Every number field, each as its own window shows it, holding "42".
struct ChampNombre {
  const char* nom;
  std::function<QLineEdit*(Clavier&)> prepare;
};

const std::vector<ChampNombre> Champs = {
    {"MaReponse",
     [](Clavier& c) {
       c.W<QCheckBox>("CkBcalcul")->setChecked(false);
       c.plateforme.tirages = TirageDe303;
       c.fenetre->BresultClick();
       for (int code : {1, CodePlus, 2}) c.fenetre->Effectue(code);
       return c.W<QLineEdit>("MaReponse");
     }},
    {"Edit1",
     [](Clavier& c) {
       c.fenetre->Modifer1Click();
       return c.W<QLineEdit>("Edit1");
     }},
    {"Edit7",
     [](Clavier& c) {
       c.fenetre->Modifer1Click();
       return c.W<QLineEdit>("Edit7");
     }},
    {"Enbadecomp",
     [](Clavier& c) {
       c.fenetre->BTbackClick();
       return c.W<QLineEdit>("Enbadecomp");
     }},
    {"Lcalcul",
     [](Clavier& c) {
       c.fenetre->BTbackClick();
       return c.W<QLineEdit>("Lcalcul");
     }},
    {"TXTnbtir", [](Clavier& c) { return c.fenetre->FRMgene()->TXTnbtir; }},
};

TEST(Clavier, EveryNumberFieldTakesTheDigitsOfBothRowsAndKeepsItsNumberOnKeysThatMove) {
  for (const ChampNombre& champ : Champs) {
    Clavier c;
    QLineEdit* ligne = champ.prepare(c);
    for (const auto& [touche, effet] : Touches) {
      ligne->setFocus();
      // The calculator writes its own field: a letter wipes it, then "42" is typed.
      if (ligne->objectName() == "Lcalcul") {
        for (const char* t : {"a", "4", "2"}) Touche{"", Qt::Key(QChar(t[0]).toUpper().unicode()), Qt::NoModifier, t}.Envoie(ligne);
      } else {
        ligne->setText("42");
      }
      touche.Envoie(ligne);
      // The series count takes the letter afresh, as its dialog always did.
      const QString vide = ligne->objectName() == "TXTnbtir" ? touche.texte : QString();
      const QString attendu = effet == Effet::Tape ? "42" + touche.texte : effet == Effet::Garde ? "42" : vide;
      EXPECT_EQ(ligne->text(), attendu) << champ.nom << ", " << touche.nom;
    }
  }
}

TEST(Clavier, EnterConfirmsEachNumberFieldItsOwnWay) {
  Clavier c;
  const Touche entree{"Enter", Qt::Key_Enter, Qt::KeypadModifier, "\r"};
  const Touche retour{"Return", Qt::Key_Return, Qt::NoModifier, "\r"};
  // The series dialog: Enter presses "OK", and the count stays.
  for (const Touche& touche : {entree, retour}) {
    c.plateforme.quandDialogue = [&touche](QDialog& dialogue) {
      auto& generation = static_cast<TFRMgene&>(dialogue);
      generation.TXTnbtir->setText("3");
      touche.Envoie(generation.TXTnbtir);
    };
    const int avant = c.fenetre->jeu().Tirages().NbLignes();
    c.fenetre->BTgenereClick();
    EXPECT_EQ(c.fenetre->jeu().Tirages().NbLignes(), avant + 3) << touche.nom;
    EXPECT_EQ(c.fenetre->FRMgene()->TXTnbtir->text(), "3") << touche.nom;
  }
  // A typed draw: from field to field, the target back to the first.
  c.fenetre->Modifer1Click();
  retour.Envoie(c.W("Edit3"));
  EXPECT_EQ(QApplication::focusWidget(), c.W("Edit4"));
  entree.Envoie(c.W("Edit7"));
  EXPECT_EQ(QApplication::focusWidget(), c.W("Edit1"));
  // The number to break into primes.
  c.fenetre->BTbackClick();
  c.W<QLineEdit>("Enbadecomp")->setText("84");
  retour.Envoie(c.W("Enbadecomp"));
  EXPECT_EQ(c.W<QLineEdit>("Ldecompos")->text(), "2 x 2 x 3 x 7");
}

// During a game, with the keyboard anywhere on the game page but in a
// field, the operator keys press their buttons and Backspace "Retour".
TEST(Clavier, OperatorKeysAndBackspacePlayFromAnywhereOnTheGamePage) {
  const std::vector<std::pair<Touche, QString>> operateurs = {
      {{"+", Qt::Key_Plus, Qt::ShiftModifier, "+"}, "25+"},
      {{"keypad +", Qt::Key_Plus, Qt::KeypadModifier, "+"}, "25+"},
      {{"-", Qt::Key_Minus, Qt::NoModifier, "-"}, "25-"},
      {{"*", Qt::Key_Asterisk, Qt::ShiftModifier, "*"}, "25x"},
      {{"x", Qt::Key_X, Qt::NoModifier, "x"}, "25x"},
      {{"X", Qt::Key_X, Qt::ShiftModifier, "X"}, "25x"},
      {{"/", Qt::Key_Slash, Qt::NoModifier, "/"}, "25/"},
      {{"keypad /", Qt::Key_Slash, Qt::KeypadModifier, "/"}, "25/"},
  };
  const Touche efface{"Backspace", Qt::Key_Backspace, Qt::NoModifier, "\b"};
  Clavier c;
  c.plateforme.tirages = TirageDe303;
  c.fenetre->BresultClick();
  QWidget* tuile = c.W("P6");
  QWidget* onglets = c.Pages()->findChild<QTabBar*>();
  for (QWidget* ou : {tuile, onglets}) {
    for (const auto& [touche, ligne] : operateurs) {
      QTest::mousePress(c.W("P1"), Qt::LeftButton);
      ou->setFocus();
      touche.Envoie(ou);
      EXPECT_EQ(c.Ligne(1), ligne) << touche.nom;
      efface.Envoie(ou);
      EXPECT_EQ(c.Ligne(1), "") << touche.nom;
      EXPECT_TRUE(c.W("P1")->isEnabled()) << touche.nom;
    }
  }
  // Ctrl+X is no multiplication.
  QTest::mousePress(c.W("P1"), Qt::LeftButton);
  Touche{"Ctrl+X", Qt::Key_X, Qt::ControlModifier, "\x18"}.Envoie(tuile);
  EXPECT_EQ(c.Ligne(1), "25");
  // In the answer field an operator is a wrong key, not a press.
  c.W<QCheckBox>("CkBcalcul")->setChecked(false);
  for (int code : {CodePlus, 2}) c.fenetre->Effectue(code);
  auto* reponse = c.W<QLineEdit>("MaReponse");
  ASSERT_TRUE(reponse->hasFocus());
  for (const auto& [touche, ligne] : operateurs) {
    touche.Envoie(reponse);
    efface.Envoie(reponse);
  }
  EXPECT_EQ(c.Ligne(1), "25+50=");
  EXPECT_EQ(reponse->text(), "");
}

TEST(Clavier, ThePickedTileLooksUnlikeTheOneWithTheKeyboard) {
  Clavier c;
  c.plateforme.tirages = {20, 21, 22, 23, 0, 1, 202};  // 25 50 75 100 1 1: the last two alike
  c.fenetre->BresultClick();
  QTest::mousePress(c.W("P5"), Qt::LeftButton);
  c.W("P6")->setFocus();
  ASSERT_FALSE(c.W("P5")->isEnabled());
  const QImage choisie = c.W("P5")->grab().toImage();
  const QImage focalisee = c.W("P6")->grab().toImage();
  const QImage libre = c.W("P4")->grab().toImage();
  // Same number, same size: only the look tells a picked tile from the focused one.
  EXPECT_NE(choisie, focalisee);
  EXPECT_NE(focalisee.pixelColor(1, focalisee.height() / 2), libre.pixelColor(1, libre.height() / 2));
}

TEST(Clavier, DeleteAndShiftF10ActOnTheDrawsListAsItsMenuDoes) {
  Clavier c;
  for (int i = 0; i < 4; ++i) c.fenetre->BresultClick();
  c.MontrePage("TStirage");
  auto* liste = c.W<QTreeView>("LVtirage");
  QStringList cibles;
  for (int i = 0; i < 4; ++i) cibles.append(liste->model()->index(i, 0).data().toString());
  for (int i : {1, 2}) {
    liste->selectionModel()->select(liste->model()->index(i, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
  }
  liste->setFocus();
  Touche{"Delete", Qt::Key_Delete, Qt::NoModifier, "\x7f"}.Envoie(liste);
  ASSERT_EQ(liste->model()->rowCount(), 2);
  EXPECT_EQ(liste->model()->index(1, 0).data().toString(), cibles[3]);

  auto* menu = c.W<QMenu>("PMtirage");
  Touche{"Shift+F10", Qt::Key_F10, Qt::ShiftModifier, ""}.Envoie(liste);
  EXPECT_TRUE(menu->isVisible());
  menu->hide();
}

}  // namespace
}  // namespace tolvan::test
