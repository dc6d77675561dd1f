// How a step and a solution are written for the player.
#pragma once

#include <string>

#include "Records.h"

namespace tolvan {

// The value of one step; an unknown operation code gives back Op1.
longint Calcule(longint op1, longint op2, longint oper);
inline longint Calcule(const TEtape& etape) { return Calcule(etape.Op1, etape.Op2, etape.Oper); }

// One step as the solutions panel lists it, such as "75+25=100"; the result is
// always recomputed from the operands.
std::string TexteEtape(const TEtape& etape);

// The one-line text of a solution, such as "100=(6-1)x4x5": "Pas de solution"
// for an empty record, "?" when the steps do not form a single chain.
std::string TexteSolution(const TSolution& solution);

}  // namespace tolvan
