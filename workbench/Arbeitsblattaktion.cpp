#include "workbench/Arbeitsblattaktion.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPdfWriter>
#include <QStringDecoder>
#include <algorithm>
#include <string_view>

#include "kos/UBildexport.h"
#include "kos/UGrafik.h"
#include "kos/UZeichenprotokoll.h"
#include "kos/U_Ansicht.h"
#include "platform/Dialoge.h"
#include "table/UStringGrid.h"
#include "workbench/Blatt.h"
#include "workbench/Druckseiten.h"
#include "workbench/Eingaben.h"
#include "workbench/Plotaktion.h"
#include "workbench/Sicherung.h"

namespace {

// ---- taking the worksheet ----------------------------------------------------------------------

// ---- putting it back ---------------------------------------------------------------------------

// The curve switches, so that each curve is switched on with its own colour and line kind.
constexpr std::pair<const char*, Kurve> kKurvenschalter[] = {
    {"CheckBox_Schar_f_zeichnen", Kurve_f},
    {"CheckBox_Schar_g_zeichnen", Kurve_g},
    {"CheckBox_Schar_h_zeichnen", Kurve_h},
    {"CheckBox_Schar_fs_zeichnen", Kurve_fs},
    {"CheckBox_Schar_fs2_zeichnen", Kurve_fs2},
    {"CheckBox_Schar_fs3_zeichnen", Kurve_fs3},
    {"CheckBox_f_invers_zeichnen", Kurve_inv},
    {"CheckBox_Integralfunktion", Kurve_Int},
    {"CheckBox_Schar_kr_zeichnen", Kurve_krue},
    {"CheckBox_x_gleich_a", Kurve_x_gleich_a},
    {"CheckBox_x_gleich_b", Kurve_x_gleich_b},
    {"CheckBox_Param", Kurve_Param},
    {"CheckBox_DatenPkte_verbinden", Kurve_Punktverbindung},
};

constexpr const char* kTermfelder[] = {"Edit_fSchar", "Edit_gSchar", "Edit_hSchar",
                                       "Edit_xParam", "Edit_yParam", "Edit_Folge"};

// The bounds of the view copy themselves into the drawing intervals, so they come first and the
// intervals' own texts after them.
constexpr const char* kZuerst[] = {"Edit_xa", "Edit_xe"};

bool Ist_Zuerst(std::string_view n) {
  return std::find(std::begin(kZuerst), std::end(kZuerst), n) != std::end(kZuerst);
}

void Kurvenstil_vorgeben(std::string_view schalter, const TArbeitsblatt& b) {
  for (const auto& [name, k] : kKurvenschalter)
    if (schalter == name) {
      Stil.Linienfarbe = b.Werkbank.Kurvenstile[k].Farbe;
      Linienart_waehlen(b.Werkbank.Kurvenstile[k].Linienart);
    }
}

// Switches run their click rules, which set the mirrors in the state and the enabled controls.
int Schalter_zeigen(Anzeige& a, const Bedienstand& s, const TArbeitsblatt& b) {
  int unbekannt = 0;
  for (const auto& [name, an] : b.Schalter) {
    const TStartwert* w = Startwert(name);
    if (!w || w->an < 0 || !s.Vorhanden(w->name)) ++unbekannt;
  }
  for (const TStartwert& w : Startwerte()) {
    auto it = b.Schalter.find(w.name);
    if (w.an < 0 || it == b.Schalter.end() || !s.Vorhanden(w.name)) continue;
    if (it->second) Kurvenstil_vorgeben(w.name, b);
    a.Haken_zeigen(w.name, it->second);
  }
  return unbekannt;
}

int Listen_zeigen(Anzeige& a, const Bedienstand& s, const TArbeitsblatt& b, bool mit_Regel) {
  int unbekannt = 0;
  for (const auto& [name, eintrag] : b.Listen) {
    const TStartwert* w = Startwert(name);
    if (!w || w->eintrag < 0 || !s.Vorhanden(w->name)) {
      ++unbekannt;
      continue;
    }
    a.Eintrag_zeigen(w->name, eintrag);
    // A list left at its start item was not chosen; its rule would do more than the user did.
    if (mit_Regel && eintrag != w->eintrag) Liste_gewaehlt(a, w->name, eintrag);
  }
  return unbekannt;
}

// Texts of controls this window shows are shown; texts of controls with a start value that
// live elsewhere (a side window) go into the state only.
int Texte_zeigen(Anzeige& a, const Bedienstand& s, const TArbeitsblatt& b) {
  int unbekannt = 0;
  for (bool zuerst : {true, false})
    for (const auto& [name, text] : b.Werkbank.Feldtexte) {
      if (Ist_Zuerst(name) != zuerst) continue;
      if (s.Vorhanden(name.c_str()))
        Feld_zeigen(a, name.c_str(), text);
      else if (Startwert(name))
        Werkbank.Feldtexte[name] = text;
      else
        ++unbekannt;
    }
  return unbekannt;
}

// The grid buttons stay pressed one at a time; the grid of the view names the one.
void Raster_zeigen(Anzeige& a) {
  const char* knopf = "SpeedButton_ohne_Raster";
  if (KOS.Raster_an) {
    if (KOS.Raster_Linienstil == TStiftstil::Gepunktet)
      knopf = "SpeedButton_Raster_gestrichelt";
    else
      knopf = KOS.Rasterteilung >= 10  ? "SpeedButton_Raster_1mm"
              : KOS.Rasterteilung >= 5 ? "SpeedButton_Raster_eng"
                                       : "SpeedButton_Raster_mittel";
  }
  for (const char* k :
       {"SpeedButton_ohne_Raster", "SpeedButton_Raster_gestrichelt", "SpeedButton_Raster_mittel",
        "SpeedButton_Raster_eng", "SpeedButton_Raster_1mm"})
    a.Haken_zeigen(k, std::string_view(k) == knopf);
}

// The records hold the exact values the rules above may have rounded or coupled.
void Zustaende_setzen(const TArbeitsblatt& b) {
  Zustaende_uebernehmen(b, Werkbank, KOS, Stil, Zahlformat);
  Zoomstufe_x = b.Zoomstufe_x;
  Zoomstufe_y = b.Zoomstufe_y;
}

void Bedienung_auffrischen(Anzeige& a, const Bedienstand& s, const TArbeitsblatt& b) {
  Listen_zeigen(a, s, b, false);
  a.Farbe_zeigen("Panel_Farbe_Punkte", Stil.Punktfarbe);
  a.Farbe_zeigen("Panel_Farbe_Raster", KOS.Rasterfarbe);
  a.Farbe_zeigen("Panel_Linienfarbe_definieren", Stil.Linienfarbe);
  a.Farbe_zeigen("Panel_Fuellfarbe_definieren", Stil.Fuellfarbe);
  a.Schrift_zeigen("Edit_Text_in_Grafik", Werkbank.Textschrift);
  for (const char* n : {"ComboBox_Linienart", "ComboBox_Punkteart", "ComboBox_Flaechenfuellung"})
    a.Neu_malen(n);
  Raster_zeigen(a);
}

void Zellen_setzen(Tabelle& t, const std::vector<TZelleintrag>& zellen) {
  Tabelle_leeren(t);
  Tabelle::Sammler sammler(t);
  for (int c = 1; c <= Letzte_Spalte; ++c)
    t.Zelle_setzen(c, 0, "");
  for (const TZelleintrag& z : zellen)
    t.Zelle_setzen(z.spalte, z.zeile, z.text);
}

// The sheet's picture is drawn again from its recording when that gives exactly the stored
// pixels, so it can also leave as vectors; otherwise the stored pixels stand alone.
void Blattbild_herstellen(TBild& ziel, const QImage& bild, const std::string& zeichnung) {
  TZeichenprotokoll p;
  std::string fehler;
  if (!zeichnung.empty() && Protokoll_aus_Text(zeichnung, p, fehler)) {
    ziel.Protokoll_abspielen(p);
    if (ziel.Bild() == bild.convertToFormat(ziel.Bild().format())) return;
  }
  ziel.Pixel_uebernehmen(bild);
}

// A sheet without a picture (written by hand or by another program) gets the plot of its
// settings.
void Bild_setzen(Anzeige& a, const QImage& bild, const std::string& zeichnung) {
  if (bild.isNull()) return Plot_zeichnen(a);
  TBild* ziel = a.Bild("Image1");
  if (!ziel) return;
  const TBildlage l = Bildlage_berechnen(KOS.Bildbreite_cm, KOS.Bildtiefe_cm);
  Bild_platzieren(*ziel, l.links, l.oben, l.breite, l.hoehe);
  Blattbild_herstellen(*ziel, bild, zeichnung);
}

// Everything the window must be able to show is checked before the first change.
bool Pruefen(const Bedienstand& s, const TArbeitsblatt& b, QImage& bild, std::string& fehler) {
  for (const auto& [name, eintrag] : b.Listen) {
    if (!Startwert(name) || !s.Vorhanden(name.c_str())) continue;
    if (eintrag >= s.Eintraege(name.c_str())) {
      fehler = "Die Liste „" + name + "“ hat keinen Eintrag " + std::to_string(eintrag) + ".";
      return false;
    }
  }
  if (b.Png.empty()) return true;
  bild = QImage::fromData(QByteArray::fromStdString(b.Png), "PNG");
  if (bild.isNull() || bild.width() != b.Bildbreite || bild.height() != b.Bildhoehe) {
    fehler = "Das Bild der Datei ist beschädigt.";
    return false;
  }
  return true;
}

std::string Dateiname(const std::string& pfad) {
  return QFileInfo(QString::fromStdString(pfad)).fileName().toStdString();
}

std::string Mit_Endung(const std::string& pfad, const char* endung) {
  if (!QFileInfo(QString::fromStdString(pfad)).suffix().isEmpty()) return pfad;
  return pfad + "." + endung;
}

// The user confirms replacing an existing file.
bool Ersetzen_erlaubt(const std::string& pfad) {
  const QFileInfo info(QString::fromStdString(pfad));
  if (!info.exists() || info.isDir()) return true;
  return Dialog().Frage(Dateiname(pfad) + " existiert bereits.\nMöchten Sie sie ersetzen?");
}

// The folder and name last used, offered again by the next dialog.
std::string letzter_Pfad;

// A new sheet's dialog starts in the folder used last, also in an earlier session.
std::string Vorgabepfad() {
  return letzter_Pfad.empty() ? Letzter_Ordner() : letzter_Pfad;
}

// ---- spreadsheets ------------------------------------------------------------------------------

bool Ziffern(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Digits with an optional fraction after sep and an optional exponent.
bool Dezimalzahl(std::string_view s, char sep) {
  if (!s.empty() && (s[0] == '+' || s[0] == '-')) s.remove_prefix(1);
  const std::size_t e = s.find_first_of("eE");
  if (e != std::string_view::npos) {
    std::string_view ex = s.substr(e + 1);
    if (!ex.empty() && (ex[0] == '+' || ex[0] == '-')) ex.remove_prefix(1);
    if (!Ziffern(ex)) return false;
    s = s.substr(0, e);
  }
  const std::size_t p = s.find(sep);
  if (p == std::string_view::npos) return Ziffern(s);
  const std::string_view vor = s.substr(0, p), nach = s.substr(p + 1);
  return (vor.empty() || Ziffern(vor)) && Ziffern(nach);
}

// "1.234.567" or "1.234,5": groups of three digits after the first dot.
bool Deutsch_gruppiert(std::string_view s) {
  if (!s.empty() && (s[0] == '+' || s[0] == '-')) s.remove_prefix(1);
  const std::size_t komma = s.find(',');
  const std::string_view ganz = s.substr(0, komma);
  if (komma != std::string_view::npos && !Ziffern(s.substr(komma + 1))) return false;
  const std::size_t p = ganz.find('.');
  if (p == std::string_view::npos || p == 0 || p > 3 || !Ziffern(ganz.substr(0, p))) return false;
  std::string_view rest = ganz.substr(p);
  int gruppen = 0;
  while (!rest.empty()) {
    if (rest.size() < 4 || rest[0] != '.' || !Ziffern(rest.substr(1, 3))) return false;
    rest.remove_prefix(4);
    ++gruppen;
  }
  return gruppen >= 2 || komma != std::string_view::npos;
}

std::string Ohne_BOM(const std::string& text) {
  return text.rfind("\xEF\xBB\xBF", 0) == 0 ? text.substr(3) : text;
}

std::string CSV_Feld(const std::string& zelle) {
  const std::string t = Zelltext_aus_Feld(zelle);
  if (t.find_first_of(";\"\r\n") == std::string::npos) return t;
  std::string q = "\"";
  for (char c : t) {
    if (c == '"') q += '"';
    q += c;
  }
  return q + '"';
}

std::string Als_UTF8(const std::string& roh) {
  const std::string text = Ohne_BOM(roh);
  QStringDecoder utf8(QStringDecoder::Utf8);
  const QString s = utf8(QByteArray::fromStdString(text));
  // Older spreadsheets write their own code page; its umlauts are not valid UTF-8.
  return utf8.hasError()
             ? QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())).toStdString()
             : text;
}

