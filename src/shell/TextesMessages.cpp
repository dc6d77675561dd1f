#include "TextesMessages.h"

namespace tolvan {

std::array<QString*, TextesMessages::Nombre> TextesMessages::DansLOrdre() {
  return {&MsgCommencer,    &MsgNouvellePartie, &MsgErreurOuverture,  &MsgReessayer, &MsgErreurLecture,
          &MsgErreurEcriture, &MsgYenAPas,      &MsgImpossible,       &MsgErreurImprimante,
          &MsgArreter,      &MsgPartieSuivante, &MsgAbandonner,       &MsgToutEffacer};
}

}  // namespace tolvan
