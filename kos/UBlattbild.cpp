#include "kos/UBlattbild.h"

TBild& Blattbild = Blatt_Speicher().Teil<TBlattbild>().Bild;

bool TBlattteil_Regeln<TBlattbild>::Gleich(const TBlattbild& a, const TBlattbild& b) {
  if (a.Paket && b.Paket) return a.Paket == b.Paket;
  if (a.Paket) return a.Paket->Gleich(b.Bild);
  if (b.Paket) return b.Paket->Gleich(a.Bild);
  // An untouched copy still shares the pixels, which compares at once.
  return a.Bild.Bild() == b.Bild.Bild();
}

void TBlattteil_Regeln<TBlattbild>::Zuweisen(TBlattbild& ziel, const TBlattbild& quelle) {
  // A package that does not decode leaves the picture as it is; the next plot draws it anew.
  if (quelle.Paket) {
    quelle.Paket->Entpacken(ziel.Bild);
    return;
  }
  auto geaendert = std::move(ziel.Bild.Geaendert);
  ziel.Bild = quelle.Bild;
  ziel.Bild.Geaendert = std::move(geaendert);
  if (ziel.Bild.Geaendert) ziel.Bild.Geaendert();
}

void TBlattteil_Regeln<TBlattbild>::Packen(TBlattbild& b) {
  if (b.Paket) return;
  b.Paket = std::make_shared<const TBildpaket>(TBildpaket::Packen(b.Bild));
  b.Bild = TBild(0, 0);
}

std::size_t TBlattteil_Regeln<TBlattbild>::Bytes(const TBlattbild& b) {
  if (b.Paket) return sizeof(TBlattbild) + b.Paket->Bytes();
  return sizeof(TBlattbild) + static_cast<std::size_t>(b.Bild.Bild().sizeInBytes()) +
         b.Bild.Protokoll().Befehle.capacity() * sizeof(TZeichenbefehl);
}
