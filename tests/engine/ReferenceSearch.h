// A plain, slow transcription of the search rules, with no shortcut: the
// solver must give exactly the same table, ranking and closest record.
#pragma once

#include <string>
#include <vector>

#include "engine/Records.h"

namespace tolvan::test {

struct ReferenceResult {
  std::vector<TSolution> solutions;
  word nbEtapesMin = 6;
  word indiceSimple = 1;
  word indiceTordue = 1;
  longint maxIntermediaire = 0;
  std::string texteSimple = "?";
  bool approchee = false;
  TSolution proche;
};

ReferenceResult ReferenceSearch(std::vector<longint> nombres, longint cible, bool serie);

}  // namespace tolvan::test
