#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTextEdit>
#include <QTreeView>

#include "FenetreDeTest.h"
#include "shell/TFRMgene.h"

namespace tolvan::test {
namespace {

// A key as a keyboard sends it: its code, its modifiers, what it types.
struct Touche {
  const char* nom;
  Qt::Key cle;
  Qt::KeyboardModifiers modificateurs;
  QString texte;
  void Envoie(QWidget* controle) const {
    for (QEvent::Type sens : {QEvent::KeyPress, QEvent::KeyRelease}) {
      QKeyEvent touche(sens, cle, modificateurs, texte);
      QApplication::sendEvent(controle, &touche);
    }
  }
};

struct Clavier : FenetreActive {
  template <class Controle = QWidget>
  Controle* W(const char* nom) const {
    return Trouve<Controle>(nom);
  }
};

// What each key does to "42" in every number field: digits of both rows
// are typed (on a French keyboard with Shift), keys that move or hold a
// modifier keep it, any other key empties it.
TEST(Clavier, EveryNumberFieldTakesDigitsOfBothRowsAndKeepsItsNumberOnKeysThatMove) {
  const QString garde = "42";
  const std::vector<std::pair<Touche, QString>> touches = {
      {{"main-row 7", Qt::Key_7, Qt::NoModifier, "7"}, "427"},
      {{"keypad 7", Qt::Key_7, Qt::KeypadModifier, "7"}, "427"},
      {{"Shift+1 on AZERTY", Qt::Key_1, Qt::ShiftModifier, "1"}, "421"},
      {{"Shift", Qt::Key_Shift, Qt::ShiftModifier, ""}, garde},
      {{"Ctrl", Qt::Key_Control, Qt::ControlModifier, ""}, garde},
      {{"Alt", Qt::Key_Alt, Qt::AltModifier, ""}, garde},
      {{"AltGr", Qt::Key_AltGr, Qt::GroupSwitchModifier, ""}, garde},
      {{"Caps Lock", Qt::Key_CapsLock, Qt::NoModifier, ""}, garde},
      {{"Tab", Qt::Key_Tab, Qt::NoModifier, "\t"}, garde},
      {{"Left", Qt::Key_Left, Qt::NoModifier, ""}, garde},
      {{"Home", Qt::Key_Home, Qt::KeypadModifier, ""}, garde},
      {{"End", Qt::Key_End, Qt::NoModifier, ""}, garde},
      {{"Insert", Qt::Key_Insert, Qt::NoModifier, ""}, garde},
      {{"a", Qt::Key_A, Qt::NoModifier, "a"}, ""},
  };
  const std::vector<std::pair<const char*, std::function<QLineEdit*(Clavier&)>>> champs = {
      {"MaReponse",
       [](Clavier& c) {
         c.W<QCheckBox>("CkBcalcul")->setChecked(false);
         c.fenetre->BresultClick();
         for (int code : {1, CodePlus, 2}) c.fenetre->Effectue(code);
         return c.W<QLineEdit>("MaReponse");
       }},
      {"Edit1", [](Clavier& c) { return c.fenetre->Modifer1Click(), c.W<QLineEdit>("Edit1"); }},
      {"Edit7", [](Clavier& c) { return c.fenetre->Modifer1Click(), c.W<QLineEdit>("Edit7"); }},
      {"Enbadecomp", [](Clavier& c) { return c.fenetre->BTbackClick(), c.W<QLineEdit>("Enbadecomp"); }},
      {"Lcalcul", [](Clavier& c) { return c.fenetre->BTbackClick(), c.W<QLineEdit>("Lcalcul"); }},
      {"TXTnbtir", [](Clavier& c) { return c.fenetre->findChild<TFRMgene*>("FRMgene")->TXTnbtir; }},
  };
  for (const auto& [nom, prepare] : champs) {
    Clavier c;
    QLineEdit* champ = prepare(c);
    for (const auto& [touche, attendu] : touches) {
      champ->setFocus();
      champ->setText("42");
      // The calculator writes its own field: a letter wipes it, "42" is typed.
      if (champ == c.W("Lcalcul")) {
        for (const char* t : {"A", "4", "2"}) Touche{t, Qt::Key(t[0]), Qt::NoModifier, t}.Envoie(champ);
      }
      touche.Envoie(champ);
      // The series count starts afresh with the key, as it always did.
      const QString vide = champ == c.fenetre->findChild<TFRMgene*>("FRMgene")->TXTnbtir ? touche.texte : QString();
      EXPECT_EQ(champ->text(), attendu.isEmpty() ? vide : attendu) << nom << ", " << touche.nom;
    }
  }
  // Enter in the series count presses "OK".
  Clavier c;
  c.plateforme.quandDialogue = [](QDialog& dialogue) {
    auto* nombre = static_cast<TFRMgene&>(dialogue).TXTnbtir;
    nombre->setText("3");
    Touche{"Enter", Qt::Key_Enter, Qt::KeypadModifier, "\r"}.Envoie(nombre);
  };
  c.fenetre->BTgenereClick();
  EXPECT_EQ(c.fenetre->jeu().bibliotheque().Modele().NbLignes(), 3);
}

// Keys that stand for a button press it: on the game page, out of any
// field, + - * x / and Backspace; on the draws list, Delete and Shift+F10.
TEST(Clavier, KeysPressTheButtonsTheyStandFor) {
  Clavier c;
  c.fenetre->BresultClick();
  const auto ligne = [&c] { return c.W<QTextEdit>("MM1")->toPlainText(); };
  for (const auto& [touche, attendu] : std::vector<std::pair<Touche, QString>>{
           {{"+", Qt::Key_Plus, Qt::ShiftModifier, "+"}, "25+"},
           {{"keypad -", Qt::Key_Minus, Qt::KeypadModifier, "-"}, "25-"},
           {{"x", Qt::Key_X, Qt::NoModifier, "x"}, "25x"},
           {{"*", Qt::Key_Asterisk, Qt::ShiftModifier, "*"}, "25x"},
           {{"/", Qt::Key_Slash, Qt::NoModifier, "/"}, "25/"},
           {{"Ctrl+X", Qt::Key_X, Qt::ControlModifier, "\x18"}, "25"}}) {
    c.fenetre->Effectue(1);
    c.W("P6")->setFocus();
    touche.Envoie(c.W("P6"));
    EXPECT_EQ(ligne(), attendu) << touche.nom;
    Touche{"Backspace", Qt::Key_Backspace, Qt::NoModifier, "\b"}.Envoie(c.W("P6"));
    EXPECT_EQ(ligne(), "") << touche.nom;
  }
  c.fenetre->BresultClick();
  c.MontrePage("TStirage");
  auto* liste = c.W<QTreeView>("LVtirage");
  liste->selectionModel()->select(liste->model()->index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
  Touche{"Delete", Qt::Key_Delete, Qt::NoModifier, "\x7f"}.Envoie(liste);
  EXPECT_EQ(liste->model()->rowCount(), 1);
  Touche{"Shift+F10", Qt::Key_F10, Qt::ShiftModifier, ""}.Envoie(liste);
  EXPECT_TRUE(c.W<QMenu>("PMtirage")->isVisible());
  c.W<QMenu>("PMtirage")->hide();
}

}  // namespace
}  // namespace tolvan::test