void Verworfen_melden(int verworfen) {
  if (verworfen == 1)
    Dialog().Meldung("1 Zelle lag außerhalb der Tabelle und wurde nicht eingefügt.");
  else if (verworfen > 1)
    Dialog().Meldung(std::to_string(verworfen) +
                     " Zellen lagen außerhalb der Tabelle und wurden nicht eingefügt.");
}

}  // namespace

// ---- the worksheet -----------------------------------------------------------------------------

namespace {

// Side windows and slider show what the records hold.
void Nebenstaende_setzen(Anzeige& a, const TArbeitsblatt& b) {
  Abbildungsfenster = b.Abbildungen;
  Baumeinstellungen = b.Baum;
  a.Eintrag_zeigen("ScrollBar1", Werkbank.Schieberposition);
}

}  // namespace

TArbeitsblatt Arbeitsblatt_erfassen() {
  return Blatt_als_Arbeitsblatt(Blatt_erfassen());
}

bool Arbeitsblatt_anwenden(Anzeige& a, const Bedienstand& s, const TArbeitsblatt& b, int& unbekannt,
                           std::string& fehlertext) {
  QImage bild;
  if (!Pruefen(s, b, bild, fehlertext)) return false;
  a.Beschaeftigt(true);
  Standardwerte_einstellen(a);
  unbekannt = b.Unbekannt + Schalter_zeigen(a, s, b);
  unbekannt += Listen_zeigen(a, s, b, true);
  unbekannt += Texte_zeigen(a, s, b);
  Zustaende_setzen(b);
  Bedienung_auffrischen(a, s, b);
  Nebenstaende_setzen(a, b);
  Zellen_setzen(Zahlentabelle, b.Zellen);
  Bild_setzen(a, bild, b.Zeichnung);
  a.Beschaeftigt(false);
  // Terms from a file are only text: they pass the same check as typed ones.
  for (const char* f : kTermfelder)
    if (s.Vorhanden(f)) Termfeld_verlassen(a, f);
  return true;
}

