#include "workbench/Arbeitsblatt.h"

#include "kos/UZeichenprotokoll.h"

#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <span>
#include <variant>

#include "table/UStringGrid.h"

namespace {

// ---- value tables ------------------------------------------------------------------------------

// Numbers beyond this are no view, interval or parameter anyone works with, and they would
// overflow the arithmetic of the tools.
constexpr long double kZahl_max = 1e300L;
constexpr int kText_max = 10000;
constexpr long double kFarbe_max = 0xFFFFFF;

template <class R>
struct TWert {
  const char* name;
  std::variant<long double R::*, int R::*, bool R::*, TFarbe R::*, std::string R::*,
               TStiftstil R::*>
      feld;
  long double min = 0, max = 0;
};

template <class R>
constexpr TWert<R> Zahl(const char* n, long double R::*f) {
  return {n, f, -kZahl_max, kZahl_max};
}
template <class R>
constexpr TWert<R> Ganz(const char* n, int R::*f, long double min, long double max) {
  return {n, f, min, max};
}
template <class R>
constexpr TWert<R> Wahr(const char* n, bool R::*f) {
  return {n, f, 0, 1};
}
template <class R>
constexpr TWert<R> Farbe(const char* n, TFarbe R::*f) {
  return {n, f, 0, kFarbe_max};
}
template <class R>
constexpr TWert<R> Text(const char* n, std::string R::*f) {
  return {n, f, 0, kText_max};
}
template <class R>
constexpr TWert<R> Stift(const char* n, TStiftstil R::*f) {
  return {n, f, 0, 2};
}

using W = Werkbank_Zustand;
const TWert<W> kWerkbank[] = {
    Zahl("xaSchar", &W::xaSchar),
    Zahl("xeSchar", &W::xeSchar),
    Zahl("xaSchar_g", &W::xaSchar_g),
    Zahl("xeSchar_g", &W::xeSchar_g),
    Zahl("xaSchar_h", &W::xaSchar_h),
    Zahl("xeSchar_h", &W::xeSchar_h),
    Zahl("aStart", &W::aStart),
    Zahl("bEnde", &W::bEnde),
    Zahl("delta_x", &W::delta_x),
    Zahl("u", &W::u),
    Zahl("Schar_t1", &W::Schar_t1),
    Zahl("Schar_t2", &W::Schar_t2),
    Zahl("delta_t", &W::delta_t),
    Zahl("Param_k1", &W::Param_k1),
    Zahl("Param_k2", &W::Param_k2),
    Zahl("delta_Phi", &W::delta_Phi),
    Zahl("x_n0", &W::x_n0),
    Zahl("y_n1", &W::y_n1),
    Zahl("skalar_r", &W::skalar_r),
    Ganz("n_Start", &W::n_Start, -1e9, 1e9),
    Ganz("Iterationstiefe", &W::Iterationstiefe, 2, 1499),
    Ganz("Mat_n", &W::Mat_n, 2, 1500),
    Ganz("Punktspalte", &W::Punktspalte, 1, 43),
    Ganz("Matrixoperation", &W::Matrixoperation, 0, 99),
    Ganz("Regressionsmodell", &W::Regressionsmodell, 0, 99),
    Ganz("Integrationsmethode", &W::Integrationsmethode, 0, 4),
    Ganz("Diagrammtyp", &W::Diagrammtyp, 0, 99),
    Ganz("Plotnummer", &W::Plotnummer, 1, 100),
    Ganz("Text_Pinselstil", &W::Text_Pinselstil, 0, 7),
    Ganz("Schieberposition", &W::Schieberposition, 0, 100),
    Ganz("Textfeld_Breite", &W::Textfeld_Breite, 1, 1314),
    Ganz("Textfeld_Hoehe", &W::Textfeld_Hoehe, 1, 712),
    Wahr("Romberg_Tabelle", &W::Romberg_Tabelle),
    Wahr("zwei_Regressionsgeraden", &W::zwei_Regressionsgeraden),
    Wahr("Newton_tabellieren", &W::Newton_tabellieren),
    Wahr("Polardarstellung", &W::Polardarstellung),
    Wahr("Folge", &W::Folge),
    Wahr("rekursiv", &W::rekursiv),
    Wahr("rekursivxy", &W::rekursivxy),
    Wahr("CobWeb", &W::CobWeb),
    Wahr("nur_g_zeichnen", &W::nur_g_zeichnen),
    Wahr("alle_t_verwenden", &W::alle_t_verwenden),
    Wahr("Punkte", &W::Punkte),
    Wahr("Integralfunktion_tabellieren", &W::Integralfunktion_tabellieren),
    Wahr("Grobschraffur", &W::Grobschraffur),
    Wahr("Textmodus", &W::Textmodus),
    Wahr("Zoommodus", &W::Zoommodus),
    Wahr("loeschen", &W::loeschen),
    Wahr("Achsen_automatisch_beschriften", &W::Achsen_automatisch_beschriften),
    Text("Aktueller_Term", &W::Aktueller_Term),
    Text("Grafiktext", &W::Grafiktext),
};

const TWert<TKOS> kKos[] = {
    Zahl("xli", &TKOS::xli),
    Zahl("xre", &TKOS::xre),
    Zahl("yu", &TKOS::yu),
    Zahl("yo", &TKOS::yo),
    Zahl("xscl", &TKOS::xscl),
    Zahl("yscl", &TKOS::yscl),
    Ganz("Bildbreite_cm", &TKOS::Bildbreite_cm, 3, 16),
    Ganz("Bildtiefe_cm", &TKOS::Bildtiefe_cm, 3, 16),
    Wahr("xAchse_zeigen", &TKOS::xAchse_zeigen),
    Wahr("yAchse_zeigen", &TKOS::yAchse_zeigen),
    Wahr("Skala_zeigen", &TKOS::Skala_zeigen),
    Wahr("Zahlen_zeigen", &TKOS::Zahlen_zeigen),
    Ganz("Achsenbreite", &TKOS::Achsenbreite, 1, 10),
    Ganz("Strichbreite", &TKOS::Strichbreite, 1, 10),
    Ganz("Pfeillaenge", &TKOS::Pfeillaenge, 0, 100),
    Ganz("Pfeilbreite", &TKOS::Pfeilbreite, 0, 100),
    Ganz("Zahlenhoehe", &TKOS::Zahlenhoehe, 1, 72),
    Wahr("Zahlen_fett", &TKOS::Zahlen_fett),
    Text("xBeschriftung", &TKOS::xBeschriftung),
    Text("yBeschriftung", &TKOS::yBeschriftung),
    {"Beschriftung_Schrift", &TKOS::Beschriftung_Schrift, 0, 100},
    Ganz("Beschriftung_Groesse", &TKOS::Beschriftung_Groesse, 1, 72),
    Wahr("Beschriftung_fett", &TKOS::Beschriftung_fett),
    Wahr("Raster_an", &TKOS::Raster_an),
    Ganz("Rasterteilung", &TKOS::Rasterteilung, 1, 10),
    Stift("Raster_Linienstil", &TKOS::Raster_Linienstil),
    Farbe("Rasterfarbe", &TKOS::Rasterfarbe),
    Wahr("Grobraster", &TKOS::Grobraster),
};

const TWert<TStil> kStil[] = {
    Ganz("Linienart", &TStil::Linienart, 0, 5),
    Ganz("Linienbreite", &TStil::Linienbreite, 0, 10),
    Stift("Linienstil", &TStil::Linienstil),
    Farbe("Linienfarbe", &TStil::Linienfarbe),
    Ganz("Flaechenfuellung", &TStil::Flaechenfuellung, 0, 7),
    Farbe("Fuellfarbe", &TStil::Fuellfarbe),
    Ganz("Punkteart", &TStil::Punkteart, 0, 4),
    Ganz("Punktradius", &TStil::Punktradius, 0, 6),
    Farbe("Punktfarbe", &TStil::Punktfarbe),
    Wahr("Punkte_verbinden", &TStil::Punkte_verbinden),
    Farbe("Verbindungsfarbe", &TStil::Verbindungsfarbe),
    Ganz("Verbindungsart", &TStil::Verbindungsart, 0, 5),
};

const TWert<TZahlformat> kZahlformat[] = {
    Ganz("Nachkommastellen", &TZahlformat::Nachkommastellen, 0, 17),
    Ganz("Gesamtstellen", &TZahlformat::Gesamtstellen, 8, 20),
    Wahr("Fixkomma", &TZahlformat::Fixkomma),
    Wahr("Bruchdarstellung", &TZahlformat::Bruchdarstellung),
};

const TWert<TSchrift> kSchrift[] = {
    {"Name", &TSchrift::Name, 0, 100},
    Ganz("Groesse", &TSchrift::Groesse, 1, 200),
    Wahr("fett", &TSchrift::fett),
    Wahr("kursiv", &TSchrift::kursiv),
    Wahr("unterstrichen", &TSchrift::unterstrichen),
    Wahr("durchgestrichen", &TSchrift::durchgestrichen),
    Farbe("Farbe", &TSchrift::Farbe),
};

const TWert<Kurvenstil> kKurvenstil[] = {
    Farbe("Farbe", &Kurvenstil::Farbe),
    Ganz("Linienart", &Kurvenstil::Linienart, 0, 5),
};

const TWert<Baum_Zustand> kBaum[] = {
    Ganz("Stufen", &Baum_Zustand::Stufen, kStufen_ab, kStufen_bis),
    Ganz("Zaehler", &Baum_Zustand::Zaehler, 1, kWsk_Listenlaenge),
    Ganz("Nenner", &Baum_Zustand::Nenner, 1, kWsk_Listenlaenge),
    Text("Erfolg", &Baum_Zustand::Erfolg),
    Text("Misserfolg", &Baum_Zustand::Misserfolg),
    Wahr("mit_Farbe", &Baum_Zustand::mit_Farbe),
    Wahr("Text_an_Aeste", &Baum_Zustand::Text_an_Aeste),
    Wahr("Wsk_an_Aeste", &Baum_Zustand::Wsk_an_Aeste),
    Wahr("Pfadwahrsch_ausgeben", &Baum_Zustand::Pfadwahrsch_ausgeben),
};

using AP = TAbbildungsparameter;
const TWert<AP> kAbbildungsparameter[] = {
    Zahl("alpha", &AP::alpha), Zahl("k", &AP::k),     Zahl("f", &AP::f),
    Text("Achse", &AP::Achse), Zahl("m11", &AP::m11), Zahl("m12", &AP::m12),
    Zahl("m21", &AP::m21),     Zahl("m22", &AP::m22),
};
constexpr std::pair<const char*, TPunkt AP::*> kAbbildungspunkte[] = {
    {"T", &AP::T}, {"Q", &AP::Q}, {"M", &AP::M}, {"R", &AP::R}, {"S", &AP::S}, {"Z", &AP::Z},
};

using AF = TAbbildungsfenster;
const TWert<AF> kAbbildungsfenster[] = {
    Wahr("Hilfslinien", &AF::Hilfslinien),
    Wahr("Abbildungsparameter", &AF::Abbildungsparameter),
    Farbe("Bildfarbe", &AF::Bildfarbe),
};
constexpr int kAbbildungsarten = static_cast<int>(TAbbildungsart::Matrix) + 1;

// ---- writing -----------------------------------------------------------------------------------

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

// Long doubles keep all their bits as the shortest text that reads back to the same value;
// JSON numbers would pass through double.
QString Zahltext(long double x) {
  char puffer[64];
  const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, x);
  return fehler == std::errc{} ? QString::fromLatin1(puffer, ende - puffer) : QStringLiteral("0");
}

