// tolvan-solve's commands for club play: a fresh series code, the arbiter's
// key to a code, and the points of a result on the clubs' scale.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace tolvan::solve {

inline constexpr const char* UsageClub =
    "        tolvan-solve --nouveau-code [--tirages N] [--temps S] [--realisables]\n"
    "        tolvan-solve --code CODE [--json]\n"
    "        tolvan-solve --points [--json] NOMBRES... CIBLE RESULTAT";

// Runs the command when the arguments ask for one of these (--nouveau-code,
// --code or --points) and returns its exit code: 0, or 2 for bad arguments,
// a malformed code or a wrong check character. Nothing for other arguments.
std::optional<int> ExecuteClub(const std::vector<std::string>& arguments, std::ostream& sortie,
                               std::ostream& erreurs);

}  // namespace tolvan::solve