bool Arbeitsblatt_schreiben(Anzeige& a, const Bedienstand& s, const std::string& pfad) {
  std::string fehler;
  // A full table takes a moment to write.
  a.Beschaeftigt(true);
  const bool ok = Datei_schreiben(pfad, Arbeitsblatt_zu_Text(Arbeitsblatt_erfassen()), fehler);
  a.Beschaeftigt(false);
  if (!ok) {
    Dialog().Meldung(fehler + "\nArbeitsblatt nicht gespeichert.");
    return false;
  }
  letzter_Pfad = pfad;
  Zuletzt_merken(pfad);
  return true;
}

bool Arbeitsblatt_speichern(Anzeige& a, const Bedienstand& s) {
  std::string pfad = Vorgabepfad();
  if (!Dialog().Speicherpfad_waehlen("Arbeitsblatt speichern", kArbeitsblatt_Filter,
                                     kArbeitsblatt_Endung, pfad) ||
      pfad.empty())
    return false;
  pfad = Mit_Endung(pfad, kArbeitsblatt_Endung);
  if (!Ersetzen_erlaubt(pfad)) return false;
  return Arbeitsblatt_schreiben(a, s, pfad);
}

const std::string& Arbeitsblatt_Pfad() {
  return letzter_Pfad;
}

