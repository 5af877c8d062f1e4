// libFuzzer target over everything a user can type into the engine: terms (evaluated by the
// reader, by the text and by a compiled object, which must all agree), the syntax check,
// number texts and number formatting.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "engine/UFunktionsParser.h"
#include "engine/UMatheBasisOp.h"
#include "platform/Dialoge.h"

namespace {

struct Stumme_Dialoge final : Dialoge {
  void Meldung(const std::string&) override {}
  bool Frage(const std::string&) override { return false; }
  bool Eingabe(const std::string&, const std::string&, std::string&) override { return false; }
};

struct Ergebnis {
  long double wert;
  bool fehler, sprung, sgn_null, knick;
  std::string text;
  std::uint32_t saat;
};

enum class Weg { Leser, Text, Objekt };

// The object evaluates twice in a row, at x and then at k, so that its second run starts from
// what its first one left (random seed, fault text); the other paths do the same.
Ergebnis Auswerten(Weg weg, const std::string& term, long double x, long double k) {
  Fehler = false;
  Sprung = Sgn_Null = Knick = false;
  Fehlertext.clear();
  Zufall_zuruecksetzen(12345);
  Ergebnis e{};
  TTerm objekt(term);
  for (const long double a : {x, k}) {
    switch (weg) {
      case Weg::Leser:
        e.wert = Term_auswerten_Referenz(term, a, k);
        break;
      case Weg::Text:
        e.wert = Term_auswerten(term, a, k);
        break;
      case Weg::Objekt:
        e.wert = objekt.Wert(a, k);
        break;
    }
  }
  e.fehler = Fehler;
  e.sprung = Sprung;
  e.sgn_null = Sgn_Null;
  e.knick = Knick;
  e.text = Fehlertext;
  e.saat = Zufall_Saat();
  return e;
}

bool gleich(const Ergebnis& r, const Ergebnis& s) {
  return std::memcmp(&r.wert, &s.wert, 10) == 0 && r.fehler == s.fehler && r.sprung == s.sprung &&
         r.sgn_null == s.sgn_null && r.knick == s.knick && r.text == s.text && r.saat == s.saat;
}

long double Zahl_aus(const std::uint8_t* d) {
  // The top eight values of the size byte stand for the arguments at which a compiled run has
  // to hand over to its checked run: not finite, signed zero, overflowing, beyond 2^62, tiny.
  static const long double besondere[] = {std::numeric_limits<long double>::infinity(),
                                          -std::numeric_limits<long double>::infinity(),
                                          std::numeric_limits<long double>::quiet_NaN(),
                                          -0.0L,
                                          1E3000L,
                                          -1E3000L,
                                          4611686018427387904.5L,
                                          0x1p-16440L};
  if (d[8] >= 0xF8) return besondere[d[8] - 0xF8];
  std::int64_t m = 0;
  std::memcpy(&m, d, sizeof m);
  const int e = static_cast<std::int8_t>(d[8]) / 4;  // a wide but finite range of sizes
  return std::ldexp(static_cast<long double>(m), e - 40);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  static Stumme_Dialoge stumm;
  Dialog_setzen(&stumm);
  if (groesse < 12) return 0;
  const std::uint8_t art = daten[0];
  const long double x = Zahl_aus(daten + 1);
  const long double k = static_cast<long double>(static_cast<std::int8_t>(daten[10])) / 4;
  const std::string text(reinterpret_cast<const char*>(daten + 11), groesse - 11);

  switch (art % 4) {
    case 0:
    case 1: {
      // The compiled form must show exactly what the reader shows.
      const Ergebnis r = Auswerten(Weg::Leser, text, x, k);
      if (!gleich(r, Auswerten(Weg::Text, text, x, k))) std::abort();
      if (!gleich(r, Auswerten(Weg::Objekt, text, x, k))) std::abort();
      break;
    }
    case 2: {
      Term_pruefen(text);
      long double w = 0;
      Term_zu_Zahl(text, w);
      break;
    }
    default: {
      long double w = 0;
      int stelle = 0;
      Zahl_einlesen(text, w, stelle);
      const int g = 8 + daten[9] % 13;
      const int n = daten[10] % 18;
      Zahl_zu_Text((art & 4) != 0, g, n, x);
      Zahl_zu_Text(false, 25, 22, x);
      Zahl_als_Bruch(x);
      if (std::isfinite(w)) Zahl_zu_Text((art & 8) != 0, g, n, w);
      break;
    }
  }
  Dialog_setzen(nullptr);
  return 0;
}
