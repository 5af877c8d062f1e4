// The compiled form of a term. A plot evaluates the same few terms hundreds of times, so the
// canonical text is read once into a short program for an accumulator machine; every value is
// still computed by the same functions as in the direct reader, in the same order, so the
// results, faults, flags and random draws cannot differ. Texts with a syntax fault are left to
// the direct reader.

#include <array>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "engine/UFunktionsParser.h"
#include "engine/UTermIntern.h"

using namespace term_intern;

namespace {

constexpr long double PI_L = 3.141592653589793238462643383279502884L;
constexpr long double E_L = 2.718281828459045235360287471352662498L;

enum Op : std::uint8_t {
  LADE_C,
  LADE_X,
  LADE_K,  // acc <- value
  PLADE_C,
  PLADE_X,
  PLADE_K,  // push acc, then acc <- value
  NEG,
  ADD,
  SUB,
  MUL,
  DIV,
  POW,  // acc <- pop OP acc
  ADD_C,
  SUB_C,
  MUL_C,
  DIV_C,
  POW_C,  // acc <- acc OP c
  RSUB_C,
  RDIV_C,
  RPOW_C,  // acc <- c OP acc
  ADD_X,
  SUB_X,
  MUL_X,
  DIV_X,
  POW_X,  // acc <- acc OP x
  ADD_K,
  SUB_K,
  MUL_K,
  DIV_K,
  POW_K,  // acc <- acc OP k
  POWI,   // acc <- acc ^ n, n a whole number 1..2^31-1
  EPOW,   // acc <- c ^ acc for a positive constant c
  FUNK,
  ENDE,
  // A leaf x or k combined at once with a constant (P: push acc first). The order within each
  // group of seven follows Verschmelzbar below.
  X_ADD_C,
  X_SUB_C,
  X_MUL_C,
  X_DIV_C,
  X_RSUB_C,
  X_RDIV_C,
  X_POWI,
  PX_ADD_C,
  PX_SUB_C,
  PX_MUL_C,
  PX_DIV_C,
  PX_RSUB_C,
  PX_RDIV_C,
  PX_POWI,
  K_ADD_C,
  K_SUB_C,
  K_MUL_C,
  K_DIV_C,
  K_RSUB_C,
  K_RDIV_C,
  K_POWI,
  PK_ADD_C,
  PK_SUB_C,
  PK_MUL_C,
  PK_DIV_C,
  PK_RSUB_C,
  PK_RDIV_C,
  PK_POWI,
  // Function calls done in place in their ordinary case; the rest goes through the general
  // call like FUNK.
  FUNK_WURZEL,
  FUNK_SIN,
  FUNK_COS,
  FUNK_ABS,
  FUNK_LN,
  // acc <- acc OP (leaf op c): a right operand that is a single leaf combined with a constant
  // needs no trip through the stack. 56 instructions from here: for each of +, -, *, / the
  // seven of the x group, then the seven of the k group, in the order of Verschmelzbar.
  MIT_TEIL,
  // A whole power of a leaf combined at once with a constant d (P: push acc first): 24
  // instructions from MIT_TEIL + 56, six for each of the groups X, PX, K, PK, in the order of
  // Verschmelzbar without the power.
  POT_C = MIT_TEIL + 56,
  // acc <- acc OP (leaf ^ n op d): 48 instructions, for each of +, -, *, / the six of x^n, then
  // the six of k^n.
  MIT_POT = POT_C + 24,
};
constexpr int Teile_je_Operation = 14;
static_assert(MIT_POT + 48 <= 256);

// Position of an operation with a constant within a group of fused instructions; -1 if none.
int Verschmelzbar(Op op) {
  switch (op) {
    case ADD_C:
      return 0;
    case SUB_C:
      return 1;
    case MUL_C:
      return 2;
    case DIV_C:
      return 3;
    case RSUB_C:
      return 4;
    case RDIV_C:
      return 5;
    case POWI:
      return 6;
    default:
      return -1;
  }
}

struct Befehl {
  Op op;
  int schluessel;  // function key, or the exponent of POWI
  long double c;   // constant; for EPOW ln(c) in d
  long double d;
};

// A part read so far: a constant not yet written into the program, or code leaving its value
// in the accumulator.
struct Teil {
  bool konst;
  long double c;
};

struct Nicht_uebersetzbar {};

// Pending left operands of ordinary terms fit on the evaluation's own stack.
constexpr int Stapel_lokal = 48;

}  // namespace

namespace term_intern {

struct Programm {
  std::string term;
  bool referenz = false;  // a syntax fault: the text is read afresh on every evaluation
  std::vector<Befehl> code;
  int stapeltiefe = 0;
  bool braucht_toleranz = false;
  // Runs only checked: a draw of RANDOM cannot be taken back, and deep terms need the shared
  // stack.
  bool nur_geprueft = false;
  // Nothing but arithmetic, roots and abs: the run calls no function.
  bool nur_rechnen = false;
};

}  // namespace term_intern

namespace {

class Uebersetzer {
 public:
  Uebersetzer(const std::string& s, Programm& p) : s_(s), n_(s.size()), p_(p) {}

  void Uebersetzen() {
    Teil t = Ausdruck();
    if (t.konst) Laden(LADE_C, t.c);
    Ausgeben({ENDE, 0, 0, 0});
    p_.stapeltiefe = max_tiefe_ + 1;
    if (p_.stapeltiefe > Stapel_lokal) p_.nur_geprueft = true;
  }

 private:
  void Ausgeben(const Befehl& b) { p_.code.push_back(b); }