void Arbeitsblatt_Pfad_vergessen() {
  letzter_Pfad.clear();
}

bool Arbeitsblatt_laden(Anzeige& a, const Bedienstand& s, const std::string& pfad) {
  std::string inhalt, fehler;
  TArbeitsblatt b;
  int unbekannt = 0;
  a.Beschaeftigt(true);
  const bool gelesen = Datei_lesen(pfad, inhalt, fehler) && Arbeitsblatt_lesen(inhalt, b, fehler);
  a.Beschaeftigt(false);
  if (!gelesen || !Arbeitsblatt_anwenden(a, s, b, unbekannt, fehler)) {
    Dialog().Meldung("Das Arbeitsblatt " + Dateiname(pfad) + " wurde nicht geöffnet.\n" + fehler);
    return false;
  }
  letzter_Pfad = pfad;
  Zuletzt_merken(pfad);
  if (unbekannt > 0)
    Dialog().Meldung("Arbeitsblatt " + Dateiname(pfad) + " geöffnet.\nHinweis: " +
                     (unbekannt == 1
                          ? std::string("1 Eintrag stammt wohl aus einer neueren "
                                        "Quadrix-Version und wurde übergangen.")
                          : std::to_string(unbekannt) + " Einträge stammen wohl aus einer neueren "
                                                        "Quadrix-Version und wurden übergangen."));
  return true;
}

