#pragma once
// The expression engine: school-notation terms are normalised, checked and evaluated.

#include <memory>
#include <string>

namespace term_intern {
struct Programm;
}

// Error state and discontinuity flags of the last evaluation.
extern bool Fehler, Sprung, Sgn_Null, Knick;
extern std::string Fehlertext;

// Value of term for variable x and parameter k (typed as t, n or k); 1E100 on any fault.
long double Term_auswerten(const std::string& term, long double x, long double k);
// Syntax check at x = k = 1; shows a syntax fault through Dialog().Meldung and returns false.
bool Term_pruefen(const std::string& term);
// Reads a number field that may hold a term without x ("pi/2"); beeps on a domain fault.
bool Term_zu_Zahl(const std::string& text, long double& wert);

// A term compiled once, evaluated often: every observable result (value bits, Fehler,
// Fehlertext, the three flags, the random draws) is that of Term_auswerten on the same text.
// Copies share the compiled form, so the object is cheap to copy, move and keep in containers.
class TTerm {
 public:
  explicit TTerm(const std::string& term);          // compiles the term once
  long double Wert(long double x, long double k) {  // = Term_auswerten(term, x, k), bit for bit
    // Inline, so that the arguments reach the run by address: handing 80-bit values over by
    // value goes through integer registers and stalls on the store before.
    return Lauf(p_.get(), x, k);
  }

  TTerm() : TTerm(std::string()) {}  // the empty term: every value is "Kette leer"
  // Wert with the fault as a flag for the signature rule of the numerical core: ok = !Fehler.
  long double Auswerten(long double x, long double k, bool& ok);
  const std::string& Text() const;
  // True when the term has no syntax fault and runs compiled; a faulty text is read afresh on
  // every evaluation so that its faults come out in the reader's order.
  bool Uebersetzt() const;

 private:
  static long double Lauf(const term_intern::Programm* p, const long double& x,
                          const long double& k);
  std::shared_ptr<const term_intern::Programm> p_;
};

// ---- Beyond the fixed interface: hooks for tests, benchmarks and the fuzz target ----------

#include <cstdint>

// One twentieth of the x-width of a pixel column; refreshed by every evaluation that needs it.
extern long double Sprung_Toleranz;

// The direct reader: normalises and reads the text afresh on every call. Term_auswerten gives
// the same observable results through a cached compiled form; this one stays as the yardstick.
long double Term_auswerten_Referenz(const std::string& term, long double x, long double k);

// The canonical text of a term; false with the fault text when the normalisation rejects it.
// Touches no global state.
bool Term_normalisieren(const std::string& term, std::string& kanonisch, std::string& fehlertext);

// True when Term_auswerten evaluates this term through its compiled form.
bool Term_schnell_uebersetzbar(const std::string& term);

// The RANDOM generator's seed (0 at program start; the program itself never reseeds).
void Zufall_zuruecksetzen(std::uint32_t saat = 0);
std::uint32_t Zufall_Saat();