  // An operation with a constant whose operand is the leaf loaded just before.
  void Mit_Konstante(const Befehl& b) {
    const int v = Verschmelzbar(b.op);
    if (v >= 0 && !p_.code.empty()) {
      Befehl& vor = p_.code.back();
      int gruppe = -1;
      switch (vor.op) {
        case LADE_X:
          gruppe = 0;
          break;
        case PLADE_X:
          gruppe = 1;
          break;
        case LADE_K:
          gruppe = 2;
          break;
        case PLADE_K:
          gruppe = 3;
          break;
        default:
          break;
      }
      if (gruppe >= 0) {
        vor = b;
        vor.op = static_cast<Op>(X_ADD_C + 7 * gruppe + v);
        return;
      }
      // x^2 + 1, 2x^2, x^2 / 2: the power of a leaf keeps its exponent, the constant goes to d.
      const int potenz = (vor.op - X_POWI) / 7;
      if (v < 6 && vor.op >= X_POWI && vor.op <= PK_POWI && (vor.op - X_POWI) % 7 == 0) {
        vor.op = static_cast<Op>(POT_C + 6 * potenz + v);
        vor.d = b.c;
        return;
      }
    }
    Ausgeben(b);
  }

  void Laden(Op op, long double c = 0) {
    if (tiefe_ > 0) op = static_cast<Op>(op + (PLADE_C - LADE_C));
    Ausgeben({op, 0, c, 0});
    if (++tiefe_ > max_tiefe_) max_tiefe_ = tiefe_;
  }

  Teil Code() { return {false, 0}; }

  Teil Ausdruck() {
    Teil v = Vorzeichen_Operand();
    while (letzte_stufe_ > 0)
      v = Verbinden(v);
    return v;
  }

  Teil Vorzeichen_Operand() {
    Teil v;
    if (pos_ < n_ && s_[pos_] == '-') {
      ++pos_;
      v = Operand();
      if (v.konst)
        v.c = -v.c;
      else
        Ausgeben({NEG, 0, 0, 0});
    } else {
      v = Operand();
    }
    Operator_lesen();
    while (letzte_stufe_ > akt_stufe_)
      v = Verbinden(v);
    return v;
  }

  Teil Verbinden(Teil links) {
    const char alt_op = akt_op_;
    const int alt_stufe = akt_stufe_;
    do {
      akt_op_ = letzter_op_;
      akt_stufe_ = letzte_stufe_;
      const Teil rechts = Vorzeichen_Operand();
      links = Verknuepfung(akt_op_, links, rechts);
    } while (!(letzte_stufe_ < akt_stufe_));
    akt_op_ = alt_op;
    akt_stufe_ = alt_stufe;
    return links;
  }

  static int Index(char op) {
    switch (op) {
      case '+':
        return 0;
      case '-':
        return 1;
      case '*':
        return 2;
      case '/':
        return 3;
      default:
        return 4;
    }
  }

  Teil Verknuepfung(char op, Teil l, Teil r) {
    const int i = Index(op);
    if (l.konst && r.konst) {
      long double w = 0;
      if (Verknuepfen_rein(op, l.c, r.c, w) == nullptr && endlich(w)) return {true, w};
      // The fault belongs to the run, in its place among the others.
      Laden(LADE_C, l.c);
      Laden(LADE_C, r.c);
      Ausgeben({static_cast<Op>(ADD + i), 0, 0, 0});
      --tiefe_;
      return Code();
    }
    if (l.konst) {
      // c + v and c * v are v + c and v * c in every bit.
      switch (op) {
        case '+':
          Mit_Konstante({ADD_C, 0, l.c, 0});
          break;
        case '*':
          Mit_Konstante({MUL_C, 0, l.c, 0});
          break;
        case '-':
          Mit_Konstante({RSUB_C, 0, l.c, 0});
          break;
        case '/':
          Mit_Konstante({RDIV_C, 0, l.c, 0});
          break;
        default:
          if (l.c > 0)
            Ausgeben({EPOW, 0, l.c, std::log(l.c)});
          else
            Ausgeben({RPOW_C, 0, l.c, 0});
          break;
      }
      return Code();
    }
    if (r.konst) {
      if (op == '^' && r.c >= 1 && r.c <= 2147483647.0L && r.c == std::trunc(r.c)) {
        Mit_Konstante({POWI, static_cast<int>(r.c), r.c, 0});
      } else {
        Mit_Konstante({static_cast<Op>(ADD_C + i), 0, r.c, 0});
      }
      return Code();
    }
    // Both in code: the right part pushed the left one when it loaded its first value.
    Befehl& letzter = p_.code.back();
    if (letzter.op == PLADE_X || letzter.op == PLADE_K) {
      letzter.op = static_cast<Op>((letzter.op == PLADE_X ? ADD_X : ADD_K) + i);
    } else if (i < 4 && letzter.op >= PX_ADD_C && letzter.op <= PX_POWI) {
      letzter.op = static_cast<Op>(MIT_TEIL + Teile_je_Operation * i + (letzter.op - PX_ADD_C));
    } else if (i < 4 && letzter.op >= PK_ADD_C && letzter.op <= PK_POWI) {
      letzter.op = static_cast<Op>(MIT_TEIL + Teile_je_Operation * i + 7 + (letzter.op - PK_ADD_C));
    } else if (i < 4 && letzter.op >= POT_C + 6 && letzter.op < POT_C + 12) {
      letzter.op = static_cast<Op>(MIT_POT + 12 * i + (letzter.op - POT_C - 6));
    } else if (i < 4 && letzter.op >= POT_C + 18 && letzter.op < POT_C + 24) {
      letzter.op = static_cast<Op>(MIT_POT + 12 * i + 6 + (letzter.op - POT_C - 18));
    } else {
      Ausgeben({static_cast<Op>(ADD + i), 0, 0, 0});
    }
    --tiefe_;
    return Code();
  }

  void Operator_lesen() {
    if (pos_ >= n_) {
      letzte_stufe_ = 0;
      return;
    }
    const char c = s_[pos_++];
    letzter_op_ = c;
    switch (c) {
      case '+':
      case '-':
        letzte_stufe_ = 1;
        return;
      case '*':
      case '/':
        letzte_stufe_ = 2;
        return;
      case '^':
        letzte_stufe_ = 3;
        return;
      case ')':
        letzte_stufe_ = 0;
        return;
      default:
        throw Nicht_uebersetzbar{};
    }
  }

