// A made-up history of games, the same on every run: for the benchmark of
// the history and "Mes parties", and for the screenshots.
#pragma once

#include <cstdint>
#include <vector>

#include <QDate>

#include "midend/PartieJouee.h"

namespace tolvan {

// `nombre` games over the `jours` days up to `dernierJour`, a few each day:
// the day's draw first (found four times in five), then training games and
// a few competition draws, the easier ones found faster.
std::vector<PartieJouee> PartiesInventees(int nombre, int jours, QDate dernierJour, std::uint64_t graine = 2026);

}  // namespace tolvan