template <class R>
QJsonObject Schreiben(const R& r, std::span<const TWert<R>> werte) {
  QJsonObject o;
  for (const TWert<R>& w : werte) {
    const QString n = QString::fromLatin1(w.name);
    std::visit(
        [&](auto feld) {
          using T = std::remove_cvref_t<decltype(r.*feld)>;
          if constexpr (std::is_same_v<T, long double>)
            o[n] = Zahltext(r.*feld);
          else if constexpr (std::is_same_v<T, std::string>)
            o[n] = Q(r.*feld);
          else if constexpr (std::is_same_v<T, bool>)
            o[n] = r.*feld;
          else
            o[n] = static_cast<double>(r.*feld);
        },
        w.feld);
  }
  return o;
}

QJsonObject Kurven_schreiben(const Werkbank_Zustand& w) {
  QJsonArray an, stile;
  for (int k = 0; k < Kurven_Anzahl; ++k) {
    an.append(w.Kurve_zeichnen[k]);
    stile.append(Schreiben<Kurvenstil>(w.Kurvenstile[k], kKurvenstil));
  }
  return QJsonObject{{"an", an}, {"stile", stile}};
}

QJsonObject Werkbank_schreiben(const Werkbank_Zustand& w) {
  QJsonObject o = Schreiben<W>(w, kWerkbank);
  o["Textschrift"] = Schreiben<TSchrift>(w.Textschrift, kSchrift);
  o["Kurven"] = Kurven_schreiben(w);
  return o;
}

