#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "competition/Niveau.h"
#include "competition/Serie.h"

namespace tolvan::test {
namespace {

std::array<TRecord, NbRecords> Records(std::array<word, NbRecords> scores) {
  std::array<TRecord, NbRecords> records;
  for (int i = 0; i < NbRecords; ++i) records[i] = {std::string(1, static_cast<char>('a' + i)), scores[i], 3};
  return records;
}

std::array<word, NbRecords> Scores(const std::array<TRecord, NbRecords>& records) {
  std::array<word, NbRecords> scores;
  for (int i = 0; i < NbRecords; ++i) scores[i] = records[i].Score;
  return scores;
}

TEST(Niveau, ATotalGoesBelowEveryRecordAtLeastAsGood) {
  const std::array<word, NbRecords> avant = {500, 400, 300, 300, 200, 100, 90, 80, 70, 60};
  struct Cas {
    word total;
    std::array<word, NbRecords> apres;
    int place;  // where the new record lands, -1 for nowhere
  };
  for (const Cas& c : std::vector<Cas>{{300, {500, 400, 300, 300, 300, 200, 100, 90, 80, 70}, 4},
                                      {65, {500, 400, 300, 300, 200, 100, 90, 80, 70, 65}, 9},
                                      {60, avant, -1},
                                      {0, avant, -1},
                                      {60000, {60000, 500, 400, 300, 300, 200, 100, 90, 80, 70}, 0}}) {
    auto records = Records(avant);
    AjouteRecord(records, {"moi", c.total, 7});
    EXPECT_EQ(Scores(records), c.apres) << c.total;
    if (c.place >= 0) {
      EXPECT_EQ(records[c.place].Nom, "moi");
    }
  }
  // Beyond what the table was made for: first, and capped.
  auto records = Records({65535, 64000, 300, 300, 200, 100, 90, 80, 70, 60});
  const TRecord enorme = RecordDeSerie("moi", 250000, 99);
  EXPECT_EQ(enorme.Score, 65535);
  AjouteRecord(records, enorme);
  EXPECT_EQ(records[0], enorme);
  EXPECT_EQ(records[1].Score, 65535);

  // Records listed out of order in a file made by hand: the total still
  // finds its place, and the table comes out best first.
  struct Desordre {
    std::array<word, NbRecords> lus;
    word total;
    std::array<word, NbRecords> apres;
  };
  for (const Desordre& d : std::vector<Desordre>{
           {{60, 500, 70, 400, 80, 300, 90, 300, 100, 200}, 250, {500, 400, 300, 300, 250, 200, 100, 90, 80, 70}},
           {{0, 0, 0, 0, 0, 0, 0, 0, 0, 900}, 10, {900, 10, 0, 0, 0, 0, 0, 0, 0, 0}},
           {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 1, {10, 9, 8, 7, 6, 5, 4, 3, 2, 1}}}) {
    auto melanges = Records(d.lus);
    AjouteRecord(melanges, {"moi", d.total, 7});
    EXPECT_EQ(Scores(melanges), d.apres) << d.total;
  }

  EXPECT_EQ(RecordDeSerie("Marie-Amélie Dupont", 120, 2), (TRecord{"Marie-Amélie", 120, 2}));
  EXPECT_EQ(RecordDeSerie("", -5, 0).Score, 0);
  EXPECT_EQ(RecordDeSerie("Bob\r\n999\x1a", 80, 1).Nom, "Bob  999 ");
}

std::vector<std::string> Lignes(const std::string& nom, const std::string& temps, const std::string& score1) {
  std::vector<std::string> lignes{nom, "niveau.tir", temps};
  for (int i = 0; i < NbRecords; ++i) {
    lignes.push_back(i == 0 ? score1 : "0");
    lignes.push_back(i == 0 ? "Zoé" : "");
    lignes.push_back("0");
  }
  return lignes;
}

TEST(Niveau, LevelFilesReadAsWrittenAndWriteBackTheirRecords) {
  std::vector<std::string> lignes = Lignes("Débutant", "60", "0050");
  lignes.push_back("ligne de trop");
  const LectureNiveau lu = LitNiveau(lignes);
  ASSERT_TRUE(lu.lu);
  EXPECT_EQ(lu.niveau.tempsNiveau, 60);
  EXPECT_EQ(lu.niveau.records[0], (TRecord{"Zoé", 50, 0}));
  EXPECT_EQ(lu.niveau.lignesRecords.size(), 10u);
  EXPECT_EQ(lu.niveau.lignesRecords[0][0], "0050");  // shown as written...
  std::vector<std::string> reecrites = LignesNiveau(lu.niveau);
  EXPECT_EQ(reecrites.size(), 33u);
  EXPECT_EQ(reecrites[3], "50");  // ...until the records are written again
  lignes.pop_back();
  lignes[3] = "50";
  EXPECT_EQ(reecrites, lignes);

  // The fourth line is no number: the reading stops there, with that line.
  const LectureNiveau faux = LitNiveau(Lignes("Débutant", "60", "abc"));
  EXPECT_FALSE(faux.lu);
  EXPECT_EQ(faux.lignesPrises, 3);
  EXPECT_EQ(faux.derniereLigne, "abc");
  EXPECT_EQ(MessageConversionNiveau(faux.derniereLigne),
            "Erreur lors de la lecture des scores\rConversion impossible :abc");
  // Reloading the records list only needs the time to be a number.
  EXPECT_TRUE(LitNiveau(Lignes("Débutant", "60", "abc"), false).lu);
  EXPECT_FALSE(LitNiveau(Lignes("Débutant", "soixante", "0"), false).lu);
  // A short file: the missing lines are empty, and an empty score is no number.
  const LectureNiveau court = LitNiveau({"Court", "c.tir", "45", "10", "Léo"});
  EXPECT_FALSE(court.lu);
  EXPECT_EQ(court.derniereLigne, "");
  EXPECT_EQ(court.niveau.nom, "Court");
}

TEST(Niveau, NumbersBeyondSixteenBitsOrATimeOfNothingStopTheReading) {
  struct Cas {
    int ligne;  // 2: the time; 3: the first score; 5: the first count
    std::string texte;
    bool lu;
  };
  for (const Cas& c : std::vector<Cas>{{2, "0", false},
                                      {2, "-1", false},
                                      {2, "65536", false},
                                      {2, "70000", false},
                                      {2, "1", true},
                                      {2, "+65535", true},
                                      {3, "-5", false},
                                      {3, "70000", false},
                                      {3, "0", true},
                                      {3, "65535", true},
                                      {5, "-3", false},
                                      {5, "65536", false},
                                      {5, "65535", true}}) {
    std::vector<std::string> lignes = Lignes("Débutant", "60", "10");
    lignes[static_cast<std::size_t>(c.ligne)] = c.texte;
    const LectureNiveau lecture = LitNiveau(lignes);
    EXPECT_EQ(lecture.lu, c.lu) << c.ligne << " " << c.texte;
    if (!c.lu) {
      EXPECT_EQ(lecture.derniereLigne, c.texte);
    } else {
      EXPECT_EQ(LignesNiveau(lecture.niveau)[static_cast<std::size_t>(c.ligne)], std::to_string(std::stol(c.texte)));
    }
  }
  // Reloading the records list checks the time the same way.
  EXPECT_FALSE(LitNiveau(Lignes("Débutant", "0", "0"), false).lu);
}

TEST(Niveau, TheTimeAllowedAndWhereTheDrawsAre) {
  Serie serie;
  serie.DefinitTempsNiveau(60);
  std::vector<int> temps;
  for (int coefficient = 0; coefficient < 5; ++coefficient) {
    serie.DefinitCoefficient(coefficient);
    temps.push_back(serie.TempsAccorde());
  }
  EXPECT_EQ(temps, (std::vector<int>{30, 45, 60, 90, 120}));
  serie.DefinitTempsNiveau(45);
  serie.DefinitCoefficient(0);
  EXPECT_EQ(serie.TempsAccorde(), 22);  // 22.5, halves to even
  serie.DefinitTempsNiveau(5);
  serie.DefinitCoefficient(0);
  EXPECT_EQ(serie.TempsAccorde(), 2);
  serie.DefinitCoefficient(1);
  EXPECT_EQ(serie.TempsAccorde(), 4);  // 3.75

  namespace fs = std::filesystem;
  const fs::path dossier = fs::temp_directory_path() / "tolvan-niveau";
  fs::create_directories(dossier);
  std::ofstream(dossier / "tirages.tir") << "";
  const std::string niveau = (dossier / "niveau.niv").string();
  EXPECT_EQ(CheminTiragesNiveau(niveau, "tirages.tir"), (dossier / "tirages.tir").string());
  EXPECT_EQ(CheminTiragesNiveau(niveau, "ailleurs.tir"), "ailleurs.tir");
  EXPECT_EQ(CheminTiragesNiveau(niveau, "/srv/tirages.tir"), "/srv/tirages.tir");
  fs::remove_all(dossier);
}

}  // namespace
}  // namespace tolvan::test
