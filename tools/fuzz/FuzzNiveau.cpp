// libFuzzer target for level files: whatever the bytes, reading never
// crashes; a level read has a time of 1 to 65535 seconds; a total added to
// its records leaves them best first, and the level written back reads
// again as it was written. The first four bytes give the total and the
// count of the record added, the rest is the file.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "competition/Niveau.h"
#include "library/TexteWindows.h"

namespace {

using namespace tolvan;

// Aborts, naming the property broken, so that libFuzzer keeps the input.
void Exige(bool condition, int ligne = __builtin_LINE()) {
  if (condition) return;
  std::fprintf(stderr, "FuzzNiveau.cpp:%d: property broken\n", ligne);
  std::abort();
}

std::vector<std::string> LignesUtf8(std::string_view octets) {
  std::vector<std::string> lignes;
  for (const std::string& ligne : DecoupeLignes(octets)) lignes.push_back(Utf8DepuisWindows1252(ligne));
  return lignes;
}

bool MeilleursDabord(const std::array<TRecord, NbRecords>& records) {
  return std::is_sorted(records.begin(), records.end(),
                        [](const TRecord& a, const TRecord& b) { return a.Score > b.Score; });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  if (taille < 4) return 0;
  const longint total = donnees[0] | (donnees[1] << 8) | ((donnees[2] & 1) << 16);
  const auto trouves = static_cast<word>(donnees[3]);
  const std::string_view contenu(reinterpret_cast<const char*>(donnees) + 4, taille - 4);

  const std::vector<std::string> lignes = LignesUtf8(contenu);
  const LectureNiveau lecture = LitNiveau(lignes);
  // Only the time must be a number to show the records.
  Exige(!lecture.lu || LitNiveau(lignes, false).lu);
  if (!lecture.lu) return 0;
  Niveau niveau = lecture.niveau;
  Exige(niveau.tempsNiveau >= 1);
  Exige(std::to_string(niveau.tempsNiveau) == LignesNiveau(niveau)[2]);

  std::array<TRecord, NbRecords> avant = niveau.records;
  std::stable_sort(avant.begin(), avant.end(), [](const TRecord& a, const TRecord& b) { return a.Score > b.Score; });
  const TRecord record = RecordDeSerie(niveau.nom, total, trouves);
  AjouteRecord(niveau.records, record);
  Exige(MeilleursDabord(niveau.records) || record.Score > 60000);
  // Placed exactly when it beats the tenth; the tenth, lower, then leaves.
  const bool classe = record.Score > avant.back().Score || record.Score > 60000;
  const auto fois = [&record](const std::array<TRecord, NbRecords>& records) {
    return std::count(records.begin(), records.end(), record);
  };
  Exige(fois(niveau.records) == fois(avant) + (classe ? 1 : 0));

  const LectureNiveau relue = LitNiveau(LignesUtf8(OctetsTexte(LignesNiveau(niveau))));
  Exige(relue.lu);
  Exige(relue.niveau.nom == niveau.nom);
  Exige(relue.niveau.fichierTirages == niveau.fichierTirages);
  Exige(relue.niveau.tempsNiveau == niveau.tempsNiveau);
  Exige(relue.niveau.records == niveau.records);
  return 0;
}