bool Arbeitsblatt_oeffnen(Anzeige& a, const Bedienstand& s) {
  std::string pfad = Vorgabepfad();
  if (!Dialog().Oeffnungspfad_waehlen("Arbeitsblatt öffnen", kArbeitsblatt_Filter, pfad) ||
      pfad.empty())
    return false;
  return Arbeitsblatt_laden(a, s, pfad);
}

// ---- spreadsheets ------------------------------------------------------------------------------

std::vector<std::vector<std::string>> Tabellentext_zerlegen(const std::string& roh) {
  const std::string text = Ohne_BOM(roh);
  const char sep = text.find('\t') != std::string::npos  ? '\t'
                   : text.find(';') != std::string::npos ? ';'
                                                         : '\0';
  std::vector<std::vector<std::string>> zeilen(1, std::vector<std::string>(1));
  bool in_Anfuehrung = false, feldanfang = true;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    std::string& feld = zeilen.back().back();
    if (in_Anfuehrung) {
      if (c != '"')
        feld += c;
      else if (i + 1 < text.size() && text[i + 1] == '"')
        feld += text[++i];
      else
        in_Anfuehrung = false;
      continue;
    }
    if (c == '"' && feldanfang) {
      in_Anfuehrung = true;
      feldanfang = false;
    } else if (sep && c == sep) {
      zeilen.back().emplace_back();
      feldanfang = true;
    } else if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      zeilen.emplace_back(1);
      feldanfang = true;
    } else {
      feld += c;
      feldanfang = false;
    }
  }
  if (zeilen.back().size() == 1 && zeilen.back()[0].empty() && !in_Anfuehrung) zeilen.pop_back();
  return zeilen;
}

std::string Zelltext_aus_Feld(const std::string& feld) {
  const std::size_t a = feld.find_first_not_of(" \t");
  if (a == std::string::npos) return "";
  std::string t = feld.substr(a, feld.find_last_not_of(" \t") - a + 1);
  if (Deutsch_gruppiert(t))
    std::erase(t, '.');
  else if (t.find(',') == std::string::npos && Dezimalzahl(t, '.'))
    std::replace(t.begin(), t.end(), '.', ',');
  return t;
}

int Tabellentext_einfuegen(Tabelle& t, int spalte, int zeile, const std::string& text) {
  spalte = std::max(spalte, 1);
  zeile = std::max(zeile, 1);
  Eingabe_uebernehmen(t);
  Tabelle::Sammler sammler(t);
  int verworfen = 0;
  const auto zeilen = Tabellentext_zerlegen(text);
  for (std::size_t r = 0; r < zeilen.size(); ++r)
    for (std::size_t c = 0; c < zeilen[r].size(); ++c) {
      const long long s = spalte + static_cast<long long>(c);
      const long long z = zeile + static_cast<long long>(r);
      if (s > Letzte_Spalte || z > Letzte_Zeile)
        ++verworfen;
      else
        t.Zelle_setzen(static_cast<int>(s), static_cast<int>(z), Zelltext_aus_Feld(zeilen[r][c]));
    }
  return verworfen;
}

void Tabelle_einfuegen(Tabelle& t) {
  const std::string text = Ablage().Text_holen();
  if (text.empty()) return;
  Verworfen_melden(Tabellentext_einfuegen(t, t.Spalte(), t.Zeile(), text));
}