QJsonObject Texte_schreiben(const std::map<std::string, std::string, std::less<>>& texte) {
  QJsonObject o;
  for (const auto& [n, t] : texte)
    o[Q(n)] = Q(t);
  return o;
}

QJsonObject Abbildungen_schreiben(const TAbbildungsfenster& a) {
  QJsonObject o = Schreiben<AF>(a, kAbbildungsfenster);
  o["Felder"] = Texte_schreiben(a.Feldtexte);
  QJsonObject p = Schreiben<AP>(a.Parameter, kAbbildungsparameter);
  for (const auto& [n, punkt] : kAbbildungspunkte)
    p[QLatin1String(n)] =
        QJsonArray{Zahltext((a.Parameter.*punkt).x), Zahltext((a.Parameter.*punkt).y)};
  o["Parameter"] = p;
  o["Abbildung"] = static_cast<int>(a.Abbildung);
  QJsonArray linien;
  for (bool an : a.Dreieckslinien)
    linien.append(an);
  o["Dreieckslinien"] = linien;
  return o;
}

QJsonArray Zellen_schreiben(const std::vector<TZelleintrag>& zellen) {
  QJsonArray a;
  for (const TZelleintrag& z : zellen)
    a.append(QJsonArray{z.spalte, z.zeile, Q(z.text)});
  return a;
}