  Teil Operand() {
    if (pos_ >= n_) throw Nicht_uebersetzbar{};
    const char c = s_[pos_];
    if (c == '(') {
      ++pos_;
      return Geschachtelt();
    }
    if (c == '.' || (c >= '0' && c <= '9')) {
      long double w = 0;
      if (Zahl_lesen(s_, pos_, w) != nullptr) throw Nicht_uebersetzbar{};
      return {true, w};
    }
    switch (c) {
      case 'E':
        ++pos_;
        return {true, E_L};
      case 'P':
        ++pos_;
        return {true, PI_L};
      case 'K':
        ++pos_;
        Laden(LADE_K);
        return Code();
      case 'X':
        ++pos_;
        Laden(LADE_X);
        return Code();
      default:
        break;
    }
    if ((c >= 'A' && c <= 'D') || (c >= 'F' && c <= 'J') || (c >= 'L' && c <= 'O') ||
        (c >= 'Q' && c <= 'U'))
      return Funktionsaufruf();
    throw Nicht_uebersetzbar{};
  }

  Teil Geschachtelt() {
    if (++geschachtelt_ > Max_Schachtelung) throw Nicht_uebersetzbar{};
    const Teil t = Ausdruck();
    --geschachtelt_;
    return t;
  }

  Teil Funktionsaufruf() {
    const std::size_t klammer = s_.find('(', pos_);
    const std::size_t ende = klammer == std::string::npos ? n_ : klammer;
    const int schluessel = Funktionsschluessel(s_.substr(pos_, ende - pos_));
    pos_ = klammer == std::string::npos ? n_ : klammer + 1;
    if (schluessel == 0) throw Nicht_uebersetzbar{};
    const Teil a = Geschachtelt();
    if (a.konst && Funktion_ist_rein(schluessel)) {
      // Computed now when it cannot fail; a failing one stays in the run.
      const bool f_alt = Fehler;
      const std::string t_alt = Fehlertext;
      Fehler = false;
      long double w = 0;
      const bool weiter = Funktion_anwenden(schluessel, a.c, 0, w);
      const bool gut = weiter && !Fehler && endlich(w);
      Fehler = f_alt;
      Fehlertext = t_alt;
      if (gut) return {true, w};
    }
    if (a.konst) Laden(LADE_C, a.c);
    Op op = FUNK;
    if (schluessel == F_SQRT) op = FUNK_WURZEL;
    if (schluessel == F_SIN) op = FUNK_SIN;
    if (schluessel == F_COS) op = FUNK_COS;
    if (schluessel == F_ABS) op = FUNK_ABS;
    if (schluessel == F_LN) op = FUNK_LN;
    Ausgeben({op, schluessel, 0, 0});
    if (!Funktion_ist_rein(schluessel)) p_.braucht_toleranz = true;
    if (schluessel == F_RANDOM) p_.nur_geprueft = true;
    return Code();
  }

