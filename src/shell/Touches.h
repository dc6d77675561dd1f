// What a key does in the window, told from the key that went down (when it
// comes up, a key may say another thing: a digit typed with Shift comes up
// as the symbol of its key once Shift is released first). Number fields take
// the digits of the main row as well as the keypad's, since most laptops
// have no keypad; keys that move, edit or hold a modifier never empty them.
#pragma once

class QKeyEvent;

namespace tolvan {

enum class GenreTouche {
  Chiffre,      // 0 to 9, of the main row or the keypad
  Operateur,    // + - * x /, of the main row or the keypad
  Entree,       // Return, or Enter on the keypad
  Edition,      // Backspace, Delete
  Deplacement,  // Tab, the arrows, Home, End, Insert, and the modifiers alone
                // (Shift, Ctrl, Alt, AltGr, Caps Lock...) or with a key (Ctrl+C)
  Autre,
};

GenreTouche GenreDe(const QKeyEvent& touche);

// The press code of the operator button the key stands for (CodePlus ...
// CodeDivise), or 0 when it stands for none.
int CodeOperateur(const QKeyEvent& touche);

}  // namespace tolvan
