#include "ChampsCsv.h"

#include <algorithm>

namespace tolvan {

namespace {

constexpr char Guillemet = '"';
constexpr char Apostrophe = '\'';

// A first character with which a spreadsheet starts a formula. The
// apostrophe is among them so that one put by ChampCsv is told apart from
// one that was there: both are written, one more each time.
bool OuvreUneFormule(char c) {
  return c == '=' || c == '+' || c == '-' || c == '@' || c == '\t' || c == '\r' || c == Apostrophe;
}

bool EstChiffre(char c) { return c >= '0' && c <= '9'; }

// -5, +12, 3,5 or 3.5: a number the spreadsheet reads as one, not a formula.
bool NombreSimple(std::string_view texte) {
  if (!texte.empty() && (texte.front() == '+' || texte.front() == '-')) texte.remove_prefix(1);
  const std::size_t virgule = texte.find_first_of(",.");
  const std::string_view entier = texte.substr(0, virgule);
  const std::string_view decimales = virgule == std::string_view::npos ? "0" : texte.substr(virgule + 1);
  const auto chiffres = [](std::string_view partie) {
    return !partie.empty() && std::all_of(partie.begin(), partie.end(), EstChiffre);
  };
  return chiffres(entier) && chiffres(decimales);
}

}  // namespace

std::string ChampCsv(std::string_view texte) {
  std::string champ;
  if (!texte.empty() && OuvreUneFormule(texte.front()) && !NombreSimple(texte)) champ += Apostrophe;
  champ += texte;
  if (champ.find_first_of(";\"\r\n") == std::string::npos) return champ;
  std::string entreGuillemets(1, Guillemet);
  for (const char c : champ) {
    if (c == Guillemet) entreGuillemets += Guillemet;
    entreGuillemets += c;
  }
  return entreGuillemets + Guillemet;
}

std::string LigneCsv(const std::vector<std::string>& champs) {
  std::string ligne;
  for (std::size_t i = 0; i < champs.size(); ++i) {
    if (i > 0) ligne += SeparateurCsv;
    ligne += ChampCsv(champs[i]);
  }
  return ligne;
}

std::string TexteDeChampCsv(std::string_view champ) {
  std::string texte;
  if (champ.size() >= 2 && champ.front() == Guillemet && champ.back() == Guillemet) {
    const std::string_view dedans = champ.substr(1, champ.size() - 2);
    for (std::size_t i = 0; i < dedans.size(); ++i) {
      texte += dedans[i];
      if (dedans[i] == Guillemet && i + 1 < dedans.size() && dedans[i + 1] == Guillemet) ++i;
    }
  } else {
    texte = champ;
  }
  if (texte.size() >= 2 && texte.front() == Apostrophe && OuvreUneFormule(texte[1])) texte.erase(0, 1);
  return texte;
}

}  // namespace tolvan
