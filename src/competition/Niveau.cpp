#include "Niveau.h"

#include <algorithm>
#include <filesystem>

#include "engine/Entier.h"

namespace tolvan {

namespace {

// The guard above the first record: a total above it is placed first.
constexpr longint Garde = 60000;

// A level's numbers are kept in 16 bits: one that does not fit, or a time
// of no second at all, is as unreadable as one that is no number.
constexpr longint TempsMin = 1;
constexpr longint ValeurMin = 0;
constexpr longint ValeurMax = 65535;

std::optional<word> Nombre16(std::string_view texte, longint minimum) {
  if (texte.starts_with('+')) texte.remove_prefix(1);
  const std::optional<longint> valeur = LitEntier(texte);
  if (!valeur || *valeur < minimum || *valeur > ValeurMax) return std::nullopt;
  return static_cast<word>(*valeur);
}

// The first `n` characters of UTF-8 text.
std::string Debut(const std::string& texte, std::size_t n) {
  std::size_t i = 0;
  for (std::size_t caracteres = 0; i < texte.size() && caracteres < n; ++caracteres) {
    ++i;
    while (i < texte.size() && (static_cast<unsigned char>(texte[i]) & 0xC0) == 0x80) ++i;
  }
  return texte.substr(0, i);
}

}  // namespace

LectureNiveau LitNiveau(const std::vector<std::string>& lignes, bool recordsEnNombres) {
  LectureNiveau lecture;
  Niveau& n = lecture.niveau;
  const auto ligne = [&](int k) { return k < static_cast<int>(lignes.size()) ? lignes[static_cast<std::size_t>(k)] : std::string(); };
  // Takes line k; false when it had to be a number and is not.
  const auto prend = [&](int k, bool nombre, word* valeur, longint minimum = ValeurMin) {
    lecture.derniereLigne = ligne(k);
    const std::optional<word> converti = Nombre16(lecture.derniereLigne, minimum);
    if (nombre && !converti) return false;
    if (valeur && converti) *valeur = *converti;
    lecture.lignesPrises = k + 1;
    return true;
  };
  n.nom = ligne(0);
  n.fichierTirages = ligne(1);
  lecture.lignesPrises = 2;
  n.temps = ligne(2);
  if (!prend(2, true, &n.tempsNiveau, TempsMin)) return lecture;
  for (int r = 0; r < NbRecords; ++r) {
    const int premiere = 3 + 3 * r;
    TRecord& record = n.records[static_cast<std::size_t>(r)];
    n.lignesRecords.push_back({ligne(premiere), "", ""});
    if (!prend(premiere, recordsEnNombres, &record.Score)) return lecture;
    n.lignesRecords.back()[1] = ligne(premiere + 1);
    record.Nom = Debut(ligne(premiere + 1), LongueurNom);
    prend(premiere + 1, false, nullptr);
    n.lignesRecords.back()[2] = ligne(premiere + 2);
    if (!prend(premiere + 2, recordsEnNombres, &record.Serie)) return lecture;
  }
  lecture.lu = true;
  return lecture;
}

std::vector<std::string> LignesNiveau(const Niveau& niveau) {
  std::vector<std::string> lignes{niveau.nom, niveau.fichierTirages, std::to_string(niveau.tempsNiveau)};
  for (const TRecord& record : niveau.records) {
    lignes.push_back(std::to_string(record.Score));
    lignes.push_back(record.Nom);
    lignes.push_back(std::to_string(record.Serie));
  }
  return lignes;
}

std::string MessageConversionNiveau(const std::string& derniereLigne) {
  return "Erreur lors de la lecture des scores\rConversion impossible :" + derniereLigne;
}

void AjouteRecord(std::array<TRecord, NbRecords>& records, const TRecord& nouveau) {
  // A file made by hand may list its records in any order: best first, and
  // of two equal scores the one listed first stays above.
  std::stable_sort(records.begin(), records.end(),
                   [](const TRecord& a, const TRecord& b) { return a.Score > b.Score; });
  // Scanning up from the tenth, the record goes below the last one at least as good.
  int i = NbRecords;
  const auto score = [&](int place) { return place == 0 ? Garde : longint{records[static_cast<std::size_t>(place - 1)].Score}; };
  const longint total = nouveau.Score;
  if (total > Garde) {
    i = 0;
  } else {
    while (score(i) < total) --i;
  }
  if (i >= NbRecords) return;
  std::move_backward(records.begin() + i, records.end() - 1, records.end());
  records[static_cast<std::size_t>(i)] = nouveau;
}

TRecord RecordDeSerie(const std::string& nomJoueur, longint scoreTotal, word nbTrouves) {
  const longint score = std::clamp<longint>(scoreTotal, 0, 65535);
  // A name is one line of the level file, whatever was pasted into it.
  std::string nom = nomJoueur;
  std::replace_if(nom.begin(), nom.end(), [](unsigned char c) { return c < 0x20 || c == 0x7F; }, ' ');
  return {Debut(nom, LongueurNom), static_cast<word>(score), nbTrouves};
}

std::string CheminTiragesNiveau(const std::string& cheminNiveau, const std::string& fichierTirages) {
  namespace fs = std::filesystem;
  // A level made on Windows may name its draws with backslashes.
  std::string chemin = fichierTirages;
  if (!fs::exists(chemin)) std::replace(chemin.begin(), chemin.end(), '\\', '/');
  const fs::path ecrit(chemin);
  if (ecrit.is_absolute()) return chemin;
  const fs::path voisin = fs::path(cheminNiveau).parent_path() / ecrit;
  std::error_code erreur;
  if (fs::exists(voisin, erreur)) return voisin.string();
  return fichierTirages;
}

}  // namespace tolvan
