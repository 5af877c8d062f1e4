#include "platform/Blattspeicher.h"

#include <set>

std::size_t Blattteil_neue_Nummer() {
  static std::size_t naechste = 0;
  return naechste++;
}

bool TBlattabbild::Gleich(const TBlattabbild& anderer) const {
  if (teile_.size() != anderer.teile_.size()) return false;
  for (std::size_t i = 0; i < teile_.size(); ++i) {
    const auto& a = teile_[i];
    const auto& b = anderer.teile_[i];
    if (a == b) continue;
    if (!a || !b || !a->Gleich(*b)) return false;
  }
  return true;
}

std::vector<const TBlattteil*> TBlattabbild::Teile() const {
  std::vector<const TBlattteil*> t;
  for (const auto& p : teile_)
    t.push_back(p.get());
  return t;
}

void TBlattabbild::Ersetzen(const TBlattteil* alt, const std::shared_ptr<const TBlattteil>& neu) {
  for (auto& p : teile_)
    if (p.get() == alt) p = neu;
}

TBlattabbild TBlattspeicher::Abbild(const TBlattabbild* vorher) const {
  TBlattabbild b;
  b.teile_.resize(teile_.size());
  for (std::size_t i = 0; i < teile_.size(); ++i) {
    if (!teile_[i]) continue;
    // A packed part is not shared into the newest image: the next comparison would unpack it.
    if (vorher && i < vorher->teile_.size() && vorher->teile_[i] && !vorher->teile_[i]->Gepackt() &&
        teile_[i]->Gleich(*vorher->teile_[i])) {
      b.teile_[i] = vorher->teile_[i];
      continue;
    }
    b.teile_[i] = teile_[i]->Kopie();
  }
  return b;
}

bool TBlattspeicher::Gleich(const TBlattabbild& abbild) const {
  for (std::size_t i = 0; i < teile_.size(); ++i) {
    if (!teile_[i]) continue;
    if (i >= abbild.teile_.size() || !abbild.teile_[i]) return false;
    if (!teile_[i]->Gleich(*abbild.teile_[i])) return false;
  }
  return true;
}

void TBlattspeicher::Zurueckschreiben(const TBlattabbild& abbild) {
  for (std::size_t i = 0; i < teile_.size() && i < abbild.teile_.size(); ++i)
    if (teile_[i] && abbild.teile_[i]) teile_[i]->Zuweisen(*abbild.teile_[i]);
}

void TBlattspeicher::Zuruecksetzen() {
  for (auto& t : teile_)
    if (t) t->Zuruecksetzen();
}

TBlattspeicher& Blatt_Speicher() {
  static TBlattspeicher blatt;
  return blatt;
}

std::size_t Blattabbilder_Speicher(const std::vector<const TBlattabbild*>& abbilder) {
  std::set<const void*> gezaehlt;
  std::size_t n = 0;
  for (const TBlattabbild* b : abbilder) {
    n += sizeof(TBlattabbild) + b->teile_.capacity() * sizeof(b->teile_[0]);
    for (const auto& t : b->teile_)
      if (t && gezaehlt.insert(t.get()).second) n += t->Bytes();
  }
  return n;
}