  const std::string& s_;
  const std::size_t n_;
  Programm& p_;
  std::size_t pos_ = 0;
  char letzter_op_ = 0, akt_op_ = 0;
  int letzte_stufe_ = 0, akt_stufe_ = 0;
  int tiefe_ = 0, max_tiefe_ = 0;
  int geschachtelt_ = 0;
};

// Whether a finite value is a whole number, without the library's trunc, which switches the
// rounding state twice. Below 2^62 adding and removing 1.5 * 2^63 rounds to the nearest whole
// number; from 2^63 on every value is whole.
inline bool Ganzzahlig(long double a) {
  constexpr long double runden = 0xc000000000000000p0L;
  const long double b = std::fabs(a);
  if (b < 4611686018427387904.0L) return (a + runden) - runden == a;
  return b >= 9223372036854775808.0L || a == std::trunc(a);
}

// The whole-number branch of the power rule for a finite base other than 0; anything else
// takes the full rule.
inline long double Ganze_Potenz_anwenden(long double basis, int n, long double exponent) {
  if (basis != 0 && endlich(basis)) {
    const long double v = Ganze_Potenz(basis, static_cast<std::uint32_t>(n));
    if (endlich(v)) return v;
  }
  return Verknuepfen('^', basis, exponent);
}

// Deeper ones use a shared buffer, which is safe because the engine evaluates one term at a time.
std::vector<long double> stapel_gross;

long double* Stapel_fuer(const Programm& p, long double* lokal) {
  if (p.stapeltiefe <= Stapel_lokal) return lokal;
  if (stapel_gross.size() < static_cast<std::size_t>(p.stapeltiefe))
    stapel_gross.resize(static_cast<std::size_t>(p.stapeltiefe));
  return stapel_gross.data();
}

long double Ausfuehren(const Programm& p, const long double& x, const long double& k) {
  // Terms that never ask for the tolerance do not pay for reading the view; the others find it
  // in toleranz_stand when they need it, which spares every run an 80-bit store.
  if (p.braucht_toleranz) Toleranz_aktuell();
  Fehler = Sprung = Sgn_Null = Knick = false;
  long double lokal[Stapel_lokal];
  long double* sp = Stapel_fuer(p, lokal);
  long double acc = 0;
  for (const Befehl* b = p.code.data();; ++b) {
    switch (static_cast<int>(b->op)) {
      case LADE_C:
        acc = b->c;
        break;
      case LADE_X:
        acc = x;
        break;
      case LADE_K:
        acc = k;
        break;
      case PLADE_C:
        *sp++ = acc;
        acc = b->c;
        break;
      case PLADE_X:
        *sp++ = acc;
        acc = x;
        break;
      case PLADE_K:
        *sp++ = acc;
        acc = k;
        break;
      case NEG:
        acc = -acc;
        break;

#define QDX_ADD(l, r)                                  \
  {                                                    \
    const long double a_ = (l), b_ = (r);              \
    const long double v_ = a_ + b_;                    \
    acc = endlich(v_) ? v_ : Verknuepfen('+', a_, b_); \
  }
#define QDX_SUB(l, r)                                  \
  {                                                    \
    const long double a_ = (l), b_ = (r);              \
    const long double v_ = a_ - b_;                    \
    acc = endlich(v_) ? v_ : Verknuepfen('-', a_, b_); \
  }
#define QDX_MUL(l, r)                                  \
  {                                                    \
    const long double a_ = (l), b_ = (r);              \
    const long double v_ = a_ * b_;                    \
    acc = endlich(v_) ? v_ : Verknuepfen('*', a_, b_); \
  }
#define QDX_DIV(l, r)                                    \
  {                                                      \
    const long double a_ = (l), b_ = (r);                \
    if (b_ != 0 && endlich(b_)) {                        \
      const long double v_ = a_ / b_;                    \
      acc = endlich(v_) ? v_ : Verknuepfen('/', a_, b_); \
    } else                                               \
      acc = Verknuepfen('/', a_, b_);                    \
  }

      case ADD:
        QDX_ADD(*--sp, acc) break;
      case SUB:
        QDX_SUB(*--sp, acc) break;
      case MUL:
        QDX_MUL(*--sp, acc) break;
      case DIV:
        QDX_DIV(*--sp, acc) break;
      case POW: {
        const long double l = *--sp;
        acc = Verknuepfen('^', l, acc);
        break;
      }
      case ADD_C:
        QDX_ADD(acc, b->c) break;
      case SUB_C:
        QDX_SUB(acc, b->c) break;
      case MUL_C:
        QDX_MUL(acc, b->c) break;
      case DIV_C:
        QDX_DIV(acc, b->c) break;
      case POW_C:
        acc = Verknuepfen('^', acc, b->c);
        break;
      case RSUB_C:
        QDX_SUB(b->c, acc) break;
      case RDIV_C:
        QDX_DIV(b->c, acc) break;
      case RPOW_C:
        acc = Verknuepfen('^', b->c, acc);
        break;
      case ADD_X:
        QDX_ADD(acc, x) break;
      case SUB_X:
        QDX_SUB(acc, x) break;
      case MUL_X:
        QDX_MUL(acc, x) break;
      case DIV_X:
        QDX_DIV(acc, x) break;
      case POW_X:
        acc = Verknuepfen('^', acc, x);
        break;
      case ADD_K:
        QDX_ADD(acc, k) break;
      case SUB_K:
        QDX_SUB(acc, k) break;
      case MUL_K:
        QDX_MUL(acc, k) break;
      case DIV_K:
        QDX_DIV(acc, k) break;
      case POW_K:
        acc = Verknuepfen('^', acc, k);
        break;

#define QDX_GRUPPE(P, LADEN)                               \
  case P##_ADD_C:                                          \
    LADEN;                                                 \
    QDX_ADD(acc, b->c) break;                              \
  case P##_SUB_C:                                          \
    LADEN;                                                 \
    QDX_SUB(acc, b->c) break;                              \
  case P##_MUL_C:                                          \
    LADEN;                                                 \
    QDX_MUL(acc, b->c) break;                              \
  case P##_DIV_C:                                          \
    LADEN;                                                 \
    QDX_DIV(acc, b->c) break;                              \
  case P##_RSUB_C:                                         \
    LADEN;                                                 \
    QDX_SUB(b->c, acc) break;                              \
  case P##_RDIV_C:                                         \
    LADEN;                                                 \
    QDX_DIV(b->c, acc) break;                              \
  case P##_POWI:                                           \
    LADEN;                                                 \
    acc = Ganze_Potenz_anwenden(acc, b->schluessel, b->c); \
    break;
        QDX_GRUPPE(X, acc = x)
        QDX_GRUPPE(PX, *sp++ = acc; acc = x)
        QDX_GRUPPE(K, acc = k)
        QDX_GRUPPE(PK, *sp++ = acc; acc = k)
#undef QDX_GRUPPE

#define QDX_I_ADD QDX_ADD(acc, b->c)
#define QDX_I_SUB QDX_SUB(acc, b->c)
#define QDX_I_MUL QDX_MUL(acc, b->c)
#define QDX_I_DIV QDX_DIV(acc, b->c)
#define QDX_I_RSUB QDX_SUB(b->c, acc)
#define QDX_I_RDIV QDX_DIV(b->c, acc)
#define QDX_I_POWI acc = Ganze_Potenz_anwenden(acc, b->schluessel, b->c);
#define QDX_TEIL(N, AUSSEN, BLATT, INNEN) \
  case MIT_TEIL + (N): {                  \
    const long double l_ = acc;           \
    acc = BLATT;                          \
    INNEN;                                \
    AUSSEN(l_, acc) break;                \
  }
#define QDX_TEILE(N, AUSSEN, BLATT)            \
  QDX_TEIL((N) + 0, AUSSEN, BLATT, QDX_I_ADD)  \
  QDX_TEIL((N) + 1, AUSSEN, BLATT, QDX_I_SUB)  \
  QDX_TEIL((N) + 2, AUSSEN, BLATT, QDX_I_MUL)  \
  QDX_TEIL((N) + 3, AUSSEN, BLATT, QDX_I_DIV)  \
  QDX_TEIL((N) + 4, AUSSEN, BLATT, QDX_I_RSUB) \
  QDX_TEIL((N) + 5, AUSSEN, BLATT, QDX_I_RDIV) \
  QDX_TEIL((N) + 6, AUSSEN, BLATT, QDX_I_POWI)
        QDX_TEILE(0, QDX_ADD, x)
        QDX_TEILE(7, QDX_ADD, k)
        QDX_TEILE(14, QDX_SUB, x)
        QDX_TEILE(21, QDX_SUB, k)
        QDX_TEILE(28, QDX_MUL, x)
        QDX_TEILE(35, QDX_MUL, k)
        QDX_TEILE(42, QDX_DIV, x)
        QDX_TEILE(49, QDX_DIV, k)
#undef QDX_TEILE
#define QDX_P_POT(BLATT) acc = Ganze_Potenz_anwenden(BLATT, b->schluessel, b->c)
#define QDX_POT_C(N, LADEN, BLATT) \
  case POT_C + (N) + 0:            \
    LADEN;                         \
    QDX_P_POT(BLATT);              \
    QDX_ADD(acc, b->d) break;      \
  case POT_C + (N) + 1:            \
    LADEN;                         \
    QDX_P_POT(BLATT);              \
    QDX_SUB(acc, b->d) break;      \
  case POT_C + (N) + 2:            \
    LADEN;                         \
    QDX_P_POT(BLATT);              \
    QDX_MUL(acc, b->d) break;      \
  case POT_C + (N) + 3:            \
    LADEN;                         \
    QDX_P_POT(BLATT);              \
    QDX_DIV(acc, b->d) break;      \
  case POT_C + (N) + 4:            \
    LADEN;                         \
    QDX_P_POT(BLATT);              \
    QDX_SUB(b->d, acc) break;      \
  case POT_C + (N) + 5:            \
    LADEN;                         \
    QDX_P_POT(BLATT);              \
    QDX_DIV(b->d, acc) break;
        QDX_POT_C(0, (void)0, x)
        QDX_POT_C(6, *sp++ = acc, x)
        QDX_POT_C(12, (void)0, k)
        QDX_POT_C(18, *sp++ = acc, k)
#undef QDX_POT_C
#define QDX_MP(N, AUSSEN, BLATT, INNEN) \
  case MIT_POT + (N): {                 \
    const long double l_ = acc;         \
    QDX_P_POT(BLATT);                   \
    INNEN;                              \
    AUSSEN(l_, acc) break;              \
  }
#define QDX_MPS(N, AUSSEN, BLATT)                    \
  QDX_MP((N) + 0, AUSSEN, BLATT, QDX_ADD(acc, b->d)) \
  QDX_MP((N) + 1, AUSSEN, BLATT, QDX_SUB(acc, b->d)) \
  QDX_MP((N) + 2, AUSSEN, BLATT, QDX_MUL(acc, b->d)) \
  QDX_MP((N) + 3, AUSSEN, BLATT, QDX_DIV(acc, b->d)) \
  QDX_MP((N) + 4, AUSSEN, BLATT, QDX_SUB(b->d, acc)) \
  QDX_MP((N) + 5, AUSSEN, BLATT, QDX_DIV(b->d, acc))
        QDX_MPS(0, QDX_ADD, x)
        QDX_MPS(6, QDX_ADD, k)
        QDX_MPS(12, QDX_SUB, x)
        QDX_MPS(18, QDX_SUB, k)
        QDX_MPS(24, QDX_MUL, x)
        QDX_MPS(30, QDX_MUL, k)
        QDX_MPS(36, QDX_DIV, x)
        QDX_MPS(42, QDX_DIV, k)
#undef QDX_MPS
#undef QDX_MP
#undef QDX_P_POT
#undef QDX_TEIL
#undef QDX_I_ADD
#undef QDX_I_SUB
#undef QDX_I_MUL
#undef QDX_I_DIV
#undef QDX_I_RSUB
#undef QDX_I_RDIV
#undef QDX_I_POWI
#undef QDX_ADD
#undef QDX_SUB
#undef QDX_MUL
#undef QDX_DIV
      case POWI:
        acc = Ganze_Potenz_anwenden(acc, b->schluessel, b->c);
        break;
      case EPOW: {
        // The logarithm branch of the power rule with ln(c) computed once.
        if (endlich(acc) && !Ganzzahlig(acc)) {
          const long double v = std::exp(acc * b->d);
          if (endlich(v)) {
            acc = v;
            break;
          }
        }
        acc = Verknuepfen('^', b->c, acc);
        break;
      }
      case FUNK_WURZEL:
        if (endlich(acc) && !(acc < 0)) {
          acc = std::sqrt(acc);
          break;
        }
        [[fallthrough]];
      case FUNK_SIN:
        if (b->op == FUNK_SIN && endlich(acc)) {
          acc = Sinus(acc);
          break;
        }
        [[fallthrough]];
      case FUNK_COS:
        if (b->op == FUNK_COS && endlich(acc)) {
          acc = Kosinus(acc);
          break;
        }
        [[fallthrough]];
      case FUNK_ABS:
        if (b->op == FUNK_ABS && endlich(acc)) {
          acc = std::fabs(acc);
          if (toleranz_stand.tol > acc) Knick = true;
          break;
        }
        [[fallthrough]];
      case FUNK_LN:
        if (b->op == FUNK_LN && endlich(acc) && acc > 0) {
          acc = std::log(acc);
          break;
        }
        [[fallthrough]];
      case FUNK: {
        long double w = 0;
        if (!Funktion_anwenden(b->schluessel, acc, toleranz_stand.tol, w))
          return Ergebnis_bei_Fehler;
        acc = w;
        break;
      }
      case ENDE:
        return Endwert_schnell(acc);
    }
  }
}

// The power by multiplication in the unchecked run. A zero base gives the +0 of the power rule,
// also for -0; a negative base whose odd power underflows keeps its -0, as the rule's own
// multiplication does.
[[gnu::always_inline]] inline long double Potenz_ungeprueft(long double b, int n) {
  if (n == 2) return b * b;
  if (b == 0) return 0.0L;
  return Ganze_Potenz(b, static_cast<std::uint32_t>(n));
}

// The root as the library computes it for a radicand that is not negative, in place.
[[gnu::always_inline]] inline long double Wurzel(long double v) {
  asm("fsqrt" : "+t"(v));
  return v;
}

bool Ohne_Aufruf(Op op) {
  switch (op) {
    case POW:
    case POW_C:
    case RPOW_C:
    case POW_X:
    case POW_K:
    case EPOW:
    case FUNK:
    case FUNK_SIN:
    case FUNK_COS:
    case FUNK_LN:
      return false;
    default:
      return true;
  }
}

// The unchecked run: the same operations in the same order as Ausfuehren, without looking at
// each intermediate value. That is sound because a fault always leaves a value that is not
// finite, and such a value reaches the end: sums, differences, products and powers of it are
// not finite either, a division by it is made NaN here, and every function step hands on NaN
// for it. So a finite end value with Fehler unset means no step met anything unusual, and the
// value is the checked run's to the last bit. Anything else is run again, checked, from the
// start; the flags are set afresh there, and the first fault text comes out again at the same
// step before any later one.
// Without Aufrufe the run is for terms of pure arithmetic (Ohne_Aufruf): it calls no function,
// so it needs no saved registers and keeps its values in the floating-point registers; whatever
// it cannot finish is handed on whole by a jump, and the flags are written once, at the end.
template <bool Aufrufe>
long double Ungeprueft(const Programm& p, const long double& x, const long double& k) {
  long double tol = 0;
  if constexpr (Aufrufe) {
    if (p.braucht_toleranz) Toleranz_aktuell();
    Fehler = Sprung = Sgn_Null = Knick = false;
    tol = toleranz_stand.tol;
  } else if (p.braucht_toleranz) {
    const Toleranz_Stand& t = toleranz_stand;
    if (!(KOS.xli == t.xli && KOS.xre == t.xre && KOS.Bildrand_rechts == t.rand))
      return Ungeprueft<true>(p, x, k);
    tol = t.tol;
  }
  bool knick = false;
  long double stapel[Stapel_lokal];
  long double* sp = stapel;
  long double acc = 0;
  for (const Befehl* b = p.code.data();; ++b) {
    switch (static_cast<int>(b->op)) {
#define QDX_DURCH(l, r)                       \
  {                                           \
    const long double a_ = (l), d_ = (r);     \
    acc = endlich(d_) ? a_ / d_ : Unbestimmt; \
  }
      case LADE_C:
        acc = b->c;
        break;
      case LADE_X:
        acc = x;
        break;
      case LADE_K:
        acc = k;
        break;
      case PLADE_C:
        *sp++ = acc;
        acc = b->c;
        break;
      case PLADE_X:
        *sp++ = acc;
        acc = x;
        break;
      case PLADE_K:
        *sp++ = acc;
        acc = k;
        break;
      case NEG:
        acc = -acc;
        break;
      case ADD:
        acc = *--sp + acc;
        break;
      case SUB:
        acc = *--sp - acc;
        break;
      case MUL:
        acc = *--sp * acc;
        break;
      case DIV:
        QDX_DURCH(*--sp, acc);
        break;
      case ADD_C:
        acc = acc + b->c;
        break;
      case SUB_C:
        acc = acc - b->c;
        break;
      case MUL_C:
        acc = acc * b->c;
        break;
      case DIV_C:
        acc = acc / b->c;
        break;
      case RSUB_C:
        acc = b->c - acc;
        break;
      case RDIV_C:
        QDX_DURCH(b->c, acc);
        break;
      case ADD_X:
        acc = acc + x;
        break;
      case SUB_X:
        acc = acc - x;
        break;
      case MUL_X:
        acc = acc * x;
        break;
      case DIV_X:
        QDX_DURCH(acc, x);
        break;
      case ADD_K:
        acc = acc + k;
        break;
      case SUB_K:
        acc = acc - k;
        break;
      case MUL_K:
        acc = acc * k;
        break;
      case DIV_K:
        QDX_DURCH(acc, k);
        break;
      case POWI:
        acc = Potenz_ungeprueft(acc, b->schluessel);
        break;
#define QDX_GRUPPE(P, LADEN)                     \
  case P##_ADD_C:                                \
    LADEN;                                       \
    acc = acc + b->c;                            \
    break;                                       \
  case P##_SUB_C:                                \
    LADEN;                                       \
    acc = acc - b->c;                            \
    break;                                       \
  case P##_MUL_C:                                \
    LADEN;                                       \
    acc = acc * b->c;                            \
    break;                                       \
  case P##_DIV_C:                                \
    LADEN;                                       \
    acc = acc / b->c;                            \
    break;                                       \
  case P##_RSUB_C:                               \
    LADEN;                                       \
    acc = b->c - acc;                            \
    break;                                       \
  case P##_RDIV_C:                               \
    LADEN;                                       \
    QDX_DURCH(b->c, acc);                        \
    break;                                       \
  case P##_POWI:                                 \
    LADEN;                                       \
    acc = Potenz_ungeprueft(acc, b->schluessel); \
    break;
        QDX_GRUPPE(X, acc = x)
        QDX_GRUPPE(PX, *sp++ = acc; acc = x)
        QDX_GRUPPE(K, acc = k)
        QDX_GRUPPE(PK, *sp++ = acc; acc = k)
#undef QDX_GRUPPE
#define QDX_T(N, AUSSEN, BLATT)                                     \
  case MIT_TEIL + (N) + 0: {                                        \
    const long double r_ = BLATT + b->c;                            \
    AUSSEN(acc, r_);                                                \
    break;                                                          \
  }                                                                 \
  case MIT_TEIL + (N) + 1: {                                        \
    const long double r_ = BLATT - b->c;                            \
    AUSSEN(acc, r_);                                                \
    break;                                                          \
  }                                                                 \
  case MIT_TEIL + (N) + 2: {                                        \
    const long double r_ = BLATT * b->c;                            \
    AUSSEN(acc, r_);                                                \
    break;                                                          \
  }                                                                 \
  case MIT_TEIL + (N) + 3: {                                        \
    const long double r_ = BLATT / b->c;                            \
    AUSSEN(acc, r_);                                                \
    break;                                                          \
  }                                                                 \
  case MIT_TEIL + (N) + 4: {                                        \
    const long double r_ = b->c - BLATT;                            \
    AUSSEN(acc, r_);                                                \
    break;                                                          \
  }                                                                 \
  case MIT_TEIL + (N) + 5: {                                        \
    const long double d_ = BLATT;                                   \
    const long double r_ = endlich(d_) ? b->c / d_ : Unbestimmt;    \
    AUSSEN(acc, r_);                                                \
    break;                                                          \
  }                                                                 \
  case MIT_TEIL + (N) + 6: {                                        \
    const long double r_ = Potenz_ungeprueft(BLATT, b->schluessel); \
    AUSSEN(acc, r_);                                                \
    break;                                                          \
  }
#define QDX_A_ADD(l, r) acc = (l) + (r)
#define QDX_A_SUB(l, r) acc = (l) - (r)
#define QDX_A_MUL(l, r) acc = (l) * (r)
#define QDX_A_DIV(l, r) QDX_DURCH(l, r)
        QDX_T(0, QDX_A_ADD, x)
        QDX_T(7, QDX_A_ADD, k)
        QDX_T(14, QDX_A_SUB, x)
        QDX_T(21, QDX_A_SUB, k)
        QDX_T(28, QDX_A_MUL, x)
        QDX_T(35, QDX_A_MUL, k)
        QDX_T(42, QDX_A_DIV, x)
        QDX_T(49, QDX_A_DIV, k)
#define QDX_POT_C(N, LADEN, BLATT)                                  \
  case POT_C + (N) + 0:                                             \
    LADEN;                                                          \
    acc = Potenz_ungeprueft(BLATT, b->schluessel) + b->d;           \
    break;                                                          \
  case POT_C + (N) + 1:                                             \
    LADEN;                                                          \
    acc = Potenz_ungeprueft(BLATT, b->schluessel) - b->d;           \
    break;                                                          \
  case POT_C + (N) + 2:                                             \
    LADEN;                                                          \
    acc = Potenz_ungeprueft(BLATT, b->schluessel) * b->d;           \
    break;                                                          \
  case POT_C + (N) + 3:                                             \
    LADEN;                                                          \
    acc = Potenz_ungeprueft(BLATT, b->schluessel) / b->d;           \
    break;                                                          \
  case POT_C + (N) + 4:                                             \
    LADEN;                                                          \
    acc = b->d - Potenz_ungeprueft(BLATT, b->schluessel);           \
    break;                                                          \
  case POT_C + (N) + 5: {                                           \
    LADEN;                                                          \
    const long double p_ = Potenz_ungeprueft(BLATT, b->schluessel); \
    acc = endlich(p_) ? b->d / p_ : Unbestimmt;                     \
    break;                                                          \
  }
        QDX_POT_C(0, (void)0, x)
        QDX_POT_C(6, *sp++ = acc, x)
        QDX_POT_C(12, (void)0, k)
        QDX_POT_C(18, *sp++ = acc, k)
#undef QDX_POT_C
#define QDX_MP(N, AUSSEN, BLATT, INNEN)                             \
  case MIT_POT + (N): {                                             \
    const long double p_ = Potenz_ungeprueft(BLATT, b->schluessel); \
    const long double r_ = INNEN;                                   \
    AUSSEN(acc, r_);                                                \
    break;                                                          \
  }
#define QDX_MPS(N, AUSSEN, BLATT)           \
  QDX_MP((N) + 0, AUSSEN, BLATT, p_ + b->d) \
  QDX_MP((N) + 1, AUSSEN, BLATT, p_ - b->d) \
  QDX_MP((N) + 2, AUSSEN, BLATT, p_ * b->d) \
  QDX_MP((N) + 3, AUSSEN, BLATT, p_ / b->d) \
  QDX_MP((N) + 4, AUSSEN, BLATT, b->d - p_) \
  QDX_MP((N) + 5, AUSSEN, BLATT, endlich(p_) ? b->d / p_ : Unbestimmt)
        QDX_MPS(0, QDX_A_ADD, x)
        QDX_MPS(6, QDX_A_ADD, k)
        QDX_MPS(12, QDX_A_SUB, x)
        QDX_MPS(18, QDX_A_SUB, k)
        QDX_MPS(24, QDX_A_MUL, x)
        QDX_MPS(30, QDX_A_MUL, k)
        QDX_MPS(36, QDX_A_DIV, x)
        QDX_MPS(42, QDX_A_DIV, k)
#undef QDX_MPS
#undef QDX_MP
#undef QDX_A_ADD
#undef QDX_A_SUB
#undef QDX_A_MUL
#undef QDX_A_DIV
#undef QDX_T
#undef QDX_DURCH
      case FUNK_WURZEL:
        // Not finite stays not finite; a negative radicand gives NaN, and the checked run
        // reports it.
        acc = acc < 0 ? Unbestimmt : Wurzel(acc);
        break;
      case FUNK_ABS:
        // Not finite stays not finite, and no tolerance is larger than it.
        acc = std::fabs(acc);
        knick |= tol > acc;
        break;
      case ENDE:
        if constexpr (Aufrufe) {
          if (Fehler || !endlich(acc)) return Ausfuehren(p, x, k);
          if (knick) Knick = true;
        } else {
          if (!endlich(acc)) return Ausfuehren(p, x, k);
          Fehler = Sprung = Sgn_Null = false;
          Knick = knick;
        }
        return acc;
// Operations that call out (see Ohne_Aufruf); the compiler never sends them to the other run.
#define QDX_AUFRUF \
  if constexpr (!Aufrufe) return Ungeprueft<true>(p, x, k)
      case POW: {
        QDX_AUFRUF;
        const long double l = *--sp;
        acc = Verknuepfen('^', l, acc);
        break;
      }
      case POW_C:
        QDX_AUFRUF;
        acc = Verknuepfen('^', acc, b->c);
        break;
      case RPOW_C:
        QDX_AUFRUF;
        acc = Verknuepfen('^', b->c, acc);
        break;
      case POW_X:
        QDX_AUFRUF;
        acc = Verknuepfen('^', acc, x);
        break;
      case POW_K:
        QDX_AUFRUF;
        acc = Verknuepfen('^', acc, k);
        break;
      case EPOW:
        QDX_AUFRUF;
        // The logarithm branch of the power rule with ln(c) computed once.
        if (endlich(acc) && !Ganzzahlig(acc)) {
          const long double v = std::exp(acc * b->d);
          if (endlich(v)) {
            acc = v;
            break;
          }
        }
        acc = Verknuepfen('^', b->c, acc);
        break;
      case FUNK_SIN:
        QDX_AUFRUF;
        acc = endlich(acc) ? Sinus(acc) : Unbestimmt;
        break;
      case FUNK_COS:
        QDX_AUFRUF;
        acc = endlich(acc) ? Kosinus(acc) : Unbestimmt;
        break;
      case FUNK_LN:
        QDX_AUFRUF;
        if (acc > 0) {
          acc = std::log(acc);
          break;
        }
        goto funk_allgemein;
      case FUNK:
      funk_allgemein : {
        QDX_AUFRUF;
        long double w = 0;
        if (!Funktion_anwenden(b->schluessel, acc, tol, w)) return Ausfuehren(p, x, k);
        acc = w;
        break;
      }
#undef QDX_AUFRUF
      default:
        __builtin_unreachable();
    }
  }
}

struct Eintrag {
  std::string term;
  bool belegt = false;
  TTerm t;
};

constexpr int Cache_Groesse = 8;
std::array<Eintrag, Cache_Groesse> cache;
int zuletzt = 0;
int naechster_freier = 0;

Eintrag& Eintrag_suchen(const std::string& term) {
  for (int i = 0; i < Cache_Groesse; ++i) {
    Eintrag& e = cache[i];
    if (e.belegt && e.term == term) {
      zuletzt = i;
      return e;
    }
  }
  const int i = naechster_freier;
  naechster_freier = (naechster_freier + 1) % Cache_Groesse;
  Eintrag& e = cache[i];
  e.term = term;
  e.belegt = true;
  e.t = TTerm(term);
  zuletzt = i;
  return e;
}

// Cache key test on every evaluation: whole words, the last one overlapping the one before, so
// that no text length needs a byte loop.
inline bool gleich(const std::string& a, const std::string& b) {
  const std::size_t n = a.size();
  if (n != b.size()) return false;
  const char* p = a.data();
  const char* q = b.data();
  if (n >= 8) {
    std::uint64_t u, v;
    for (std::size_t i = 0; i + 8 < n; i += 8) {
      std::memcpy(&u, p + i, 8);
      std::memcpy(&v, q + i, 8);
      if (u != v) return false;
    }
    std::memcpy(&u, p + n - 8, 8);
    std::memcpy(&v, q + n - 8, 8);
    return u == v;
  }
  if (n >= 4) {
    std::uint32_t u1, v1, u2, v2;
    std::memcpy(&u1, p, 4);
    std::memcpy(&v1, q, 4);
    std::memcpy(&u2, p + n - 4, 4);
    std::memcpy(&v2, q + n - 4, 4);
    return u1 == v1 && u2 == v2;
  }
  // 0 to 3 characters: the first, middle and last cover them all.
  return n == 0 || (p[0] == q[0] && p[n / 2] == q[n / 2] && p[n - 1] == q[n - 1]);
}

inline Eintrag& Eintrag_fuer(const std::string& term) {
  Eintrag& e = cache[zuletzt];
  if (e.belegt && gleich(e.term, term)) return e;
  return Eintrag_suchen(term);
}

}  // namespace

