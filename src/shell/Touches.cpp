#include "Touches.h"

#include <QKeyEvent>

#include "game/TableauNoir.h"

namespace tolvan {

namespace {

// Keys that only move the cursor or the focus, or change what other keys type.
bool Deplace(int touche) {
  switch (touche) {
    case Qt::Key_Tab: case Qt::Key_Backtab:
    case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up: case Qt::Key_Down:
    case Qt::Key_Home: case Qt::Key_End: case Qt::Key_PageUp: case Qt::Key_PageDown: case Qt::Key_Insert:
    case Qt::Key_Shift: case Qt::Key_Control: case Qt::Key_Alt: case Qt::Key_AltGr: case Qt::Key_Meta:
    case Qt::Key_Super_L: case Qt::Key_Super_R: case Qt::Key_Hyper_L: case Qt::Key_Hyper_R:
    case Qt::Key_Mode_switch: case Qt::Key_CapsLock: case Qt::Key_NumLock: case Qt::Key_ScrollLock:
      return true;
    default:
      return false;
  }
}

// A key held with Ctrl, Alt or Meta is a command (Ctrl+C), never typing.
bool Commande(const QKeyEvent& touche) {
  return touche.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}

// What the key typed, or what the keypad's key stands for when it typed nothing.
QChar Caractere(const QKeyEvent& touche) {
  if (touche.text().size() == 1 && touche.text().front().isPrint()) return touche.text().front();
  const int cle = touche.key();
  return cle >= 0x20 && cle < 0x7F ? QChar(cle) : QChar();
}

}  // namespace

GenreTouche GenreDe(const QKeyEvent& touche) {
  const int cle = touche.key();
  if (Deplace(cle) || Commande(touche)) return GenreTouche::Deplacement;
  if (cle == Qt::Key_Return || cle == Qt::Key_Enter) return GenreTouche::Entree;
  if (cle == Qt::Key_Backspace || cle == Qt::Key_Delete) return GenreTouche::Edition;
  const QChar c = Caractere(touche);
  if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) return GenreTouche::Chiffre;
  if (CodeOperateur(touche) != 0) return GenreTouche::Operateur;
  return GenreTouche::Autre;
}

int CodeOperateur(const QKeyEvent& touche) {
  if (Commande(touche)) return 0;
  switch (Caractere(touche).toLower().unicode()) {
    case '+': return CodePlus;
    case '*': case 'x': return CodeFois;
    case '-': return CodeMoins;
    case '/': return CodeDivise;
    default: return 0;
  }
}

}  // namespace tolvan
