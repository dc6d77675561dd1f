// What each line of a language file (".tvl") changes: the captions of one
// or two controls, named as the window names them, or one of the message
// texts. The built-in French captions are here too, and nowhere else, so
// that a translator starts from the same list.
//
// Every language file has 73 lines; a shorter one empties what it lacks.
// Tolvan's own texts follow them (midend/LignesPropres.h): the window shows
// them from the game's texts.
#pragma once

#include <array>
#include <vector>

#include <QString>

#include "midend/FichierLangue.h"
#include "midend/TextesMessages.h"

namespace tolvan {


// A control whose caption a line gives (the window itself for its title,
// a page for its tab), with its built-in French text.
struct CibleLangue {
  const char* controle;
  const char* francais;
};

struct LigneLangue {
  std::vector<CibleLangue> cibles;
  QString TextesMessages::*message = nullptr;  // or a message text
};

// Lines 1 to 73, in file order (index 0 is line 1). Lines 47 and 49 are
// read and change nothing.
const std::array<LigneLangue, NbLignesLangue>& LignesLangue();

// The built-in French file, line by line, as "francais.tvl" holds it:
// the 73 lines, then Tolvan's own.
std::array<QString, NbLignesFichierLangue> LignesFrancaises();

}  // namespace tolvan
