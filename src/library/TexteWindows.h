// Text as every file of the game stores it: single-byte Windows-1252, each
// line ended by CR LF. When reading, a line ends at a CR, an LF right after
// it is skipped and a Ctrl-Z ends the file, so that files made on Windows
// read unchanged. Draws and levels, which players also write by hand on
// Linux, end a line at an LF alone too; in the other files an LF alone is
// an ordinary character. Inside the program text is UTF-8.
#pragma once

#include <cstddef>
#include <fstream>
#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvan {

// Where a line ends when a file is read.
enum class FinsDeLigne {
  Windows,        // at a CR, an LF right after it being skipped
  WindowsOuUnix,  // the same, and at an LF alone
};

std::string Utf8DepuisWindows1252(std::string_view octets);
// Text a player saved or pasted on any system: kept as it is when it is
// valid UTF-8, read as Windows-1252 otherwise (a Windows-1252 text with an
// accent is almost never valid UTF-8). A UTF-8 byte order mark goes.
std::string Utf8DepuisTexteLibre(std::string_view octets);
// A character the code page lacks is written as "?", never as Ctrl-Z,
// which would end the file.
std::string Windows1252DepuisUtf8(std::string_view texte);

// A whole text file: each line in Windows-1252 followed by CR LF. A
// character inside a line that would end the line or the file when it is
// read back (a CR, a Ctrl-Z, and with `fins` an LF) is written as a space.
std::string OctetsTexte(const std::vector<std::string>& lignes, FinsDeLigne fins = FinsDeLigne::Windows);

// The lines of a file's bytes held in memory, still in Windows-1252, read as
// LecteurLignes reads a file; an empty file has none.
std::vector<std::string> DecoupeLignes(std::string_view contenu, FinsDeLigne fins = FinsDeLigne::Windows);

// Reads a file's lines one at a time without holding the whole file. It
// refuses what is not a regular file (a folder, a device, a pipe that would
// never end) and stops after `octetsMax` bytes.
class LecteurLignes {
 public:
  static constexpr std::size_t OctetsMaxParDefaut = std::size_t{64} << 20;

  // The file is taken `morceau` bytes at a time.
  explicit LecteurLignes(std::size_t octetsMax = OctetsMaxParDefaut, std::size_t morceau = std::size_t{1} << 16,
                         FinsDeLigne fins = FinsDeLigne::Windows)
      : octetsMax_(octetsMax), morceau_(morceau), fins_(fins) {}

  // False when `chemin` is no regular file or cannot be opened.
  bool Ouvre(const std::string& chemin);
  // Reads from a stream already open instead.
  void LitDepuis(std::unique_ptr<std::istream> flux) { flux_ = std::move(flux); }
  // The next line's bytes; nothing at the end of the file, at a Ctrl-Z, at
  // the size limit or on a read error.
  std::optional<std::string> Suivante();

  bool ErreurDeLecture() const { return erreur_; }
  // Reading stopped at the size limit with more of the file left.
  bool Tronque() const { return tronque_; }
  // Reading stopped at a Ctrl-Z that is not the file's last byte.
  bool SuiteApresCtrlZ() const { return suiteApresCtrlZ_; }

 private:
  bool Remplit();

  std::unique_ptr<std::istream> flux_;
  std::size_t octetsMax_;
  std::size_t morceau_;
  FinsDeLigne fins_;
  std::size_t octetsLus_ = 0;
  std::string tampon_;
  std::size_t position_ = 0;
  bool fin_ = false;
  bool erreur_ = false;
  bool tronque_ = false;
  bool suiteApresCtrlZ_ = false;
};

}  // namespace tolvan