// ---- reading -----------------------------------------------------------------------------------

// Collects the first fault and counts the keys nobody knows.
struct TLeser {
  std::string fehler;
  int unbekannt = 0;

  bool Fehler(const std::string& text) {
    if (fehler.empty()) fehler = text;
    return false;
  }
  bool Bereich(const QString& wo, const QString& name) {
    return Fehler("Der Wert „" + (wo + "." + name).toStdString() +
                  "“ ist ungültig oder liegt außerhalb des erlaubten Bereichs.");
  }
};

bool Zahl_lesen(const QJsonValue& v, long double& x) {
  if (!v.isString()) return false;
  const std::string s = v.toString().toStdString();
  long double w = 0;
  const auto [ende, fehler] = std::from_chars(s.data(), s.data() + s.size(), w);
  if (fehler != std::errc{} || ende != s.data() + s.size()) return false;
  if (!std::isfinite(w) || std::fabs(w) > kZahl_max) return false;
  x = w;
  return true;
}

bool Ganzzahl_lesen(const QJsonValue& v, long double min, long double max, long long& n) {
  if (!v.isDouble()) return false;
  const double d = v.toDouble();
  if (!(d >= static_cast<double>(min) && d <= static_cast<double>(max)) || d != std::floor(d))
    return false;
  n = static_cast<long long>(d);
  return true;
}

template <class R>
bool Wert_lesen(const TWert<R>& w, const QJsonValue& v, R& r) {
  return std::visit(
      [&](auto feld) -> bool {
        using T = std::remove_cvref_t<decltype(r.*feld)>;
        if constexpr (std::is_same_v<T, long double>) {
          return Zahl_lesen(v, r.*feld);
        } else if constexpr (std::is_same_v<T, std::string>) {
          if (!v.isString() || v.toString().size() > w.max) return false;
          r.*feld = v.toString().toStdString();
          return true;
        } else if constexpr (std::is_same_v<T, bool>) {
          if (!v.isBool()) return false;
          r.*feld = v.toBool();
          return true;
        } else {
          long long n = 0;
          if (!Ganzzahl_lesen(v, w.min, w.max, n)) return false;
          r.*feld = static_cast<T>(n);
          return true;
        }
      },
      w.feld);
}

// Keys of the object that are not in the table are counted, not refused: a later program may
// have added them.
template <class R>
bool Lesen(TLeser& l, const QJsonValue& v, const QString& wo, std::span<const TWert<R>> werte,
           R& r) {
  if (!v.isObject())
    return v.isUndefined() || l.Fehler("„" + wo.toStdString() + "“ ist beschädigt.");
  const QJsonObject o = v.toObject();
  for (auto it = o.begin(); it != o.end(); ++it) {
    const TWert<R>* w = nullptr;
    for (const TWert<R>& k : werte)
      if (it.key() == QLatin1String(k.name)) w = &k;
    if (!w) {
      ++l.unbekannt;
      continue;
    }
    if (!Wert_lesen(*w, it.value(), r)) return l.Bereich(wo, it.key());
  }
  return true;
}

// A control name as the windows give them: letters, digits and underscores.
bool Ist_Name(const QString& n) {
  if (n.isEmpty() || n.size() > 100) return false;
  for (QChar c : n)
    if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != u'_') return false;
  return true;
}