namespace {

// Out of line and by reference: a direct tail call to the reader would make every compiled run
// copy its two arguments first.
[[gnu::noinline]] long double Referenz_lesen(const std::string& term, const long double& x,
                                             const long double& k) {
  return Term_auswerten_Referenz(term, x, k);
}

std::shared_ptr<const Programm> Uebersetzen(const std::string& term) {
  auto p = std::make_shared<Programm>();
  p->term = term;
  std::string kanonisch;
  if (Normalisieren(term, kanonisch) != nullptr) {
    p->referenz = true;
    return p;
  }
  try {
    Uebersetzer(kanonisch, *p).Uebersetzen();
    p->nur_rechnen = !p->nur_geprueft;
    for (const Befehl& b : p->code)
      if (!Ohne_Aufruf(b.op)) p->nur_rechnen = false;
  } catch (const Nicht_uebersetzbar&) {
    p->referenz = true;
    p->code.clear();
  }
  return p;
}

}  // namespace

TTerm::TTerm(const std::string& term) : p_(Uebersetzen(term)) {}

long double TTerm::Lauf(const Programm* p, const long double& x, const long double& k) {
  if (p->nur_rechnen) return Ungeprueft<false>(*p, x, k);  // the usual case first
  if (p->referenz) return Referenz_lesen(p->term, x, k);
  if (p->nur_geprueft) return Ausfuehren(*p, x, k);
  return Ungeprueft<true>(*p, x, k);
}

long double TTerm::Auswerten(long double x, long double k, bool& ok) {
  const long double w = Wert(x, k);
  ok = !Fehler;
  return w;
}

const std::string& TTerm::Text() const {
  return p_->term;
}

bool TTerm::Uebersetzt() const {
  return !p_->referenz;
}

long double Term_auswerten(const std::string& term, long double x, long double k) {
  return Eintrag_fuer(term).t.Wert(x, k);
}

bool Term_schnell_uebersetzbar(const std::string& term) {
  return Eintrag_fuer(term).t.Uebersetzt();
}
