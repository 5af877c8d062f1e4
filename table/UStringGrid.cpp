#include "table/UStringGrid.h"

#include <QPainter>
#include <QRect>
#include <QTextOption>
#include <algorithm>
#include <cmath>
#include <tuple>
#include <unordered_set>

#include "engine/UMatheBasisOp.h"
#include "engine/UZeichenzahl.h"
#include "kos/U_KOS.h"
#include "platform/Dialoge.h"

// Defined before the table: reading outside it must work while it is being built.
const std::string Tabelle::leer_;

Tabelle& Zahlentabelle = Blatt_Speicher().Teil<Tabelle>();

namespace {

// Number of characters of a UTF-8 text (continuation bytes do not count).
std::size_t Zeichenzahl(const std::string& s) {
  std::size_t n = 0;
  for (unsigned char c : s)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

bool Datenzelle(int spalte, int zeile) {
  return spalte >= 1 && spalte <= Letzte_Spalte && zeile >= 1 && zeile <= Letzte_Zeile;
}

}  // namespace

bool Bereich_leer(const TZellbereich& b) {
  return b.Links < 1 || b.Oben < 1 || b.Rechts < 1 || b.Unten < 1;
}

// ---- Tabelle ----------------------------------------------------------------------------------

namespace {

// Every table starts on one block of empty cells; the first write into a block copies it.
const std::shared_ptr<TZellblock>& Leerer_Block() {
  static const auto leer = std::make_shared<TZellblock>();
  return leer;
}

bool Block_leer(const TZellblock& b, int ab = 0) {
  return std::all_of(b.begin() + ab, b.end(), [](const std::string& s) { return s.empty(); });
}

}  // namespace

Tabelle::Tabelle() {
  bloecke_.fill(Leerer_Block());
  Spaltenbreite.fill(Standard_Spaltenbreite);
  Spaltenbreite[0] = Startbreite_Spalte0;
  Tabellenkopf_schreiben(*this);
}

Tabelle::Tabelle(const Tabelle& t)
    : bloecke_(t.bloecke_),
      spalte_(t.spalte_),
      zeile_(t.zeile_),
      anker_spalte_(t.anker_spalte_),
      anker_zeile_(t.anker_zeile_),
      oben_(t.oben_),
      links_(t.links_) {
  Aussehen_uebernehmen(t);
}

void Tabelle::Aussehen_uebernehmen(const Tabelle& t) {
  Standard_Spaltenbreite = t.Standard_Spaltenbreite;
  Spaltenbreite = t.Spaltenbreite;
  Standard_Zeilenhoehe = t.Standard_Zeilenhoehe;
  Kopfzeilenhoehe = t.Kopfzeilenhoehe;
  Gitterlinienbreite = t.Gitterlinienbreite;
  Farbe_fest = t.Farbe_fest;
  Farbe_Daten = t.Farbe_Daten;
  Schrift = t.Schrift;
}

namespace {

// The look as one comparable value.
auto Aussehen(const Tabelle& t) {
  const TSchrift& s = t.Schrift;
  return std::tie(t.Standard_Spaltenbreite, t.Spaltenbreite, t.Standard_Zeilenhoehe,
                  t.Kopfzeilenhoehe, t.Gitterlinienbreite, t.Farbe_fest, t.Farbe_Daten, s.Name,
                  s.Groesse, s.fett, s.kursiv, s.unterstrichen, s.durchgestrichen, s.Farbe);
}

}  // namespace

Tabelle& Tabelle::operator=(const Tabelle& t) {
  if (this == &t) return *this;
  Sammler sammler(*this);
  // Row 0 and column 0 are cells too: -1 marks "no cell differs yet".
  int links = -1, oben = -1, rechts = -1, unten = -1;
  for (int c = 0; c <= Letzte_Spalte; ++c) {
    for (int b = 0; b < Tabelle_Bloecke; ++b) {
      const std::size_t n = Blocknummer(c, b * Tabelle_Blockzeilen);
      if (bloecke_[n] == t.bloecke_[n]) continue;
      const TZellblock &alt = *bloecke_[n], &neu = *t.bloecke_[n];
      for (int i = 0; i < Tabelle_Blockzeilen; ++i) {
        if (alt[i] == neu[i]) continue;
        const int r = b * Tabelle_Blockzeilen + i;
        if (links < 0) links = c;  // columns run in order: the first is the leftmost
        oben = oben < 0 ? r : std::min(oben, r);
        rechts = c;
        unten = std::max(unten, r);
      }
    }
  }
  bloecke_ = t.bloecke_;
  if (links >= 0) Inhalt_gemeldet(links, oben, rechts, unten);
  if (Aussehen(*this) != Aussehen(t)) {
    Aussehen_uebernehmen(t);
    Melden(TAenderung::Geometrie, TZellbereich{0, 0, Letzte_Spalte, Letzte_Zeile});
  }
  return *this;
}

TZellblock& Tabelle::Block_schreiben(std::size_t nummer) {
  Blockzeiger& p = bloecke_[nummer];
  if (p.use_count() > 1) p = std::make_shared<TZellblock>(*p);
  return *p;
}

void Tabelle::Zelle_setzen(int spalte, int zeile, const std::string& text) {
  if (!Gueltig(spalte, zeile)) return;
  if (Zelle(spalte, zeile) == text) return;
  // text may be a cell of this table: a shared block it lies in stays alive while copied.
  Zelle_schreiben(spalte, zeile) = text;
  Inhalt_gemeldet(spalte, zeile, spalte, zeile);
}

bool Tabelle::Daten_leeren() {
  bool geaendert = false;
  for (int c = 1; c <= Letzte_Spalte; ++c) {
    for (int b = 0; b < Tabelle_Bloecke; ++b) {
      // Block 0 keeps the column's caption in row 0.
      const int ab = b == 0 ? 1 : 0;
      const std::size_t n = Blocknummer(c, b * Tabelle_Blockzeilen);
      if (Block_leer(*bloecke_[n], ab)) continue;
      geaendert = true;
      if (ab == 0) {
        bloecke_[n] = Leerer_Block();
      } else {
        TZellblock& z = Block_schreiben(n);
        std::for_each(z.begin() + ab, z.end(), [](std::string& s) { s.clear(); });
      }
    }
  }
  return geaendert;
}

void Tabelle::Zeile_herausnehmen(int spalte, int zeile) {
  const int erster = zeile / Tabelle_Blockzeilen;
  for (int b = erster; b < Tabelle_Bloecke; ++b) {
    const int ab = b == erster ? zeile % Tabelle_Blockzeilen : 0;
    const std::size_t n = Blocknummer(spalte, b * Tabelle_Blockzeilen);
    // The cell that moves up into this block's last row; the rows past the table stay empty.
    const std::string& nachruecker = b + 1 < Tabelle_Bloecke ? (*bloecke_[n + 1])[0] : leer_;
    // An empty stretch that only gets an empty cell stays as it is (and shared).
    if (nachruecker.empty() && Block_leer(*bloecke_[n], ab)) continue;
    TZellblock& z = Block_schreiben(n);
    std::move(z.begin() + ab + 1, z.end(), z.begin() + ab);
    z.back() = nachruecker;
  }
}

void Tabelle::Spalte_herausnehmen(int spalte) {
  // A column is a run of blocks: moving columns moves pointers only.
  const auto beginn = bloecke_.begin() + static_cast<std::ptrdiff_t>(spalte) * Tabelle_Bloecke;
  std::move(beginn + Tabelle_Bloecke, bloecke_.end(), beginn);
  std::fill(bloecke_.end() - Tabelle_Bloecke, bloecke_.end(), Leerer_Block());
}

TZellbereich Tabelle::Auswahl() const {
  if (spalte_ < 1 || zeile_ < 1 || anker_spalte_ < 1 || anker_zeile_ < 1) return TZellbereich{};
  return TZellbereich{std::min(spalte_, anker_spalte_), std::min(zeile_, anker_zeile_),
                      std::max(spalte_, anker_spalte_), std::max(zeile_, anker_zeile_)};
}

bool Tabelle::Gehe_zu(int spalte, int zeile) {
  return Auswahl_setzen(spalte, zeile, spalte, zeile);
}

bool Tabelle::Auswahl_setzen(int anker_spalte, int anker_zeile, int spalte, int zeile) {
  if (anker_spalte == -1 && anker_zeile == -1 && spalte == -1 && zeile == -1) {
    // the empty selection, as set when the table loses the focus
  } else if (!Datenzelle(anker_spalte, anker_zeile) || !Datenzelle(spalte, zeile)) {
    return false;
  }
  if (anker_spalte == anker_spalte_ && anker_zeile == anker_zeile_ && spalte == spalte_ &&
      zeile == zeile_)
    return true;
  anker_spalte_ = anker_spalte;
  anker_zeile_ = anker_zeile;
  spalte_ = spalte;
  zeile_ = zeile;
  Melden(TAenderung::Auswahl, Auswahl());
  return true;
}

void Tabelle::Ecke_setzen(int links, int oben) {
  links = std::clamp(links, 1, Letzte_Spalte);
  oben = std::clamp(oben, 1, Letzte_Zeile);
  if (links == links_ && oben == oben_) return;
  links_ = links;
  oben_ = oben;
  Melden(TAenderung::Ecke, TZellbereich{links_, oben_, links_, oben_});
}

int Tabelle::Beobachter_anmelden(Beobachter b) {
  beobachter_.emplace_back(naechste_id_, std::move(b));
  return naechste_id_++;
}

void Tabelle::Beobachter_abmelden(int id) {
  std::erase_if(beobachter_, [id](const auto& e) { return e.first == id; });
}

int Tabelle::Eingabehaken_anmelden(std::function<void()> haken) {
  eingabehaken_.emplace_back(naechste_id_, std::move(haken));
  return naechste_id_++;
}

void Tabelle::Eingabehaken_abmelden(int id) {
  std::erase_if(eingabehaken_, [id](const auto& e) { return e.first == id; });
}

void Eingabe_uebernehmen(const Tabelle& t) {
  // Handing over writes a cell, and whoever watches that may read the table again.
  if (t.eingabehaken_.empty() || t.uebernahme_laeuft_) return;
  struct Sperre {
    bool& laeuft;
    explicit Sperre(bool& l) : laeuft(l) { laeuft = true; }
    ~Sperre() { laeuft = false; }
  } sperre(t.uebernahme_laeuft_);
  auto alle = t.eingabehaken_;  // a hook may sign off while it runs
  for (auto& [id, haken] : alle)
    if (haken) haken();
}

void Tabelle::Melden(TAenderung art, const TZellbereich& bereich) {
  // A watcher may sign off while being told; work on a copy.
  auto alle = beobachter_;
  for (auto& [id, b] : alle)
    if (b) b(art, bereich);
}

void Tabelle::Inhalt_gemeldet(int l, int o, int r, int u) {
  if (sammeln_ > 0) {
    if (!gesammelt_) {
      sammelbereich_ = TZellbereich{l, o, r, u};
      gesammelt_ = true;
    } else {
      sammelbereich_.Links = std::min(sammelbereich_.Links, l);
      sammelbereich_.Oben = std::min(sammelbereich_.Oben, o);
      sammelbereich_.Rechts = std::max(sammelbereich_.Rechts, r);
      sammelbereich_.Unten = std::max(sammelbereich_.Unten, u);
    }
    return;
  }
  Melden(TAenderung::Inhalt, TZellbereich{l, o, r, u});
}

Tabelle::Sammler::Sammler(Tabelle& t) : t_(t) {
  Eingabe_uebernehmen(t_);
  ++t_.sammeln_;
}

Tabelle::Sammler::~Sammler() {
  if (--t_.sammeln_ > 0 || !t_.gesammelt_) return;
  t_.gesammelt_ = false;
  t_.Melden(TAenderung::Inhalt, t_.sammelbereich_);
}

bool Inhalt_gleich(const Tabelle& a, const Tabelle& b) {
  if (a.Spaltenbreite != b.Spaltenbreite) return false;
  for (std::size_t n = 0; n < a.bloecke_.size(); ++n)
    if (a.bloecke_[n] != b.bloecke_[n] && *a.bloecke_[n] != *b.bloecke_[n]) return false;
  return true;
}

std::size_t Tabellen_Speicher(std::span<const Tabelle* const> tabellen) {
  std::unordered_set<const void*> gezaehlt;
  std::size_t bytes = 0;
  for (const Tabelle* t : tabellen) {
    if (t == nullptr || !gezaehlt.insert(t).second) continue;
    bytes += sizeof(Tabelle);
    for (const auto& block : t->bloecke_) {
      if (!gezaehlt.insert(block.get()).second) continue;
      bytes += sizeof(TZellblock);
      // Texts beyond the string's own buffer live on the heap, with their terminating zero.
      for (const std::string& s : *block)
        if (s.capacity() > std::string().capacity()) bytes += s.capacity() + 1;
    }
  }
  return bytes;
}

// ---- numbers in cells -------------------------------------------------------------------------

namespace {

// The readers take over the open input once, not for every cell they read.
bool Zahl_in_Zelle(const Tabelle& t, int spalte, int zeile, long double& wert) {
  const std::string& text = t.Zelle(spalte, zeile);
  if (text.empty()) return false;
  int fehlerposition = 0;
  return Zahl_einlesen(text, wert, fehlerposition);
}

}  // namespace

bool Zelle_als_Zahl(const Tabelle& t, int spalte, int zeile, long double& wert) {
  Eingabe_uebernehmen(t);
  return Zahl_in_Zelle(t, spalte, zeile, wert);
}

std::string Zahl_als_Zelltext(long double x) {
  if (std::isnan(x)) return "NAN";
  if (std::isinf(x)) return x < 0 ? "-INF" : "INF";
  if (x == 0) return "0";
  const TZiffernfolge z = Ziffern_zerlegen(x, 15);
  const std::string& ziffern = z.ziffern;
  const int e = z.exponent;

  std::string text;
  if (std::fabs(x) < 1E-5L || e >= 15) {
    text = ziffern.substr(0, 1);
    if (ziffern.size() > 1) text += "," + ziffern.substr(1);
    text += "E" + std::to_string(e);
  } else if (e >= 0) {
    const std::size_t ganz = static_cast<std::size_t>(e) + 1;
    if (ziffern.size() <= ganz) {
      text = ziffern + std::string(ganz - ziffern.size(), '0');
    } else {
      text = ziffern.substr(0, ganz) + "," + ziffern.substr(ganz);
    }
  } else {
    text = "0," + std::string(static_cast<std::size_t>(-e - 1), '0') + ziffern;
  }
  return x < 0 ? "-" + text : text;
}

// ---- set-up, headers, clearing ----------------------------------------------------------------

void Tabelle_einrichten(Tabelle& t) {
  t.Standard_Spaltenbreite = Startbreite_Spalte;
  t.Spaltenbreite.fill(Startbreite_Spalte);
  t.Spaltenbreite[0] = Startbreite_Spalte0;
  t.Standard_Zeilenhoehe = 16;
  t.Kopfzeilenhoehe = 17;
  t.Gitterlinienbreite = 2;
  t.Farbe_fest = 0xF0FBFF;
  t.Farbe_Daten = 0xFFFFFF;
  t.Schrift = TSchrift{"Arial", 8, true, false, false, false, 0x800000};
  t.Melden(TAenderung::Geometrie, TZellbereich{0, 0, Letzte_Spalte, Letzte_Zeile});
  Tabelle_leeren(t);
  Markierung_aufheben(t);
}

void Spaltenbreiten_setzen(Tabelle& t, int standard, int spalte0) {
  t.Standard_Spaltenbreite = standard;
  t.Spaltenbreite.fill(standard);
  t.Spaltenbreite[0] = spalte0;
  t.Melden(TAenderung::Geometrie, TZellbereich{0, 0, Letzte_Spalte, Letzte_Zeile});
}

void Tabellenkopf_schreiben(Tabelle& t) {
  Tabelle::Sammler sammler(t);
  t.Zelle_setzen(0, 0, "Ze Nr");
  t.Zelle_setzen(1, 0, "  x (Sp1)");
  t.Zelle_setzen(2, 0, "  y (Sp2)");
  t.Zelle_setzen(3, 0, "Matrix A (Sp3)");
  for (int c = 4; c <= Letzte_Spalte; ++c)
    t.Zelle_setzen(c, 0, "  Sp" + std::to_string(c) + "   ");
  for (int r = 1; r <= Letzte_Zeile; ++r)
    t.Zelle_setzen(0, r, std::to_string(r) + "  ");
}

void Tabelle_leeren(Tabelle& t) {
  Eingabe_uebernehmen(t);
  {
    Tabelle::Sammler sammler(t);
    Tabellenkopf_schreiben(t);
    const bool geaendert = t.Daten_leeren();
    if (geaendert) t.Melden(TAenderung::Inhalt, TZellbereich{1, 1, Letzte_Spalte, Letzte_Zeile});
  }
  Ecke_links_oben_zeigen(t);
}

namespace {

// Row labels after a row has been removed or emptied carry three blanks.
std::string Zeilennummer_nach_Aenderung(int r) {
  return std::to_string(r) + "   ";
}

}  // namespace

void Zeile_entfernen(Tabelle& t, int zeile) {
  if (zeile < 1 || zeile > Letzte_Zeile) return;
  Eingabe_uebernehmen(t);
  for (int c = 1; c <= Letzte_Spalte; ++c)
    t.Zeile_herausnehmen(c, zeile);
  // Column 0 is renumbered as a whole; the labels that stay the same keep their block.
  for (int r = 1; r <= Letzte_Zeile; ++r) {
    const std::string nummer = Zeilennummer_nach_Aenderung(r);
    if (t.Zelle(0, r) != nummer) t.Zelle_schreiben(0, r) = nummer;
  }
  t.Melden(TAenderung::Inhalt, TZellbereich{0, 1, Letzte_Spalte, Letzte_Zeile});
}

void Spalte_entfernen(Tabelle& t, int spalte) {
  if (spalte < 1 || spalte > Letzte_Spalte) return;
  Eingabe_uebernehmen(t);
  t.Spalte_herausnehmen(spalte);
  t.Melden(TAenderung::Inhalt, TZellbereich{spalte, 0, Letzte_Spalte, Letzte_Zeile});
}

void Zeile_leeren(Tabelle& t, int zeile) {
  if (zeile < 1 || zeile > Letzte_Zeile) return;
  Tabelle::Sammler sammler(t);
  for (int c = 1; c <= Letzte_Spalte; ++c)
    t.Zelle_setzen(c, zeile, "");
  t.Zelle_setzen(0, zeile, Zeilennummer_nach_Aenderung(zeile));
}

void Spalte_leeren(Tabelle& t, int spalte) {
  if (spalte < 1 || spalte > Letzte_Spalte) return;
  Tabelle::Sammler sammler(t);
  for (int r = 1; r <= Letzte_Zeile; ++r)
    t.Zelle_setzen(spalte, r, "");
}

// ---- readers and writers ----------------------------------------------------------------------

std::vector<long double> Spalte_einlesen(const Tabelle& t, int spalte, int& anzahl) {
  Eingabe_uebernehmen(t);
  std::vector<long double> werte;
  long double w = 0;
  for (int r = 1; r <= Letzte_Zeile && Zahl_in_Zelle(t, spalte, r, w); ++r)
    werte.push_back(w);
  anzahl = static_cast<int>(werte.size());
  return werte;
}

std::vector<TPunkt> Punkte_einlesen(const Tabelle& t, int spalte, int& anzahl) {
  Eingabe_uebernehmen(t);
  std::vector<TPunkt> punkte;
  for (int r = 1; r <= Letzte_Zeile; ++r) {
    TPunkt p;
    if (!Zahl_in_Zelle(t, spalte, r, p.x) || !Zahl_in_Zelle(t, spalte + 1, r, p.y)) break;
    punkte.push_back(p);
  }
  anzahl = static_cast<int>(punkte.size());
  return punkte;
}

void Punkte_ausgeben(Tabelle& t, int spalte, const std::vector<TPunkt>& punkte, int anzahl) {
  // A count beyond the list or the table must not read or write past either end.
  const int n = std::min({anzahl, static_cast<int>(punkte.size()), Letzte_Zeile});
  Tabelle::Sammler sammler(t);
  for (int i = 0; i < n; ++i) {
    t.Zelle_setzen(spalte, i + 1, Zahl_als_Zelltext(punkte[i].x));
    t.Zelle_setzen(spalte + 1, i + 1, Zahl_als_Zelltext(punkte[i].y));
  }
}

long double Spaltensumme_berechnen(const Tabelle& t, int spalte, int& naechste) {
  Eingabe_uebernehmen(t);
  long double summe = 0, w = 0;
  naechste = 1;
  while (naechste <= Letzte_Zeile && Zahl_in_Zelle(t, spalte, naechste, w)) {
    summe += w;
    ++naechste;
  }
  return summe;
}

void Spalte_kumulieren(Tabelle& t, int spalte) {
  Eingabe_uebernehmen(t);
  long double s = 0, w = 0;
  if (!Zahl_in_Zelle(t, spalte, 1, s)) return;
  Tabelle::Sammler sammler(t);
  for (int r = 2; r <= Letzte_Zeile && Zahl_in_Zelle(t, spalte, r, w); ++r) {
    s += w;
    t.Zelle_setzen(spalte, r, Zahl_als_Zelltext(s));
  }
}

// ---- ranges -----------------------------------------------------------------------------------

bool Bereich_kopieren(Tabelle& t, const TZellbereich& quelle, int ziel_spalte, int ziel_zeile) {
  Eingabe_uebernehmen(t);
  // 64-bit corners: no rectangle handed in can wrap around.
  using L = long long;
  const L breite = L{quelle.Rechts} - quelle.Links, hoehe = L{quelle.Unten} - quelle.Oben;
  const bool ueberlappt = ziel_spalte <= quelle.Rechts && quelle.Links <= ziel_spalte + breite &&
                          ziel_zeile <= quelle.Unten && quelle.Oben <= ziel_zeile + hoehe;
  if (ueberlappt) return true;
  // Only cells inside the table are read; the loops stay bounded whatever the rectangle says.
  Tabelle::Sammler sammler(t);
  const int oben = std::max(quelle.Oben, 0), unten = std::min(quelle.Unten, Letzte_Zeile);
  const int links = std::max(quelle.Links, 0), rechts = std::min(quelle.Rechts, Letzte_Spalte);
  for (int r = oben; r <= unten; ++r) {
    for (int k = links; k <= rechts; ++k) {
      const L c = L{ziel_spalte} + k - quelle.Links, z = L{ziel_zeile} + r - quelle.Oben;
      if (Tabelle::Gueltig(static_cast<int>(std::clamp<L>(c, -1, Tabelle_Spalten)),
                           static_cast<int>(std::clamp<L>(z, -1, Tabelle_Zeilen))))
        t.Zelle_setzen(static_cast<int>(c), static_cast<int>(z), t.Zelle(k, r));
    }
  }
  return false;
}

std::string Bereich_als_Text(const Tabelle& t, const TZellbereich& bereich) {
  Eingabe_uebernehmen(t);
  const int links = std::max(bereich.Links, 0), oben = std::max(bereich.Oben, 0);
  const int rechts = std::min(bereich.Rechts, Letzte_Spalte);
  const int unten = std::min(bereich.Unten, Letzte_Zeile);
  std::string text;
  for (int r = oben; r <= unten; ++r) {
    for (int c = links; c <= rechts; ++c) {
      const std::string& zelle = t.Zelle(c, r);
      text += zelle;
      const std::size_t n = Zeichenzahl(zelle);
      if (n < 20) text.append(20 - n, ' ');
    }
    text += "\r\n";
  }
  return text;
}

void Zelle_zeichnen(const Tabelle& t, int spalte, int zeile, QPainter& maler, const QRect& rechteck,
                    bool umbrechen, TAusrichtung ausrichtung) {
  maler.fillRect(rechteck, maler.brush());
  const std::string& text = t.Zelle(spalte, zeile);
  if (text.empty()) return;
  Qt::Alignment a = ausrichtung == TAusrichtung::Links    ? Qt::AlignLeft
                    : ausrichtung == TAusrichtung::Rechts ? Qt::AlignRight
                                                          : Qt::AlignHCenter;
  // A number too long for its cell keeps its leading digits in view: cut off on the left,
  // "2,0396" would read as ",0396".
  const QString zeichen = QString::fromStdString(text);
  if (!umbrechen && maler.fontMetrics().horizontalAdvance(zeichen) > rechteck.width())
    a = Qt::AlignLeft;
  a |= umbrechen ? Qt::AlignTop : Qt::AlignVCenter;
  QTextOption option(a);
  option.setWrapMode(umbrechen ? QTextOption::WordWrap : QTextOption::NoWrap);
  // Row labels end in blanks that keep them off the cell's edge.
  option.setFlags(QTextOption::IncludeTrailingSpaces);
  maler.save();
  maler.setClipRect(rechteck, Qt::IntersectClip);
  maler.drawText(QRectF(rechteck), zeichen, option);
  maler.restore();
}

bool Bereich_markieren(Tabelle& t, int links, int oben, int rechts, int unten) {
  return t.Auswahl_setzen(links, oben, rechts, unten);
}

void Markierung_aufheben(Tabelle& t) {
  t.Auswahl_setzen(-1, -1, -1, -1);
}

void Ecke_links_oben_zeigen(Tabelle& t) {
  t.Ecke_setzen(1, 1);
}

bool Taste_verarbeiten(Tabelle& t, int taste) {
  const int c = t.Spalte(), r = t.Zeile();
  if (taste == Taste_Enter) {
    if (c < 1 || r < 1) return true;
    if (c == 2 || c == Letzte_Spalte) {
      if (r < Letzte_Zeile) t.Gehe_zu(1, r + 1);
    } else {
      t.Gehe_zu(c + 1, r);
    }
    return true;
  }
  if (taste == Taste_Entf) {
    Eingabe_uebernehmen(t);
    if (c >= 1 && r >= 1) t.Zelle_setzen(c, r, "");
    return true;
  }
  return false;
}

// ---- fraction and decimal sweeps --------------------------------------------------------------

namespace {

// Every filled cell of the table body through umwandeln(text), which says whether the cell gets
// the changed text.
template <class Umwandeln>
void Zellen_umschreiben(Tabelle& t, Umwandeln umwandeln) {
  Tabelle::Sammler sammler(t);
  std::string text;
  for (int r = 1; r <= Letzte_Zeile; ++r) {
    for (int c = 1; c <= Letzte_Spalte; ++c) {
      const std::string& alt = t.Zelle(c, r);
      if (alt.empty()) continue;
      text = alt;
      if (umwandeln(text)) t.Zelle_setzen(c, r, text);
    }
  }
}

}  // namespace

void Tabelle_als_Bruch(Tabelle& t) {
  Zellen_umschreiben(t, Zelltext_als_Bruch);
}

void Tabelle_als_Dezimal(Tabelle& t) {
  Zellen_umschreiben(t, [](std::string& text) {
    Zelltext_als_Dezimal(text);
    return true;
  });
}

// ---- button actions ---------------------------------------------------------------------------

namespace {

// A whole number with optional blanks around it and an optional sign; no overflow.
bool Ganzzahl_lesen(const std::string& s, int& wert) {
  std::size_t i = 0, n = s.size();
  while (i < n && s[i] == ' ')
    ++i;
  while (n > i && s[n - 1] == ' ')
    --n;
  bool negativ = false;
  if (i < n && (s[i] == '+' || s[i] == '-')) negativ = s[i++] == '-';
  if (i >= n) return false;
  long long v = 0;
  for (; i < n; ++i) {
    if (s[i] < '0' || s[i] > '9') return false;
    v = v * 10 + (s[i] - '0');
    if (v > 2147483648LL) return false;
  }
  if (negativ) v = -v;
  if (v > 2147483647LL) return false;
  wert = static_cast<int>(v);
  return true;
}

}  // namespace

bool Kopierziel_lesen(const std::string& antwort, int& spalte, int& zeile) {
  const std::size_t p = antwort.find(';');
  if (p == std::string::npos) return false;
  int s = 0, z = 0;
  if (!Ganzzahl_lesen(antwort.substr(0, p), s) || !Ganzzahl_lesen(antwort.substr(p + 1), z))
    return false;
  spalte = s;
  zeile = z;
  return true;
}

void Bereich_kopieren_fragen(Tabelle& t) {
  // The input box takes the focus; what was typed must be in the cells before that.
  Eingabe_uebernehmen(t);
  const TZellbereich quelle = t.Auswahl();
  if (Bereich_leer(quelle)) {
    Dialog().Meldung("Erst Bereich markieren !");
    return;
  }
  std::string antwort = "2;5";
  if (!Dialog().Eingabe("Kopieren nach:", "Zelle links oben =", antwort)) return;
  int spalte = 0, zeile = 0;
  if (!Kopierziel_lesen(antwort, spalte, zeile)) return;
  // 64-bit sums: a target near the int limit must not wrap into the table.
  const long long rechts = static_cast<long long>(spalte) + (quelle.Rechts - quelle.Links);
  const long long unten = static_cast<long long>(zeile) + (quelle.Unten - quelle.Oben);
  if (spalte < 1 || zeile < 1 || rechts > Letzte_Spalte || unten > Letzte_Zeile) {
    Dialog().Meldung("Tabellengrenzen überschritten !");
    return;
  }
  if (Bereich_kopieren(t, quelle, spalte, zeile))
    Dialog().Meldung("Bereich kann nicht in sich selbst kopiert werden");
}

void Bereich_in_Zwischenablage(const Tabelle& t) {
  const TZellbereich b = t.Auswahl();
  if (Bereich_leer(b)) return;
  Ablage().Text_setzen(Bereich_als_Text(t, b));
}

void Punkteliste_einlesen(const Tabelle& t, int spalte) {
  int anzahl = 0;
  const std::vector<TPunkt> punkte = Punkte_einlesen(t, spalte, anzahl);
  anzahl = std::min(anzahl, Punkteliste_Groesse);
  std::copy_n(punkte.begin(), anzahl, Punkteliste.begin());
  Punktanzahl = anzahl;
}