bool Texte_lesen(TLeser& l, const QJsonValue& v,
                 std::map<std::string, std::string, std::less<>>& texte) {
  if (v.isUndefined()) return true;
  if (!v.isObject()) return l.Fehler("„Felder“ ist beschädigt.");
  const QJsonObject o = v.toObject();
  for (auto it = o.begin(); it != o.end(); ++it) {
    if (!Ist_Name(it.key()) || !it.value().isString() || it.value().toString().size() > kText_max)
      return l.Bereich("Felder", it.key());
    texte[it.key().toStdString()] = it.value().toString().toStdString();
  }
  return true;
}

template <class T>
bool Bedienung_lesen(TLeser& l, const QJsonValue& v, const char* wo, std::map<std::string, T>& m) {
  if (v.isUndefined()) return true;
  if (!v.isObject()) return l.Fehler(std::string("„") + wo + "“ ist beschädigt.");
  const QJsonObject o = v.toObject();
  for (auto it = o.begin(); it != o.end(); ++it) {
    long long n = 0;
    bool ok = Ist_Name(it.key());
    if constexpr (std::is_same_v<T, bool>)
      ok = ok && it.value().isBool();
    else
      ok = ok && Ganzzahl_lesen(it.value(), 0, 999, n);
    if (!ok) return l.Bereich(QString::fromLatin1(wo), it.key());
    if constexpr (std::is_same_v<T, bool>)
      m[it.key().toStdString()] = it.value().toBool();
    else
      m[it.key().toStdString()] = static_cast<int>(n);
  }
  return true;
}

bool Kurven_lesen(TLeser& l, const QJsonValue& v, Werkbank_Zustand& w) {
  if (v.isUndefined()) return true;
  const QJsonArray an = v.toObject().value("an").toArray();
  const QJsonArray stile = v.toObject().value("stile").toArray();
  if (an.size() != Kurven_Anzahl || stile.size() != Kurven_Anzahl)
    return l.Fehler("Die Kurvenschalter sind beschädigt.");
  for (int k = 0; k < Kurven_Anzahl; ++k) {
    if (!an[k].isBool()) return l.Fehler("Die Kurvenschalter sind beschädigt.");
    w.Kurve_zeichnen[k] = an[k].toBool();
    if (!Lesen<Kurvenstil>(l, stile[k], "Kurven", kKurvenstil, w.Kurvenstile[k])) return false;
  }
  return true;
}

bool Werkbank_lesen(TLeser& l, const QJsonValue& v, Werkbank_Zustand& w) {
  if (!Lesen<W>(l, v, "Werkbank", kWerkbank, w)) return false;
  const QJsonObject o = v.toObject();
  // The two nested records were counted as unknown above.
  for (const char* k : {"Textschrift", "Kurven"})
    if (o.contains(QLatin1String(k))) --l.unbekannt;
  return Lesen<TSchrift>(l, o.value("Textschrift"), "Textschrift", kSchrift, w.Textschrift) &&
         Kurven_lesen(l, o.value("Kurven"), w);
}

bool Abbildungen_lesen(TLeser& l, const QJsonValue& v, TAbbildungsfenster& a) {
  if (v.isUndefined()) return true;
  const char* kaputt = "Die Einstellungen der 2D-Abbildungen sind beschädigt.";
  if (!v.isObject()) return l.Fehler(kaputt);
  const QJsonObject o = v.toObject();
  for (const char* k : {"Felder", "Parameter", "Abbildung", "Dreieckslinien"})
    if (o.contains(QLatin1String(k))) --l.unbekannt;
  if (!Lesen<AF>(l, v, "Abbildungen", kAbbildungsfenster, a) ||
      !Texte_lesen(l, o.value("Felder"), a.Feldtexte))
    return false;
  const QJsonObject p = o.value("Parameter").toObject();
  for (const auto& [n, punkt] : kAbbildungspunkte) {
    if (!p.contains(QLatin1String(n))) continue;
    --l.unbekannt;
    const QJsonArray xy = p.value(QLatin1String(n)).toArray();
    if (xy.size() != 2 || !Zahl_lesen(xy[0], (a.Parameter.*punkt).x) ||
        !Zahl_lesen(xy[1], (a.Parameter.*punkt).y))
      return l.Fehler(kaputt);
  }
  if (!Lesen<AP>(l, o.value("Parameter"), "Parameter", kAbbildungsparameter, a.Parameter))
    return false;
  long long art = 0;
  if (o.contains("Abbildung")) {
    if (!Ganzzahl_lesen(o.value("Abbildung"), 0, kAbbildungsarten - 1, art))
      return l.Fehler(kaputt);
    a.Abbildung = static_cast<TAbbildungsart>(art);
  }
  if (!o.contains("Dreieckslinien")) return true;
  const QJsonArray linien = o.value("Dreieckslinien").toArray();
  if (linien.size() != static_cast<qsizetype>(a.Dreieckslinien.size())) return l.Fehler(kaputt);
  for (std::size_t i = 0; i < a.Dreieckslinien.size(); ++i) {
    if (!linien[static_cast<qsizetype>(i)].isBool()) return l.Fehler(kaputt);
    a.Dreieckslinien[i] = linien[static_cast<qsizetype>(i)].toBool();
  }
  return true;
}

