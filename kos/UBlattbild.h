#pragma once
// The sheet's picture: the main window's Image1 shows it and every plot draws into it. As a part
// of the sheet it comes back with undo; images that are no longer among the newest keep it
// packed.

#include <memory>

#include "kos/UBildpaket.h"
#include "kos/UGrafik.h"
#include "platform/Blattspeicher.h"

struct TBlattbild {
  TBlattbild() = default;
  // A copy is a value: the repaint callback belongs to the live picture's widget only.
  TBlattbild(const TBlattbild& b) : Bild(b.Bild), Paket(b.Paket) { Bild.Geaendert = nullptr; }
  TBlattbild& operator=(const TBlattbild&) = delete;

  TBild Bild;
  // Set in packed images only; Bild is then empty.
  std::shared_ptr<const TBildpaket> Paket;
};

template <>
struct TBlattteil_Regeln<TBlattbild> {
  static TBlattbild Start() { return {}; }
  static bool Gleich(const TBlattbild& a, const TBlattbild& b);
  // The live picture takes the image's pixels, record and canvas state; its widget repaints.
  static void Zuweisen(TBlattbild& ziel, const TBlattbild& quelle);
  static constexpr bool Packbar = true;
  static void Packen(TBlattbild& b);
  static bool Gepackt(const TBlattbild& b) { return b.Paket != nullptr; }
  static std::size_t Bytes(const TBlattbild& b);
};

// The picture of the sheet.
extern TBild& Blattbild;
