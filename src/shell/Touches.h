// The keys the number fields keep: the numeric keypad's digits (which real
// keyboards and the tests both send with the keypad modifier) and Enter.
#pragma once

#include <Qt>

namespace tolvan {

inline bool EstChiffreDuPave(int touche, Qt::KeyboardModifiers modificateurs) {
  return (modificateurs & Qt::KeypadModifier) && touche >= Qt::Key_0 && touche <= Qt::Key_9;
}

// Enter on the keypad, or Return on the main keyboard.
inline bool EstEntree(int touche) { return touche == Qt::Key_Enter || touche == Qt::Key_Return; }

}  // namespace tolvan