constexpr int kZellen_max = Tabelle_Spalten * Tabelle_Zeilen;

bool Zellen_lesen(TLeser& l, const QJsonValue& v, std::vector<TZelleintrag>& zellen) {
  if (v.isUndefined()) return true;
  if (!v.isArray() || v.toArray().size() > kZellen_max)
    return l.Fehler("Die Tabelle der Datei ist beschädigt oder zu groß.");
  for (const QJsonValue& e : v.toArray()) {
    const QJsonArray z = e.toArray();
    long long s = 0, r = 0;
    if (z.size() != 3 || !Ganzzahl_lesen(z[0], 1, Letzte_Spalte, s) ||
        !Ganzzahl_lesen(z[1], 0, Letzte_Zeile, r) || !z[2].isString() ||
        z[2].toString().size() > kText_max)
      return l.Fehler(
          "Eine Tabellenzelle der Datei ist ungültig oder liegt außerhalb der "
          "Tabelle (Spalten 1 bis 43, Zeilen 0 bis 1500).");
    zellen.push_back({static_cast<int>(s), static_cast<int>(r), z[2].toString().toStdString()});
  }
  return true;
}

// The drawing must describe a picture of the stored picture's size.
bool Zeichnung_lesen(TLeser& l, const QJsonValue& v, TArbeitsblatt& b) {
  if (v.isUndefined()) return true;
  TZeichenprotokoll p;
  std::string fehler;
  if (!v.isString() || !Protokoll_aus_Text(v.toString().toStdString(), p, fehler))
    return l.Fehler("Die Zeichnung der Datei ist beschädigt. " + fehler);
  if (p.Breite != b.Bildbreite || p.Hoehe != b.Bildhoehe)
    return l.Fehler("Die Zeichnung der Datei passt nicht zur Größe ihres Bildes.");
  b.Zeichnung = v.toString().toStdString();
  return true;
}

bool Bild_lesen(TLeser& l, const QJsonValue& v, TArbeitsblatt& b) {
  if (v.isUndefined()) return true;
  const QJsonObject o = v.toObject();
  const QByteArray text = o.value("png").toString().toLatin1();
  const auto png = QByteArray::fromBase64Encoding(text, QByteArray::AbortOnBase64DecodingErrors);
  int breite = 0, hoehe = 0;
  if (!png || !Png_Groesse(png.decoded.toStdString(), breite, hoehe))
    return l.Fehler("Das Bild der Datei ist beschädigt oder größer als 641 × 641 Pixel.");
  // The picture must fit the view it was drawn in.
  const int soll_b = b.Kos.Bildbreite_cm * b.Kos.Bildrand_rechts / 16 + 1;
  const int soll_h = b.Kos.Bildtiefe_cm * b.Kos.Bildrand_unten / 16 + 1;
  if (breite != soll_b || hoehe != soll_h)
    return l.Fehler("Das Bild der Datei ist " + std::to_string(breite) + " × " +
                    std::to_string(hoehe) + " Pixel groß; zur Ansicht passen " +
                    std::to_string(soll_b) + " × " + std::to_string(soll_h) + ".");
  b.Bildbreite = breite;
  b.Bildhoehe = hoehe;
  b.Png = png.decoded.toStdString();
  return Zeichnung_lesen(l, o.value("zeichnung"), b);
}

