#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

#include "library/TexteWindows.h"

namespace tolvan::test {
namespace {

using Lignes = std::vector<std::string>;

TEST(TexteWindows, LinesEndAtCarriageReturnsAndCtrlZEndsTheFile) {
  struct Cas {
    std::string contenu;
    Lignes lignes;
  };
  const std::vector<Cas> cas = {
      {"", {}},
      {"un\r\ndeux\r\n", {"un", "deux"}},
      {"un\r\ndeux", {"un", "deux"}},
      {"un\rdeux\r", {"un", "deux"}},
      {"un\ndeux\ntrois", {"un\ndeux\ntrois"}},  // a line feed alone is part of the line
      {"\r\n\r\nx\r\n", {"", "", "x"}},
      {std::string("un\r\n\x1a" "deux\r\n"), {"un"}},
      {std::string("un\x1a\r\ndeux"), {"un"}},
      {"a\r\n\nb\r\n", {"a", "\nb"}},
  };
  const std::filesystem::path chemin = std::filesystem::temp_directory_path() / "tolvan-lignes.txt";
  for (const Cas& c : cas) {
    EXPECT_EQ(DecoupeLignes(c.contenu), c.lignes) << c.contenu;
    // The file reader, which takes the file piece by piece, agrees.
    std::ofstream(chemin, std::ios::binary) << c.contenu;
    for (std::size_t limite : {std::size_t{1} << 20, std::size_t{1}, std::size_t{3}}) {
      LecteurLignes lecteur(limite);
      ASSERT_TRUE(lecteur.Ouvre(chemin.string()));
      Lignes lues;
      while (auto ligne = lecteur.Suivante()) lues.push_back(*ligne);
      if (limite >= c.contenu.size()) {
        EXPECT_EQ(lues, c.lignes) << c.contenu;
        EXPECT_FALSE(lecteur.Tronque());
      }
    }
  }
  std::filesystem::remove(chemin);
}

TEST(TexteWindows, ReadsAcrossPiecesAndStopsAtItsLimit) {
  const std::filesystem::path chemin = std::filesystem::temp_directory_path() / "tolvan-grand.txt";
  std::string contenu;
  for (int i = 0; i < 30000; ++i) contenu += "ligne " + std::to_string(i) + "\r\n";
  std::ofstream(chemin, std::ios::binary) << contenu;
  LecteurLignes entier;
  ASSERT_TRUE(entier.Ouvre(chemin.string()));
  int n = 0;
  while (auto ligne = entier.Suivante()) EXPECT_EQ(*ligne, "ligne " + std::to_string(n++));
  EXPECT_EQ(n, 30000);
  EXPECT_FALSE(entier.Tronque());

  LecteurLignes limite(1000);
  ASSERT_TRUE(limite.Ouvre(chemin.string()));
  int lues = 0;
  while (limite.Suivante()) ++lues;
  EXPECT_LT(lues, 200);
  EXPECT_TRUE(limite.Tronque());
  std::filesystem::remove(chemin);

  // What is no regular file is refused at once, so a pipe never hangs it.
  const std::filesystem::path tube = std::filesystem::temp_directory_path() / "tolvan-tube";
  std::filesystem::remove(tube);
  ASSERT_EQ(mkfifo(tube.c_str(), 0600), 0);
  for (const std::string& refuse : {tube.string(), std::filesystem::temp_directory_path().string(),
                                    std::string("/dev/zero"), std::string("/nulle/part")}) {
    EXPECT_FALSE(LecteurLignes().Ouvre(refuse)) << refuse;
  }
  std::filesystem::remove(tube);
}

TEST(TexteWindows, TextIsWindows1252) {
  const std::string octets("R\xe9sultat \x80 \x9c\xe0 \x81", 15);
  EXPECT_EQ(Utf8DepuisWindows1252(octets), "Résultat € œà \u0081");
  EXPECT_EQ(Windows1252DepuisUtf8("Résultat € œà \u0081"), octets);
  // Every byte comes back as it was.
  std::string tous;
  for (int i = 0; i < 256; ++i) tous += static_cast<char>(i);
  EXPECT_EQ(Windows1252DepuisUtf8(Utf8DepuisWindows1252(tous)), tous);
  // A character the code page lacks must not become Ctrl-Z, which would end
  // the file; broken UTF-8 neither.
  EXPECT_EQ(Windows1252DepuisUtf8("a\u4e2db"), "a?b");
  EXPECT_EQ(Windows1252DepuisUtf8(std::string("a\xc3", 2)), "a?");
}

}  // namespace
}  // namespace tolvan::test
