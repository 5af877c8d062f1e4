#include "workbench/Blatt.h"

#include <QBuffer>
#include <QImage>
#include <algorithm>

#include "engine/KOS.h"
#include "kos/UBlattbild.h"
#include "kos/UZeichenprotokoll.h"
#include "kos/U_Ansicht.h"
#include "kos/U_KOS.h"
#include "platform/Dialoge.h"
#include "table/UStringGrid.h"
#include "workbench/Eingaben.h"

namespace {

using Texte = std::map<std::string, std::string, std::less<>>;

template <class M>
bool Fehlt(const M& m, const std::string& name) {
  return m.find(name) == m.end();
}

// Controls that had an entry until now and have none in the sheet shown get their start state.
void Startzustaende_zeigen(Anzeige& a, const TBedienung& vorher, const Texte& texte_vorher) {
  const TBedienung& b = Bedienung;
  for (const auto& [n, t] : texte_vorher)
    if (Fehlt(Werkbank.Feldtexte, n)) a.Startzustand_anzeigen(n.c_str());
  for (const auto& [n, h] : vorher.Hinweise)
    if (Fehlt(b.Hinweise, n)) a.Startzustand_anzeigen(n.c_str());
  for (const auto& [n, f] : vorher.Freigaben)
    if (Fehlt(b.Freigaben, n)) a.Startzustand_anzeigen(n.c_str());
}

std::string Png_aus(const QImage& bild) {
  QByteArray daten;
  QBuffer puffer(&daten);
  puffer.open(QIODevice::WriteOnly);
  bild.save(&puffer, "PNG");
  return daten.toStdString();
}

void Zellen_in(const Tabelle& t, TArbeitsblatt& a) {
  for (int r = 0; r <= Letzte_Zeile; ++r)
    for (int c = 1; c <= Letzte_Spalte; ++c)
      if (!t.Zelle(c, r).empty()) a.Zellen.push_back({c, r, t.Zelle(c, r)});
}

void Bild_in(const TBlattbild& p, TArbeitsblatt& a) {
  TBild entpackt(0, 0);
  if (p.Paket) p.Paket->Entpacken(entpackt);
  const TBild& bild = p.Paket ? entpackt : p.Bild;
  if (bild.Bild().isNull()) return;
  a.Bildbreite = bild.Breite();
  a.Bildhoehe = bild.Hoehe();
  a.Png = Png_aus(bild.Bild());
  a.Zeichnung = Protokoll_als_Text(bild.Protokoll_abgeschlossen());
}

// The switches and lists a worksheet names: those with a start value.
void Bedienung_in(const TBedienung& b, TArbeitsblatt& a) {
  for (const auto& [n, an] : b.Haken)
    if (const TStartwert* w = Startwert(n); w && w->an >= 0) a.Schalter[n] = an;
  for (const auto& [n, e] : b.Eintraege)
    if (const TStartwert* w = Startwert(n); w && w->eintrag >= 0) a.Listen[n] = e;
}

template <class T>
void Uebernehmen(const TBlatt& b, T& ziel) {
  if (const T* t = b.Teil<T>()) ziel = *t;
}

}  // namespace

TBlatt Blatt_erfassen(const TBlatt* vorher) {
  // An input still open in the table is part of what the user sees.
  Eingabe_uebernehmen(Zahlentabelle);
  return Blatt_Speicher().Abbild(vorher);
}

void Blatt_zeigen(Anzeige& a, const TBedienung& vorher, const Texte& texte_vorher) {
  Startzustaende_zeigen(a, vorher, texte_vorher);
  for (const auto& [n, t] : Werkbank.Feldtexte)
    a.Text_anzeigen(n.c_str(), t);
  for (const auto& [n, an] : Bedienung.Haken)
    a.Haken_anzeigen(n.c_str(), an);
  for (const auto& [n, e] : Bedienung.Eintraege)
    a.Eintrag_anzeigen(n.c_str(), e);
  for (const auto& [n, an] : Bedienung.Freigaben)
    a.Freigabe_anzeigen(n.c_str(), an);
  for (const auto& [n, h] : Bedienung.Hinweise)
    a.Hinweis_anzeigen(n.c_str(), h);
  a.Eintrag_anzeigen("ScrollBar1", Werkbank.Schieberposition);
  a.Farbe_zeigen("Panel_Farbe_Punkte", Stil.Punktfarbe);
  a.Farbe_zeigen("Panel_Farbe_Raster", KOS.Rasterfarbe);
  a.Farbe_zeigen("Panel_Linienfarbe_definieren", Stil.Linienfarbe);
  a.Farbe_zeigen("Panel_Fuellfarbe_definieren", Stil.Fuellfarbe);
  a.Schrift_zeigen("Edit_Text_in_Grafik", Werkbank.Textschrift);
  for (const char* n : {"ComboBox_Linienart", "ComboBox_Punkteart", "ComboBox_Flaechenfuellung"})
    a.Neu_malen(n);
  Kurvenmuster_zeigen(a);
}

