#include "TexteWindows.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <sstream>
#include <unordered_map>

#include "engine/Utf8.h"

namespace tolvan {

namespace {

constexpr char RetourChariot = '\r';
constexpr char SautDeLigne = '\n';
constexpr char FinDeFichier = '\x1a';

// Bytes 0x80 to 0x9F of the code page; the five it leaves undefined stand
// for themselves.
constexpr std::array<char32_t, 32> Plage80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CaractereDe(unsigned char octet) { return (octet >= 0x80 && octet < 0xA0) ? Plage80[octet - 0x80] : octet; }

// Whether `octets` are UTF-8 as the standard has it: no overlong form, no
// surrogate, nothing beyond U+10FFFF.
bool Utf8Valide(std::string_view octets) {
  for (std::size_t i = 0; i < octets.size();) {
    char32_t caractere = 0;
    const std::size_t longueur = SequenceUtf8(octets.substr(i), caractere);
    if (longueur == 0) return false;
    i += longueur;
  }
  return true;
}

const std::unordered_map<char32_t, char>& OctetsDesCaracteres() {
  static const std::unordered_map<char32_t, char> table = [] {
    std::unordered_map<char32_t, char> t;
    for (int octet = 0; octet < 256; ++octet) t.emplace(CaractereDe(static_cast<unsigned char>(octet)), static_cast<char>(octet));
    return t;
  }();
  return table;
}

}  // namespace

std::string Utf8DepuisWindows1252(std::string_view octets) {
  std::string texte;
  texte.reserve(octets.size());
  for (const char octet : octets) AjouteUtf8(texte, CaractereDe(static_cast<unsigned char>(octet)));
  return texte;
}

std::string Utf8DepuisTexteLibre(std::string_view octets) {
  constexpr std::string_view MarqueUtf8 = "\xEF\xBB\xBF";
  if (octets.starts_with(MarqueUtf8)) octets.remove_prefix(MarqueUtf8.size());
  return Utf8Valide(octets) ? std::string(octets) : Utf8DepuisWindows1252(octets);
}

std::string Windows1252DepuisUtf8(std::string_view texte) {
  std::string octets;
  octets.reserve(texte.size());
  const auto& table = OctetsDesCaracteres();
  for (std::size_t i = 0; i < texte.size();) {
    const auto trouve = table.find(LitCaractereUtf8(texte, i));
    octets += trouve == table.end() ? '?' : trouve->second;
  }
  return octets;
}

std::string OctetsTexte(const std::vector<std::string>& lignes, FinsDeLigne fins) {
  const bool sautFinit = fins == FinsDeLigne::WindowsOuUnix;
  std::string octets;
  for (const std::string& ligne : lignes) {
    std::string ecrite = Windows1252DepuisUtf8(ligne);
    std::replace_if(
        ecrite.begin(), ecrite.end(),
        [sautFinit](char c) { return c == RetourChariot || c == FinDeFichier || (sautFinit && c == SautDeLigne); }, ' ');
    octets += ecrite;
    octets += "\r\n";
  }
  return octets;
}

std::vector<std::string> DecoupeLignes(std::string_view contenu, FinsDeLigne fins) {
  // The same reading as a file's, from memory.
  LecteurLignes lecteur(contenu.size(), std::size_t{1} << 16, fins);
  lecteur.LitDepuis(std::make_unique<std::istringstream>(std::string(contenu)));
  std::vector<std::string> lignes;
  while (std::optional<std::string> ligne = lecteur.Suivante()) lignes.push_back(std::move(*ligne));
  return lignes;
}

bool LecteurLignes::Ouvre(const std::string& chemin) {
  std::error_code erreur;
  if (!std::filesystem::is_regular_file(chemin, erreur)) return false;
  auto fichier = std::make_unique<std::ifstream>(chemin, std::ios::binary);
  if (!fichier->is_open()) return false;
  flux_ = std::move(fichier);
  return true;
}

bool LecteurLignes::Remplit() {
  if (fin_ || !flux_) return false;
  if (octetsLus_ >= octetsMax_) {
    tronque_ = flux_->peek() != std::char_traits<char>::eof();
    fin_ = true;
    return false;
  }
  tampon_.erase(0, position_);
  position_ = 0;
  const std::size_t avant = tampon_.size();
  const std::size_t voulu = std::min(morceau_, octetsMax_ - octetsLus_);
  tampon_.resize(avant + voulu);
  flux_->read(tampon_.data() + avant, static_cast<std::streamsize>(voulu));
  const auto lus = static_cast<std::size_t>(flux_->gcount());
  tampon_.resize(avant + lus);
  octetsLus_ += lus;
  if (flux_->bad()) erreur_ = true;
  if (lus == 0) fin_ = true;
  return lus > 0;
}

std::optional<std::string> LecteurLignes::Suivante() {
  std::string ligne;
  bool ligneOuverte = false;
  for (;;) {
    if (position_ >= tampon_.size() && !Remplit()) break;
    const char c = tampon_[position_++];
    if (c == FinDeFichier) {
      suiteApresCtrlZ_ = position_ < tampon_.size() || flux_->peek() != std::char_traits<char>::eof();
      fin_ = true;
      tampon_.clear();
      position_ = 0;
      break;
    }
    if (c == SautDeLigne && fins_ == FinsDeLigne::WindowsOuUnix) return ligne;
    if (c == RetourChariot) {
      // The LF that may follow can lie in the next piece of the file.
      if (position_ >= tampon_.size()) Remplit();
      if (position_ < tampon_.size() && tampon_[position_] == SautDeLigne) ++position_;
      return ligne;
    }
    ligne += c;
    ligneOuverte = true;
  }
  // A line cut off by the size limit is not a line of the file.
  if (erreur_ || !ligneOuverte || tronque_) return std::nullopt;
  return ligne;
}

}  // namespace tolvan
