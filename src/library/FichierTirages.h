// Draws files (".tir"): one draw per line, its eleven cells each followed
// by a TAB, in Windows-1252 with CR LF. Files made by hand, on Windows or on
// Linux, are read as leniently as the game always has: any single non-digit
// ends a number, only the first letter of the found mark counts, and a line
// ends at an LF alone as well as at CR LF.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "RangeeTirage.h"
#include "TexteWindows.h"

namespace tolvan {

inline constexpr FinsDeLigne FinsDeLigneTirages = FinsDeLigne::WindowsOuUnix;

// The row a line (its Windows-1252 bytes) describes; nothing when one of
// its nine numbers is missing or does not fit a 32-bit whole number.
std::optional<RangeeTirage> TXT_to_LVitem(std::string_view ligne);

// A whole draws file: each row's line, in Windows-1252, followed by CR LF.
std::string OctetsFichierTirages(const std::vector<RangeeTirage>& rangees);

// What reading a draws file says when a line holds no draw, and, once a
// few such lines were shown one by one, about all the others at once.
std::string MessageConversion(std::string_view ligne);
std::string MessageConversions(int autresLignes);
// When reading stops before the end of the file.
inline constexpr const char* MessageListePleine =
    "La liste des tirages est pleine (65535 tirages) : les suivants ne sont pas ajoutés.";
inline constexpr const char* MessageTropVolumineux = "Fichier trop volumineux : la suite du fichier n'est pas lue.";

// Reading a whole draws file, line by line, as the reader follows it.
struct SuiviLecture {
  // A row read; false when it found no room, which ends the reading.
  std::function<bool(RangeeTirage)> ajoute;
  // A line (its bytes) that holds no draw; reading goes on.
  std::function<void(std::string_view)> rejetee;
  // Called after each line, for a progress bar.
  std::function<void()> ligneLue = [] {};
};
enum class IssueLecture { Lu, OuvertureImpossible, LectureImpossible, ListePleine, TropVolumineux };
// At least one line is read, so an empty file reports one empty line. The
// rows read before a failure stay with whoever took them.
IssueLecture LitTirages(const std::string& chemin, const SuiviLecture& suivi);

}  // namespace tolvan