std::string Tabelle_zu_CSV(const Tabelle& t) {
  Eingabe_uebernehmen(t);
  int letzte_z = 0, letzte_s = 0;
  for (int r = 1; r <= Letzte_Zeile; ++r)
    for (int c = 1; c <= Letzte_Spalte; ++c)
      if (!t.Zelle(c, r).empty()) {
        letzte_z = r;
        letzte_s = std::max(letzte_s, c);
      }
  std::string csv = "\xEF\xBB\xBF";
  for (int r = 1; r <= letzte_z; ++r) {
    for (int c = 1; c <= letzte_s; ++c) {
      if (c > 1) csv += ';';
      csv += CSV_Feld(t.Zelle(c, r));
    }
    csv += "\r\n";
  }
  return csv;
}

void Tabelle_als_CSV_speichern(const Tabelle& t) {
  std::string pfad;
  if (!Dialog().Speicherpfad_waehlen("Tabelle als CSV speichern", "CSV-Dateien (*.csv)", "csv",
                                     pfad) ||
      pfad.empty())
    return;
  pfad = Mit_Endung(pfad, "csv");
  if (!Ersetzen_erlaubt(pfad)) return;
  std::string fehler;
  if (!Datei_schreiben(pfad, Tabelle_zu_CSV(t), fehler))
    Dialog().Meldung(fehler + "\nTabelle nicht gespeichert.");
}

bool CSV_in_Tabelle_oeffnen(Tabelle& t) {
  std::string pfad, inhalt, fehler;
  if (!Dialog().Oeffnungspfad_waehlen("CSV-Datei in die Tabelle laden", "CSV-Dateien (*.csv)",
                                      pfad) ||
      pfad.empty())
    return false;
  if (!Datei_lesen(pfad, inhalt, fehler)) {
    Dialog().Meldung(fehler);
    return false;
  }
  Tabelle_leeren(t);
  Verworfen_melden(Tabellentext_einfuegen(t, 1, 1, Als_UTF8(inhalt)));
  return true;
}

// ---- command line ------------------------------------------------------------------------------

namespace {

// Reads a worksheet file for the command line and rebuilds its picture with the drawing record.
bool Blatt_mit_Bild_lesen(const std::string& qdx, TArbeitsblatt& b, TBild& tbild,
                          std::string& fehlertext) {
  std::string inhalt;
  if (!Datei_lesen(qdx, inhalt, fehlertext) || !Arbeitsblatt_lesen(inhalt, b, fehlertext))
    return false;
  const QImage bild = QImage::fromData(QByteArray::fromStdString(b.Png), "PNG");
  if (b.Png.empty() || bild.isNull()) {
    fehlertext = "Das Arbeitsblatt " + Dateiname(qdx) + " enthält kein lesbares Bild.";
    return false;
  }
  tbild = TBild(bild.width(), bild.height());
  Blattbild_herstellen(tbild, bild, b.Zeichnung);
  return true;
}

}  // namespace

bool Arbeitsblatt_Bild_schreiben(const std::string& qdx, const std::string& ziel,
                                 std::string& fehlertext) {
  TArbeitsblatt b;
  TBild tbild(1, 1);
  if (!Blatt_mit_Bild_lesen(qdx, b, tbild, fehlertext)) return false;
  return Bild_speichern_nach_Endung(tbild, ziel, fehlertext);
}

bool Arbeitsblatt_Seiten_schreiben(const std::string& qdx, const std::string& ziel,
                                   const std::string& datum, std::string& fehlertext) {
  if (QFileInfo(QString::fromStdString(ziel)).suffix().toLower() != QLatin1String("pdf")) {
    fehlertext = "Die Seiten werden als PDF geschrieben; der Dateiname " + Dateiname(ziel) +
                 " muss auf .pdf enden.";
    return false;
  }
  TArbeitsblatt b;
  TBild tbild(1, 1);
  if (!Blatt_mit_Bild_lesen(qdx, b, tbild, fehlertext)) return false;
  Tabelle zahlen;
  Zellen_setzen(zahlen, b.Zellen);
  QByteArray daten;
  {
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&puffer);
    pdf.setCreator(QStringLiteral("Quadrix"));
    pdf.setTitle(QString::fromStdString(Dateiname(qdx)));
    pdf.setResolution(1200);
    pdf.setPageLayout(Druckseitenlage());
    if (!Druckseiten_malen(Druckauftrag_erstellen(tbild, b.Werkbank, &zahlen, datum), pdf,
                           fehlertext))
      return false;
  }
  return Datei_schreiben(ziel, daten.toStdString(), fehlertext);
}
