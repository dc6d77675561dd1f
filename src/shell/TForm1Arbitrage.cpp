// The arbiter's desk in the window, reached from the "Compétition" page: a
// dialog of its own over the desk's part of the game.
#include <QPushButton>

#include "TFRMarbitrage.h"
#include "TForm1.h"

namespace tolvan {

void TForm1::BTarbitrageClick() {
  frmArbitrage_->Prepare();
  plateforme_.ExecuteDialogue(*frmArbitrage_);
  Redessine();
}

}  // namespace tolvan