bool Kopf_lesen(TLeser& l, const QJsonObject& o) {
  if (o.value("Format").toString() != QLatin1String(kArbeitsblatt_Kennung))
    return l.Fehler("Die Datei ist kein Quadrix-Arbeitsblatt.");
  const QJsonValue v = o.value("Version");
  if (!v.isDouble() || v.toDouble() < 1 || v.toDouble() != std::floor(v.toDouble()))
    return l.Fehler("Die Datei ist kein Quadrix-Arbeitsblatt.");
  if (v.toDouble() > kArbeitsblatt_Version)
    return l.Fehler("Das Arbeitsblatt stammt aus einer neueren Quadrix-Version (Format " +
                    std::to_string(static_cast<long long>(std::min(v.toDouble(), 1e15))) +
                    ") und kann hier nicht geöffnet werden.");
  return true;
}

constexpr const char* kTeile[] = {"Format",   "Version", "Felder",      "Schalter",   "Listen",
                                  "Werkbank", "KOS",     "Stil",        "Zahlformat", "Zoom",
                                  "Tabelle",  "Bild",    "Abbildungen", "Baum"};

bool Teile_lesen(TLeser& l, const QJsonObject& o, TArbeitsblatt& b) {
  for (auto it = o.begin(); it != o.end(); ++it)
    if (std::find_if(std::begin(kTeile), std::end(kTeile), [&](const char* t) {
          return it.key() == QLatin1String(t);
        }) == std::end(kTeile))
      ++l.unbekannt;
  const QJsonObject zoom = o.value("Zoom").toObject();
  long long zx = 0, zy = 0;
  if (o.contains("Zoom") && (!Ganzzahl_lesen(zoom.value("x"), -32, 32, zx) ||
                             !Ganzzahl_lesen(zoom.value("y"), -32, 32, zy)))
    return l.Fehler("Die Zoomstufe der Datei ist ungültig.");
  b.Zoomstufe_x = static_cast<int>(zx);
  b.Zoomstufe_y = static_cast<int>(zy);
  return Texte_lesen(l, o.value("Felder"), b.Werkbank.Feldtexte) &&
         Bedienung_lesen(l, o.value("Schalter"), "Schalter", b.Schalter) &&
         Bedienung_lesen(l, o.value("Listen"), "Listen", b.Listen) &&
         Werkbank_lesen(l, o.value("Werkbank"), b.Werkbank) &&
         Lesen<TKOS>(l, o.value("KOS"), "KOS", kKos, b.Kos) &&
         Lesen<TStil>(l, o.value("Stil"), "Stil", kStil, b.Stil) &&
         Lesen<TZahlformat>(l, o.value("Zahlformat"), "Zahlformat", kZahlformat, b.Zahlformat) &&
         Abbildungen_lesen(l, o.value("Abbildungen"), b.Abbildungen) &&
         Lesen<Baum_Zustand>(l, o.value("Baum"), "Baum", kBaum, b.Baum) &&
         Zellen_lesen(l, o.value("Tabelle"), b.Zellen) && Bild_lesen(l, o.value("Bild"), b);
}

template <class R>
void Uebernehmen(R& ziel, const R& quelle, std::span<const TWert<R>> werte) {
  for (const TWert<R>& w : werte)
    std::visit([&](auto feld) { ziel.*feld = quelle.*feld; }, w.feld);
}

}  // namespace

void Zustaende_uebernehmen(const TArbeitsblatt& b, Werkbank_Zustand& werkbank, TKOS& kos,
                           TStil& stil, TZahlformat& zahlformat) {
  Uebernehmen<W>(werkbank, b.Werkbank, kWerkbank);
  werkbank.Textschrift = b.Werkbank.Textschrift;
  werkbank.Kurve_zeichnen = b.Werkbank.Kurve_zeichnen;
  werkbank.Kurvenstile = b.Werkbank.Kurvenstile;
  Uebernehmen<TKOS>(kos, b.Kos, kKos);
  Uebernehmen<TStil>(stil, b.Stil, kStil);
  Uebernehmen<TZahlformat>(zahlformat, b.Zahlformat, kZahlformat);
}

