#include "workbench/Blatt.h"

#include <set>

#include "platform/Dialoge.h"

namespace {

bool Punkte_gleich(const std::vector<TPunkt>& a, const std::vector<TPunkt>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i].x != b[i].x || a[i].y != b[i].y) return false;
  return true;
}

bool Bloecke_gleich(const TBlatt& a, const TBlatt& b) {
  if (a.Bloecke.size() != b.Bloecke.size()) return false;
  for (std::size_t i = 0; i < a.Bloecke.size(); ++i)
    if (a.Bloecke[i] != b.Bloecke[i] && *a.Bloecke[i] != *b.Bloecke[i]) return false;
  return true;
}

bool Bilder_gleich(const TBlatt& a, const TBlatt& b) {
  if (a.Bild == b.Bild) return true;
  if (!a.Bild || !b.Bild) return false;
  return a.Bild->Bild() == b.Bild->Bild();
}

std::size_t Textbytes(const std::string& s) {
  // Short texts live inside the string object.
  return s.capacity() > 15 ? s.capacity() + 1 : 0;
}

}  // namespace

bool Blatt_gleich(const TBlatt& a, const TBlatt& b) {
  return a.Satztext == b.Satztext && Punkte_gleich(a.Punkte, b.Punkte) && Bloecke_gleich(a, b) &&
         Bilder_gleich(a, b);
}

std::vector<TZelleintrag> Blatt_Zellen(const TBlatt& b) {
  std::vector<TZelleintrag> zellen;
  if (b.Bloecke.size() != static_cast<std::size_t>(Tabelle_Spalten * kBloecke_je_Spalte))
    return zellen;
  for (int r = 0; r <= Letzte_Zeile; ++r)
    for (int c = 1; c <= Letzte_Spalte; ++c) {
      const std::string& t =
          (*b.Bloecke[c * kBloecke_je_Spalte + r / kBlockzeilen])[r % kBlockzeilen];
      if (!t.empty()) zellen.push_back({c, r, t});
    }
  return zellen;
}

std::size_t Blatt_Speicher(const std::vector<const TBlatt*>& blaetter) {
  std::set<const void*> gezaehlt;
  std::size_t n = 0;
  for (const TBlatt* b : blaetter) {
    n += sizeof(TBlatt) + b->Satztext.capacity() + b->Punkte.capacity() * sizeof(TPunkt) +
         b->Bloecke.capacity() * sizeof(b->Bloecke[0]);
    for (const auto& [name, text] : b->Satz.Werkbank.Feldtexte)
      n += 64 + Textbytes(name) + Textbytes(text);
    for (const auto& blk : b->Bloecke)
      if (gezaehlt.insert(blk.get()).second) {
        n += sizeof(TZellblock);
        for (const std::string& t : *blk)
          n += Textbytes(t);
      }
    if (b->Bild && gezaehlt.insert(b->Bild.get()).second)
      n += sizeof(TBild) + static_cast<std::size_t>(b->Bild->Bild().sizeInBytes()) +
           b->Bild->Protokoll().Befehle.capacity() * sizeof(TZeichenbefehl);
  }
  return n;
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
  return true;
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
