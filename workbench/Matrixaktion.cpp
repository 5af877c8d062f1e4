#include "workbench/Matrixaktion.h"

#include <cmath>
#include <optional>

#include "platform/Dialoge.h"
#include "platform/URechenlauf.h"
#include "workbench/Eingaben.h"
#include "workbench/Werkbank.h"

namespace {

constexpr int kSpalte_A = 3;

std::string Zahl(int n) {
  return std::to_string(n);
}

void Melden(const std::string& text) {
  Dialog().Meldung(text);
}

// ---- Windows-1252 -------------------------------------------------------------------------------

// Unicode of the codes 0x80..0x9F; 0 where the code page has no character.
constexpr char32_t kZeichen_80_9F[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

constexpr int kFragezeichen = 63;
constexpr char32_t kErsatzzeichen = 0xFFFD;

int Unicode_zu_Code(char32_t u) {
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<int>(u);
  for (int i = 0; i < 32; ++i)
    if (kZeichen_80_9F[i] != 0 && kZeichen_80_9F[i] == u) return 0x80 + i;
  return kFragezeichen;
}

// Next code point of a UTF-8 text; a broken sequence counts as one character without a code.
char32_t Naechstes_Zeichen(const std::string& s, std::size_t& i) {
  const auto b = static_cast<unsigned char>(s[i++]);
  if (b < 0x80) return b;
  const int folge = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : -1;
  if (folge < 0) return kErsatzzeichen;
  char32_t u = b & (0x3F >> folge);
  for (int k = 0; k < folge; ++k) {
    if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return kErsatzzeichen;
    u = (u << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
  }
  return u;
}

std::string Utf8(char32_t u) {
  std::string r;
  if (u < 0x80) {
    r += static_cast<char>(u);
  } else if (u < 0x800) {
    r += static_cast<char>(0xC0 | (u >> 6));
    r += static_cast<char>(0x80 | (u & 0x3F));
  } else {
    r += static_cast<char>(0xE0 | (u >> 12));
    r += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
    r += static_cast<char>(0x80 | (u & 0x3F));
  }
  return r;
}

// ---- reading ------------------------------------------------------------------------------------

bool Spalte_als_Matrixspalte(const Tabelle& t, int spalte, TMatrix& m, int k, int zeilen) {
  int anzahl = 0;
  const std::vector<long double> werte = Spalte_einlesen(t, spalte, anzahl);
  if (anzahl != zeilen) return false;
  for (int i = 1; i <= zeilen; ++i)
    m(i, k) = werte[i - 1];
  return true;
}

}  // namespace

bool Matrix_einlesen(const Tabelle& t, TMatrix& m, int& zeilen, int offset, int& spalten) {
  const int erste = offset == 0 ? kSpalte_A : offset + kSpalte_A + 1;
  spalten = 0;
  zeilen = 0;
  const std::vector<long double> werte = Spalte_einlesen(t, erste, zeilen);
  if (zeilen == 0) {
    Melden("Keine Daten !");
    return false;
  }
  if (zeilen > kMatrix_Zeilen) {
    Melden(Zahl(zeilen) + " Zeilen,1 Spalte(n), aber höchstens " + Zahl(kMatrix_Zeilen) +
           " Zeilen erlaubt !");
    return false;
  }
  m = TMatrix{};
  for (int i = 1; i <= zeilen; ++i)
    m(i, 1) = werte[i - 1];
  spalten = 1;
  for (int c = erste + 1; c <= Letzte_Spalte; ++c) {
    if (Spalte_als_Matrixspalte(t, c, m, spalten + 1, zeilen)) {
      ++spalten;
      continue;
    }
    int anzahl = 0;
    Spalte_einlesen(t, c, anzahl);
    if (anzahl == 0) break;
    Melden("Spalten " + Zahl(c - 1) + " und " + Zahl(c) +
           " unterschiedlich lang bzw. falsche Daten!");
    return false;
  }
  return true;
}

void Matrix_ausgeben(Tabelle& t, const TMatrix& m, int erste_zeile, int spalten, int zeilen,
                     int erste_spalte) {
  Tabelle::Sammler sammler(t);
  for (int i = 1; i <= zeilen; ++i)
    for (int k = 1; k <= spalten; ++k)
      t.Zelle_setzen(erste_spalte + k - 1, erste_zeile + i - 1, Zahl_als_Zelltext(m(i, k)));
}

std::vector<int> Text_zu_Codes(const std::string& text) {
  std::vector<int> codes;
  for (std::size_t i = 0; i < text.size();)
    codes.push_back(Unicode_zu_Code(Naechstes_Zeichen(text, i)));
  return codes;
}

std::string Code_zu_Zeichen(int code) {
  if (code < 32 || code == 127) return Utf8(kErsatzzeichen);
  if (code < 0x80 || code >= 0xA0) return Utf8(static_cast<char32_t>(code));
  const char32_t u = kZeichen_80_9F[code - 0x80];
  return Utf8(u != 0 ? u : kErsatzzeichen);
}

int Text_in_Matrix(const std::string& text, TMatrix& m, int n) {
  if (text.empty() || text == " " || n < 1 || n > kMatrix_Spalten) return 0;
  const std::vector<int> codes = Text_zu_Codes(text);
  m = TMatrix{};
  int zeilen = 0;
  for (std::size_t i = 0; i < codes.size(); ++i) {
    const int zeile = static_cast<int>(i) / n + 1;
    if (zeile > kMatrix_Zeilen) break;
    m(zeile, static_cast<int>(i) % n + 1) = codes[i];
    zeilen = zeile;
  }
  for (std::size_t i = codes.size(); static_cast<int>(i) < zeilen * n; ++i)
    m(zeilen, static_cast<int>(i) % n + 1) = 32;
  return zeilen;
}

std::string Matrix_in_Text(const TMatrix& m, int zeilen, int spalten) {
  std::string text;
  for (int i = 1; i <= zeilen; ++i)
    for (int k = 1; k <= spalten; ++k) {
      // fmod keeps the sign: -5 gives -5, which is 251 modulo 256.
      const long double rest = std::fmod(std::trunc(m(i, k)), 256.0L);
      text += Code_zu_Zeichen(static_cast<int>(rest < 0 ? rest + 256 : rest));
    }
  return text;
}

namespace {

struct TMatrizen {
  TMatrix A, B;
  int rA = 0, cA = 0, rB = 0, cB = 0;
};

bool Braucht_B(int op) {
  return op == Op_A_mal_B || op == Op_An_mal_B || op == Op_B_mal_A;
}

bool Braucht_Quadrat(int op) {
  return op == Op_det || op == Op_Potenz || op == Op_Inverse || op == Op_An_mal_B;
}

// The size rules of the operation, in the order the user would fix them.
bool Groessen_passen(int op, const TMatrizen& d) {
  if ((op == Op_A_mal_B || op == Op_An_mal_B) && d.cA != d.rB) {
    Melden("Spaltenzahl A <> Zeilenzahl B");
    return false;
  }
  if (op == Op_B_mal_A && d.cB != d.rA) {
    Melden("Spaltenzahl B <> Zeilenzahl A");
    return false;
  }
  if (Braucht_Quadrat(op) && d.rA != d.cA) {
    Melden("Matrix nicht quadratisch !");
    return false;
  }
  // [A | E] needs twice the columns of A.
  if (op == Op_Inverse && d.rA > kInverse_hoechstens) {
    Melden("Die Inverse ist höchstens für " + Zahl(kInverse_hoechstens) + "×" +
           Zahl(kInverse_hoechstens) + "-Matrizen möglich: A hat " + Zahl(d.rA) + " Zeilen !");
    return false;
  }
  if (op == Op_Transponierte && d.rA > kMatrix_Spalten) {
    Melden("Die Transponierte hätte " + Zahl(d.rA) + " Spalten, höchstens " +
           Zahl(kMatrix_Spalten) + " sind möglich !");
    return false;
  }
  return true;
}

std::string Potenztext() {
  return Werkbank.Feldtext("Edit_Mat_n");
}

std::string Beschriftung(int op) {
  switch (op) {
    case Op_rref:
      return "rref(A)";
    case Op_Potenz:
      return "C=A^" + Potenztext();
    case Op_Inverse:
      return "C=A^(-1)";
    case Op_Transponierte:
      return "C=A^T";
    case Op_A_mal_B:
      return "C=A*B";
    case Op_An_mal_B:
      return "C=A^" + Potenztext() + "*B";
    case Op_r_mal_A:
      return "C=r*A";
    case Op_B_mal_A:
      return "C=B*A";
    default:
      return "";
  }
}

// The rows below A and column 2 are emptied; the echelon form names the unknowns in the headers.
void Aufraeumen(Tabelle& t, int op, const TMatrizen& d) {
  Tabelle::Sammler sammler(t);
  for (int r = d.rA + 1; r <= Letzte_Zeile; ++r)
    Zeile_leeren(t, r);
  Spalte_leeren(t, 2);
  if (op == Op_rref) {
    for (int i = 1; i < d.cA; ++i)
      t.Zelle_setzen(i + 2, 0, "     \u2022x" + Zahl(i));
    t.Zelle_setzen(d.cA + 2, 0, "     \u00B71");
  } else {
    Tabellenkopf_schreiben(t);
  }
  const std::string text = Beschriftung(op);
  if (!text.empty()) t.Zelle_setzen(kSpalte_A, d.rA + 1, text);
}

// Each state of the traced echelon form appears one row below where the result will stand; the
// user steps on with any key and leaves with Escape.
TZwischenstand Zwischenstand_zeigen(Tabelle& t) {
  return [&t](const TMatrix& m, int zeilen, int spalten) {
    Matrix_ausgeben(t, m, zeilen + 3, spalten, zeilen, kSpalte_A);
    Dialog().Taste_abwarten();
    return !Dialog().Abbruch_angefordert();
  };
}

bool Stufenform_bilden(Tabelle& t, TMatrix& m, int zeilen, int spalten, bool schrittweise) {
  if (!schrittweise) {
    Zeilenstufenform(m, zeilen, spalten);
    return true;
  }
  Dialog().Abbruch_zuruecksetzen();
  if (Zeilenstufenform_schrittweise(m, zeilen, spalten, Zwischenstand_zeigen(t))) return true;
  Dialog().Abbruch_zuruecksetzen();
  Melden("Schrittweise Rechnung abgebrochen.");
  return false;
}

// A^m with progress; a huge exponent can be stopped with Escape.
std::optional<TMatrix> Potenz(const TMatrix& A, int n, int m) {
  TRechenlauf lauf("Matrixpotenz A^" + Zahl(m) + " ...", m);
  TMatrix p;
  if (!Matrixpotenz_schrittweise(A, n, m, p, [&](int i) { return lauf.Weiter(i); })) {
    Melden("Berechnung von A^" + Zahl(m) + " abgebrochen.");
    return std::nullopt;
  }
  return p;
}

// What an operation writes below A: a matrix or a single number.
struct TErgebnis {
  TMatrix M;
  int zeilen = 0, spalten = 0;
  bool ist_Zahl = false;
  long double zahl = 0;
  std::string zahltext_vorne;
};

bool Im_Zahlenbereich(const TErgebnis& e) {
  const bool ok = e.ist_Zahl ? std::isfinite(e.zahl) : Matrix_endlich(e.M, e.zeilen, e.spalten);
  if (!ok) Melden("Das Ergebnis liegt außerhalb des Zahlenbereichs !");
  return ok;
}

TErgebnis Matrixergebnis(const TMatrix& m, int zeilen, int spalten) {
  TErgebnis e;
  e.M = m;
  e.zeilen = zeilen;
  e.spalten = spalten;
  return e;
}

TErgebnis Zahlergebnis(const std::string& vorne, long double x) {
  TErgebnis e;
  e.ist_Zahl = true;
  e.zahltext_vorne = vorne;
  e.zahl = x;
  return e;
}

// Everything except the traced echelon forms and the text conversions is computed before the
// table changes, so a refusal leaves it as it was.
std::optional<TErgebnis> Berechnen(int op, const TMatrizen& d) {
  const int n = d.rA;
  switch (op) {
    case Op_rref: {
      TMatrix c = d.A;
      Zeilenstufenform(c, d.rA, d.cA);
      return Matrixergebnis(c, d.rA, d.cA);
    }
    case Op_det:
      return Zahlergebnis("det(A) = ", Determinante(d.A, n));
    case Op_Potenz: {
      const auto p = Potenz(d.A, n, Werkbank.Mat_n);
      if (!p) return std::nullopt;
      return Matrixergebnis(*p, n, n);
    }
    case Op_Inverse: {
      if (Determinante(d.A, n) == 0) {
        Melden("Matrix singulär. Inverse existiert nicht !");
        return std::nullopt;
      }
      TMatrix m = Matrizen_nebeneinander(d.A, Einheitsmatrix(n), n, n, n);
      Zeilenstufenform(m, n, 2 * n);
      return Matrixergebnis(Spalten_herausloesen(m, n, 2 * n, n), n, n);
    }
    case Op_Transponierte:
      return Matrixergebnis(Transponierte(d.A, d.rA, d.cA), d.cA, d.rA);
    case Op_A_mal_B:
      return Matrixergebnis(Matrixprodukt(d.A, d.B, d.rA, d.cB, d.cA), d.rA, d.cB);
    case Op_An_mal_B: {
      const auto p = Potenz(d.A, n, Werkbank.Mat_n);
      if (!p) return std::nullopt;
      return Matrixergebnis(Matrixprodukt(*p, d.B, d.rA, d.cB, d.cA), d.rA, d.cB);
    }
    case Op_r_mal_A:
      return Matrixergebnis(Skalar_mal_Matrix(d.A, d.rA, d.cA, Werkbank.skalar_r), d.rA, d.cA);
    case Op_B_mal_A:
      return Matrixergebnis(Matrixprodukt(d.B, d.A, d.rB, d.cA, d.cB), d.rB, d.cA);
    case Op_Rang:
      return Zahlergebnis("rang(A) = ", Rang(d.A, d.rA, d.cA));
    default:
      return std::nullopt;
  }
}

void Ergebnis_schreiben(Tabelle& t, int op, const TMatrizen& d, const TErgebnis& e) {
  Tabelle::Sammler sammler(t);
  if (e.ist_Zahl) {
    t.Zelle_setzen(kSpalte_A, d.rA + 2, e.zahltext_vorne);
    t.Zelle_setzen(kSpalte_A + 1, d.rA + 2, Zahl_als_Zelltext(e.zahl));
    return;
  }
  Matrix_ausgeben(t, e.M, d.rA + 2, e.spalten, e.zeilen, kSpalte_A);
  if (!Braucht_B(op)) return;
  // The clean-up emptied B's lower rows.
  const int spalte_B = d.cA + kSpalte_A + 1;
  Matrix_ausgeben(t, d.B, 1, d.cB, d.rB, spalte_B);
  t.Zelle_setzen(spalte_B, 0, "Matrix B");
}

// The echelon form of A, or of [A | E] for the inverse, shown state by state in the table.
bool Schrittweise_rechnen(Tabelle& t, int op, const TMatrizen& d, TStufenform* stufenform) {
  const int n = d.rA;
  if (op == Op_Inverse && Determinante(d.A, n) == 0) {
    Melden("Matrix singulär. Inverse existiert nicht !");
    return false;
  }
  Aufraeumen(t, op, d);
  if (op == Op_rref) {
    TMatrix c = d.A;
    if (!Stufenform_bilden(t, c, d.rA, d.cA, true)) return false;
    Matrix_ausgeben(t, c, d.rA + 2, d.cA, d.rA, kSpalte_A);
    if (stufenform) *stufenform = {c, d.rA, d.cA};
    return true;
  }
  TMatrix m = Matrizen_nebeneinander(d.A, Einheitsmatrix(n), n, n, n);
  if (!Stufenform_bilden(t, m, n, 2 * n, true)) return false;
  Matrix_ausgeben(t, Spalten_herausloesen(m, n, 2 * n, n), n + 2, n, n, kSpalte_A);
  return true;
}

bool Matrizen_lesen(Anzeige& a, const Tabelle& t, int op, TMatrizen& d) {
  // Only a table that holds no readable matrix sends the user back to n.
  const bool ok = Matrix_einlesen(t, d.A, d.rA, 0, d.cA) &&
                  (!Braucht_B(op) || Matrix_einlesen(t, d.B, d.rB, d.cA, d.cB));
  if (!ok) a.Fokus_zurueck("Edit_Mat_n");
  return ok;
}

bool Rechnen(Anzeige& a, Tabelle& t, int op, bool schrittweise, TStufenform* stufenform) {
  TMatrizen d;
  if (!Matrizen_lesen(a, t, op, d) || !Groessen_passen(op, d)) return false;
  if (schrittweise && (op == Op_rref || op == Op_Inverse))
    return Schrittweise_rechnen(t, op, d, stufenform);
  if (op == Op_Codes_zu_Text) {
    Aufraeumen(t, op, d);
    Feld_zeigen(a, "Edit_Text_in_Grafik", Matrix_in_Text(d.A, d.rA, d.cA));
    Feld_geaendert(a, "Edit_Text_in_Grafik");
    return true;
  }
  const std::optional<TErgebnis> e = Berechnen(op, d);
  if (!e || !Im_Zahlenbereich(*e)) return false;
  Aufraeumen(t, op, d);
  Ergebnis_schreiben(t, op, d, *e);
  if (op == Op_rref && stufenform) *stufenform = {e->M, e->zeilen, e->spalten};
  return true;
}

bool Text_zu_Codes_ausfuehren(Tabelle& t) {
  const int n = Werkbank.Mat_n;
  const std::string& text = Werkbank.Feldtext("Edit_Text_in_Grafik");
  if (n > kMatrix_Spalten) {
    Melden("n = " + Zahl(n) + " ist zu groß: höchstens " + Zahl(kMatrix_Spalten) +
           " Spalten passen in die Matrix !");
    return false;
  }
  TMatrix m;
  const int zeilen = Text_in_Matrix(text, m, n);
  if (zeilen == 0) {
    Melden("Kein Text in Zelle (1,1) !");
    return false;
  }
  const int zeichen = static_cast<int>(Text_zu_Codes(text).size());
  if (zeichen > kMatrix_Zeilen * n) {
    Melden("Der Text hat " + Zahl(zeichen) + " Zeichen, bei n = " + Zahl(n) + " passen höchstens " +
           Zahl(kMatrix_Zeilen * n) + " in die Matrix !");
    return false;
  }
  Tabelle::Sammler sammler(t);
  Tabelle_leeren(t);
  t.Zelle_setzen(2, 1, "ASCII-Code");
  Matrix_ausgeben(t, m, 1, n, zeilen, kSpalte_A);
  return true;
}

// The unit or zero matrix goes to the current cell, whole or not at all.
bool An_Cursor_schreiben(Tabelle& t, bool einheit) {
  const int n = Werkbank.Mat_n;
  if (n > kMatrix_Spalten) {
    Melden("n = " + Zahl(n) + " ist zu groß: höchstens " + Zahl(kMatrix_Spalten) + " erlaubt !");
    return false;
  }
  const int spalte = t.Spalte(), zeile = t.Zeile();
  if (spalte < 1 || zeile < 1) return false;
  if (spalte + n - 1 > Letzte_Spalte || zeile + n - 1 > Letzte_Zeile) {
    Melden("Die " + Zahl(n) + "×" + Zahl(n) +
           "-Matrix passt ab der Cursorzelle nicht in die Tabelle !");
    return false;
  }
  Matrix_ausgeben(t, einheit ? Einheitsmatrix(n) : Nullmatrix(n), zeile, n, n, spalte);
  return true;
}

}  // namespace

bool Matrixoperation_ausfuehren(Anzeige& a, bool schrittweise, TStufenform* stufenform) {
  Tabelle& t = Zahlentabelle;
  Eingabe_uebernehmen(t);
  const int op = Werkbank.Matrixoperation;
  switch (op) {
    case Op_Einheitsmatrix:
      return An_Cursor_schreiben(t, true);
    case Op_Nullmatrix:
      return An_Cursor_schreiben(t, false);
    case Op_Text_zu_Codes:
      return Text_zu_Codes_ausfuehren(t);
    default:
      return Rechnen(a, t, op, schrittweise, stufenform);
  }
}

void Matrixoperation_geklickt(Anzeige& a, bool schrittweise) {
  Matrixoperation_ausfuehren(a, schrittweise);
}
