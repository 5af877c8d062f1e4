#include "workbench/Werkbank.h"
#include "platform/Blattspeicher.h"

#include <charconv>
#include <limits>

Werkbank_Zustand& Werkbank = Blatt_Speicher().Teil<Werkbank_Zustand>();

void Werkbank_zuruecksetzen() {
  Werkbank = Werkbank_Zustand{};
}

std::map<std::string, std::string, std::less<>> Startfeldtexte() {
  std::map<std::string, std::string, std::less<>> texte;
  for (const TStartwert& s : Startwerte())
    if (s.text) texte.emplace(s.name, s.text);
  return texte;
}

const std::string& Werkbank_Zustand::Feldtext(std::string_view feld) const {
  static const std::string leer;
  auto it = Feldtexte.find(feld);
  return it == Feldtexte.end() ? leer : it->second;
}

bool Ganzzahl_lesen(const std::string& text, int& wert) {
  std::size_t a = text.find_first_not_of(' ');
  std::size_t e = text.find_last_not_of(' ');
  if (a == std::string::npos) return false;
  const char* anfang = text.data() + a;
  const char* ende = text.data() + e + 1;
  bool negativ = false;
  if (*anfang == '+' || *anfang == '-') negativ = *anfang++ == '-';
  int basis = 10;
  if (anfang != ende && *anfang == '$') {
    basis = 16;
    ++anfang;
  }
  if (anfang == ende || *anfang == '+' || *anfang == '-') return false;
  long long n = 0;
  auto [p, fehler] = std::from_chars(anfang, ende, n, basis);
  if (fehler != std::errc() || p != ende) return false;
  if (negativ) n = -n;
  if (n < std::numeric_limits<int>::min() || n > std::numeric_limits<int>::max()) return false;
  wert = static_cast<int>(n);
  return true;
}

int n_Start_lesen(const std::string& text) {
  int n = 0;
  return Ganzzahl_lesen(text, n) ? n : 1;
}

int Iterationstiefe_lesen(const std::string& text) {
  int n = 0;
  if (!Ganzzahl_lesen(text, n) || n >= 1500 || n < 2) return 500;
  return n;
}

std::string Zeichen_entfernen(const std::string& text, char zeichen) {
  std::size_t a = text.find_first_not_of(' ');
  if (a == std::string::npos) return "";
  std::size_t e = text.find_last_not_of(' ');
  std::string ergebnis;
  ergebnis.reserve(e - a + 1);
  for (std::size_t i = a; i <= e; ++i)
    if (text[i] != zeichen) ergebnis += text[i];
  return ergebnis;
}

namespace {

Tastenwirkung Enter_Filter(const std::string& z) {
  if (z == "\r" || z == "\n") return {"", true};
  return {z, false};
}

Tastenwirkung Term_Filter(const std::string& z) {
  if (z == "*") return {"\u00B7", false};
  if (z == ".") return {",", false};
  return Enter_Filter(z);
}

bool ist_Buchstabe(const std::string& z) {
  if (z.size() == 1) {
    unsigned char c = static_cast<unsigned char>(z[0]);
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
  }
  // German letters typed on the keyboard.
  static const char* const umlaute[] = {"ä", "ö", "ü", "Ä", "Ö", "Ü", "ß"};
  for (const char* u : umlaute)
    if (z == u) return true;
  return false;
}

}  // namespace

Tastenwirkung Taste_filtern(Feldart art, const std::string& zeichen) {
  switch (art) {
    case Feldart::keine:
      return {zeichen, false};
    case Feldart::Enter:
      return Enter_Filter(zeichen);
    case Feldart::Term:
      return Term_Filter(zeichen);
    case Feldart::Zahl: {
      if (ist_Buchstabe(zeichen)) {
        char c = zeichen.size() == 1 ? static_cast<char>(zeichen[0] & ~0x20) : 0;
        if (c != 'E' && c != 'I' && c != 'P' && c != 'W') return {"", false};
      }
      return Term_Filter(zeichen);
    }
    case Feldart::Ganzzahl: {
      bool erlaubt =
          zeichen.size() == 1 &&
          ((zeichen[0] >= '0' && zeichen[0] <= '9') || zeichen[0] == '\b' || zeichen[0] == '\r' ||
           zeichen[0] == '\n' || zeichen[0] == '\x1b' || zeichen[0] == '#' || zeichen[0] == '$');
      if (!erlaubt) return {"", false};
      return Enter_Filter(zeichen);
    }
  }
  return {zeichen, false};
}
