#include <gtest/gtest.h>

#include "library/ChampsCsv.h"
#include "library/TexteWindows.h"

namespace tolvan::test {
namespace {

// Each field stays one field, and text a spreadsheet would compute is
// shown instead; reading a field back gives the text written.
TEST(ChampsCsv, AFieldStaysOneFieldAndNeverBecomesAFormula) {
  struct Cas {
    std::string texte;
    std::string champ;
  };
  const std::vector<Cas> cas = {
      {"Anne", "Anne"},
      {"", ""},
      {"Zoé", "Zoé"},
      {"Anne;=1+1", "\"Anne;=1+1\""},
      {"=1+1", "'=1+1"},
      {"+33 6 12", "'+33 6 12"},
      {"-A1", "'-A1"},
      {"@SOMME(A1)", "'@SOMME(A1)"},
      {"=HYPERLINK(\"x\";\"y\")", "\"'=HYPERLINK(\"\"x\"\";\"\"y\"\")\""},
      {"'déjà", "''déjà"},
      {"\tcaché", "'\tcaché"},
      {"ligne\r\nsuite", "\"ligne\r\nsuite\""},
      {"dit \"Jo\"", "\"dit \"\"Jo\"\"\""},
      // Plain numbers are numbers, signs and decimal commas included.
      {"-5", "-5"},
      {"+12", "+12"},
      {"3,5", "3,5"},
      {"-0.25", "-0.25"},
      {"-", "'-"},
      {"-5-3", "'-5-3"},
      {"1+1", "1+1"},
  };
  for (const Cas& c : cas) {
    EXPECT_EQ(ChampCsv(c.texte), c.champ) << c.texte;
    EXPECT_EQ(TexteDeChampCsv(c.champ), c.texte) << c.champ;
  }
  EXPECT_EQ(LigneCsv({"1", "Anne;=1+1", "", "=2"}), "1;\"Anne;=1+1\";;'=2");
}

TEST(TexteWindows, FreeTextIsReadAsUtf8WhenItIsAndAsWindows1252Otherwise) {
  struct Cas {
    std::string octets;
    std::string texte;
  };
  const std::vector<Cas> cas = {
      {"Zo\xC3\xA9", "Zoé"},
      {"Zo\xE9", "Zoé"},
      {"\xEF\xBB\xBF" "Anne", "Anne"},
      {"\x80 5", "€ 5"},
      {"\xC3\x28", "Ã("},                    // a lead byte without its follower
      {"\xC0\xAF", "À¯"},                     // an overlong form
      {"\xED\xA0\x80", "í\xC2\xA0\xE2\x82\xAC"},  // a surrogate: í, no-break space, €
      {"\xF0\x9F\x8E\xB2 d\xC3\xA9", "🎲 dé"},
      {"\xEF\xBF\xBD", "\xEF\xBF\xBD"},  // U+FFFD written out is text too
  };
  for (const Cas& c : cas) EXPECT_EQ(Utf8DepuisTexteLibre(c.octets), c.texte) << c.octets;
}

}  // namespace
}  // namespace tolvan::test
