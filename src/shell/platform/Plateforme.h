// The desktop's services as the window sees them: those the game asks for,
// and the two that need a widget.
#pragma once

#include <QString>

#include "midend/Services.h"

class QDialog;
class QWidget;

namespace tolvan {

// The captions of the message boxes' buttons, in the game's language.
struct MotsDesBoutons {
  QString oui, non, annuler, reessayer;
};

class Plateforme : public Services {
 public:
  // The buttons' captions from now on ("OK" is the same in every language).
  virtual void DefinitMotsDesBoutons(const MotsDesBoutons& mots) = 0;

  // The main window, over which boxes and dialogs are shown. Given before
  // the window sets itself up, so that even a box of its start has a parent.
  virtual void DefinitFenetre(QWidget* fenetre) = 0;

  // One of the game's own dialogs, shown modally; its result (accepted or not).
  virtual int ExecuteDialogue(QDialog& dialogue) = 0;
};

}  // namespace tolvan