void Blatt_anwenden(Anzeige& a, const TBlatt& b) {
  a.Beschaeftigt(true);
  const TBedienung vorher = Bedienung;
  const Texte texte = Werkbank.Feldtexte;
  Blatt_Speicher().Zurueckschreiben(b);
  Blatt_zeigen(a, vorher, texte);
  a.Beschaeftigt(false);
}

void Blatt_zuruecksetzen() {
  Blatt_Speicher().Zuruecksetzen();
}

bool Blatt_gleich(const TBlatt& a, const TBlatt& b) {
  return a.Gleich(b);
}

TArbeitsblatt Blatt_als_Arbeitsblatt(const TBlatt& b) {
  TArbeitsblatt a;
  Uebernehmen(b, a.Werkbank);
  Uebernehmen(b, a.Kos);
  Uebernehmen(b, a.Stil);
  Uebernehmen(b, a.Zahlformat);
  Uebernehmen(b, a.Abbildungen);
  Uebernehmen(b, a.Baum);
  if (const auto* z = b.Teil<TZoomzustand>()) {
    a.Zoomstufe_x = z->Zoomstufe_x;
    a.Zoomstufe_y = z->Zoomstufe_y;
  }
  if (const auto* bed = b.Teil<TBedienung>()) Bedienung_in(*bed, a);
  if (const auto* t = b.Teil<Tabelle>()) Zellen_in(*t, a);
  if (const auto* p = b.Teil<TBlattbild>()) Bild_in(*p, a);
  return a;
}

std::size_t Blaetter_Bytes(const std::vector<const TBlatt*>& blaetter) {
  std::vector<const TBlattabbild*> abbilder(blaetter.begin(), blaetter.end());
  std::vector<const Tabelle*> tabellen;
  for (const TBlatt* b : blaetter)
    if (const Tabelle* t = b->Teil<Tabelle>()) tabellen.push_back(t);
  return Blattabbilder_Speicher(abbilder) + Tabellen_Speicher(tabellen);
}

// ---- history -----------------------------------------------------------------------------------

void TVerlauf::Beginnen(TBlatt jetzt) {
  jetzt_ = std::move(jetzt);
  vorher_.clear();
  nachher_.clear();
  letzte_quelle_.clear();
}

bool TVerlauf::Merken(TBlatt neu, const std::string& quelle, bool zusammenfassen) {
  if (Blatt_gleich(neu, jetzt_)) return false;
  const bool ersetzen = zusammenfassen && !vorher_.empty() && quelle == letzte_quelle_;
  if (!ersetzen) vorher_.push_back(std::move(jetzt_));
  jetzt_ = std::move(neu);
  nachher_.clear();
  letzte_quelle_ = zusammenfassen ? quelle : "";
  if (vorher_.size() > kSchritte) vorher_.erase(vorher_.begin());
  Aeltere_packen();
  return true;
}

// The image that just left the newest few is packed, part by part, in every image that holds
// the part; parts a newer image or the sheet now still shares stay as they are until then.
void TVerlauf::Aeltere_packen() {
  if (vorher_.size() <= kUngepackt) return;
  const TBlatt& alt = vorher_[vorher_.size() - 1 - kUngepackt];
  std::vector<const TBlatt*> neuere{&jetzt_};
  for (std::size_t i = vorher_.size() - kUngepackt; i < vorher_.size(); ++i)
    neuere.push_back(&vorher_[i]);
  for (const TBlattteil* teil : alt.Teile()) {
    if (!teil || !teil->Packbar() || teil->Gepackt()) continue;
    const bool geteilt = std::any_of(neuere.begin(), neuere.end(), [&](const TBlatt* b) {
      const auto t = b->Teile();
      return std::find(t.begin(), t.end(), teil) != t.end();
    });
    if (geteilt) continue;
    std::shared_ptr<TBlattteil> gepackt = teil->Kopie();
    gepackt->Packen();
    for (TBlatt& b : vorher_)
      b.Ersetzen(teil, gepackt);
    for (TBlatt& b : nachher_)
      b.Ersetzen(teil, gepackt);
  }
}

const TBlatt* TVerlauf::Rueckgaengig() {
  if (vorher_.empty()) return nullptr;
  nachher_.push_back(std::move(jetzt_));
  jetzt_ = std::move(vorher_.back());
  vorher_.pop_back();
  letzte_quelle_.clear();
  return &jetzt_;
}

const TBlatt* TVerlauf::Wiederholen() {
  if (nachher_.empty()) return nullptr;
  vorher_.push_back(std::move(jetzt_));
  jetzt_ = std::move(nachher_.back());
  nachher_.pop_back();
  letzte_quelle_.clear();
  return &jetzt_;
}

std::vector<const TBlatt*> TVerlauf::Alle() const {
  std::vector<const TBlatt*> alle{&jetzt_};
  for (const TBlatt& b : vorher_)
    alle.push_back(&b);
  for (const TBlatt& b : nachher_)
    alle.push_back(&b);
  return alle;
}

// ---- giving a sheet up -------------------------------------------------------------------------

bool Aenderungen_sichern(bool geaendert, const std::function<bool()>& speichern) {
  if (!geaendert) return true;
  switch (Dialog().Frage_mit_Abbruch("Änderungen speichern?")) {
    case 1:
      return speichern();
    case 0:
      return true;
    default:
      return false;
  }
}