std::string Arbeitsblatt_zu_Text(const TArbeitsblatt& b) {
  QJsonObject o;
  o["Felder"] = Texte_schreiben(b.Werkbank.Feldtexte);
  QJsonObject schalter, listen;
  for (const auto& [n, an] : b.Schalter)
    schalter[Q(n)] = an;
  for (const auto& [n, e] : b.Listen)
    listen[Q(n)] = e;
  o["Schalter"] = schalter;
  o["Listen"] = listen;
  o["Werkbank"] = Werkbank_schreiben(b.Werkbank);
  o["KOS"] = Schreiben<TKOS>(b.Kos, kKos);
  o["Stil"] = Schreiben<TStil>(b.Stil, kStil);
  o["Zahlformat"] = Schreiben<TZahlformat>(b.Zahlformat, kZahlformat);
  o["Zoom"] = QJsonObject{{"x", b.Zoomstufe_x}, {"y", b.Zoomstufe_y}};
  o["Abbildungen"] = Abbildungen_schreiben(b.Abbildungen);
  o["Baum"] = Schreiben<Baum_Zustand>(b.Baum, kBaum);
  o["Tabelle"] = Zellen_schreiben(b.Zellen);
  if (!b.Png.empty()) {
    QJsonObject bild{{"png", QString::fromLatin1(QByteArray::fromStdString(b.Png).toBase64())}};
    if (!b.Zeichnung.empty()) bild["zeichnung"] = QString::fromStdString(b.Zeichnung);
    o["Bild"] = bild;
  }
  // JSON keeps members in name order; the format's name and number go first by hand, so that the
  // desktop recognises a worksheet by the start of the file.
  std::string text = QJsonDocument(o).toJson(QJsonDocument::Indented).toStdString();
  const std::string kopf = std::string("{\n    \"Format\": \"") + kArbeitsblatt_Kennung +
                           "\",\n    \"Version\": " + std::to_string(kArbeitsblatt_Version) + ",\n";
  return kopf + text.substr(2);
}

bool Arbeitsblatt_lesen(const std::string& text, TArbeitsblatt& blatt, std::string& fehlertext) {
  QJsonParseError fehler{};
  const QJsonDocument d = QJsonDocument::fromJson(QByteArray::fromStdString(text), &fehler);
  if (fehler.error != QJsonParseError::NoError || !d.isObject()) {
    // A worksheet is one JSON object; a broken one still starts like it.
    const std::size_t anfang = text.find_first_not_of(" \t\r\n");
    fehlertext = anfang != std::string::npos && text[anfang] == '{'
                     ? "Das Arbeitsblatt ist beschädigt oder unvollständig."
                     : "Die Datei ist kein Quadrix-Arbeitsblatt.";
    return false;
  }
  TLeser l;
  TArbeitsblatt b;
  if (!Kopf_lesen(l, d.object()) || !Teile_lesen(l, d.object(), b)) {
    fehlertext = l.fehler;
    return false;
  }
  b.Unbekannt = l.unbekannt;
  blatt = std::move(b);
  return true;
}

bool Png_Groesse(const std::string& png, int& breite, int& hoehe) {
  static constexpr unsigned char kKopf[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (png.size() < 24 || png.compare(0, 8, reinterpret_cast<const char*>(kKopf), 8) != 0 ||
      png.compare(12, 4, "IHDR") != 0)
    return false;
  auto wort = [&](std::size_t i) {
    std::uint32_t w = 0;
    for (std::size_t k = 0; k < 4; ++k)
      w = (w << 8) | static_cast<unsigned char>(png[i + k]);
    return w;
  };
  const std::uint32_t b = wort(16), h = wort(20);
  if (b < 1 || h < 1 || b > kBild_max || h > kBild_max) return false;
  breite = static_cast<int>(b);
  hoehe = static_cast<int>(h);
  return true;
}

bool Datei_lesen(const std::string& pfad, std::string& inhalt, std::string& fehlertext) {
  QFile f(Q(pfad));
  if (!f.open(QIODevice::ReadOnly)) {
    fehlertext = "Die Datei " + pfad + " kann nicht gelesen werden.";
    return false;
  }
  if (f.size() > kArbeitsblatt_max_Bytes) {
    fehlertext = "Die Datei " + pfad + " ist zu groß für ein Arbeitsblatt.";
    return false;
  }
  const QByteArray daten = f.read(kArbeitsblatt_max_Bytes + 1);
  if (daten.size() > kArbeitsblatt_max_Bytes) {
    fehlertext = "Die Datei " + pfad + " ist zu groß für ein Arbeitsblatt.";
    return false;
  }
  inhalt = daten.toStdString();
  return true;
}

bool Datei_schreiben(const std::string& pfad, const std::string& inhalt, std::string& fehlertext) {
  QSaveFile f(Q(pfad));
  if (!f.open(QIODevice::WriteOnly) ||
      f.write(inhalt.data(), static_cast<qint64>(inhalt.size())) !=
          static_cast<qint64>(inhalt.size()) ||
      !f.commit()) {
    f.cancelWriting();
    fehlertext = "Die Datei " + pfad + " konnte nicht geschrieben werden.";
    return false;
  }
  return true;
}
