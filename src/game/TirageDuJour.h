// The draw of the day: the same six numbers and target for every player on
// a given date, whatever the machine, the version or the settings, so that
// players can compare their results. It depends on the date alone, through
// a generator anyone can run again (see the README): SplitMix64 seeded with
// the date read as AAAAMMJJ deals draws as a random draw does until one is
// exactly reachable and has the mark of its weekday.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/Solveur.h"

namespace tolvan {

using Date = std::chrono::year_month_day;

// The mark a weekday's draw has: Monday 1, Tuesday and Wednesday 2,
// Thursday and Friday 3, Saturday and Sunday 4.
int DifficulteDuJour(const Date& date);

// The date read as the number AAAAMMJJ: 20261207 for 7 December 2026.
std::uint64_t GraineDuJour(const Date& date);

// Deals the date's draw into `solveur.Tirage` and leaves it searched
// (ChercheSol), as the game shows it. Returns how many draws were dealt to
// find it, the last one being the day's.
int TireDuJour(Solveur& solveur, const Date& date);

// "AAAA-MM-JJ"; nothing for anything else or for a day that does not exist.
std::optional<Date> LitDate(std::string_view texte);
std::string TexteDate(const Date& date);

}  // namespace tolvan
