#include "kos/UBildpaket.h"

#include <QColor>
#include <array>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

// Fastest deflate level: the coding below has already removed most of the redundancy.
constexpr int kStufe = 1;
// Reference row above the first one: white in the 32-bit formats, so an empty top row is a run.
constexpr std::uint32_t kWeiss = 0xFFFFFFFFu;

// Bitmaps of the drawing record: none, the picture's own pixels (shared with it, as after a
// pixel copy), or pixels of their own.
enum : std::uint8_t { Bitmap_keine = 0, Bitmap_des_Bildes = 1, Bitmap_eigene = 2 };
// Bytes of an entry without points, text or bitmap: kind, pen, brush, corners, counts and flags.
constexpr std::size_t kBefehl_mindestens = 63;

class Schreiber {
 public:
  template <typename T>
  void zahl(T v) {
    roh(&v, sizeof v);
  }
  void roh(const void* p, std::size_t n) { s_.append(static_cast<const char*>(p), n); }
  void text(const std::string& t) {
    zahl<std::uint32_t>(static_cast<std::uint32_t>(t.size()));
    roh(t.data(), t.size());
  }
  const std::string& daten() const { return s_; }
  void reservieren(std::size_t n) { s_.reserve(n); }

 private:
  std::string s_;
};

// Reads what Schreiber wrote; every read checks the bytes left, so damaged data only fails.
class Bytestrom {
 public:
  Bytestrom(const char* p, std::size_t n) : p_(p), e_(p + n) {}
  template <typename T>
  bool zahl(T& v) {
    return roh(&v, sizeof v);
  }
  bool roh(void* z, std::size_t n) {
    if (rest() < n) return false;
    std::memcpy(z, p_, n);
    p_ += n;
    return true;
  }
  bool text(std::string& t) {
    std::uint32_t n = 0;
    if (!zahl(n) || rest() < n) return false;
    t.assign(p_, n);
    p_ += n;
    return true;
  }
  std::size_t rest() const { return static_cast<std::size_t>(e_ - p_); }

 private:
  const char* p_;
  const char* e_;
};

std::size_t zeilenbytes(const QImage& b) {
  return (static_cast<std::size_t>(b.width()) * static_cast<std::size_t>(b.depth()) + 7) / 8;
}

// Each row as 32-bit words XOR the row above: pairs (unchanged words, changed words) followed by
// the changed words.
void zeilen_schreiben(Schreiber& s, const QImage& b) {
  const std::size_t n = zeilenbytes(b), w = (n + 3) / 4;
  std::vector<std::uint32_t> oben(w, kWeiss), zeile(w), d(w);
  for (int y = 0; y < b.height(); ++y) {
    zeile.back() = 0;
    std::memcpy(zeile.data(), b.constScanLine(y), n);
    for (std::size_t x = 0; x < w; ++x)
      d[x] = zeile[x] ^ oben[x];
    for (std::size_t x = 0; x < w;) {
      const std::size_t a = x;
      while (x < w && d[x] == 0)
        ++x;
      const std::size_t l = x;
      while (x < w && d[x] != 0)
        ++x;
      s.zahl<std::uint32_t>(static_cast<std::uint32_t>(l - a));
      s.zahl<std::uint32_t>(static_cast<std::uint32_t>(x - l));
      s.roh(d.data() + l, (x - l) * 4);
    }
    std::swap(oben, zeile);
  }
}

// Decodes the rows of a w × h picture of depth bits per pixel and hands each to ziel.
bool zeilen_lesen(Bytestrom& l, int w, int h, int tiefe,
                  const std::function<bool(int, const std::uint32_t*)>& ziel) {
  const std::size_t n = (static_cast<std::size_t>(w) * static_cast<std::size_t>(tiefe) + 7) / 8;
  const std::size_t worte = (n + 3) / 4;
  // Every row takes at least one pair: a height beyond what is left is damage, not a picture.
  if (static_cast<std::size_t>(h) > l.rest() / 8) return false;
  std::vector<std::uint32_t> zeile(worte, kWeiss);
  for (int y = 0; y < h; ++y) {
    for (std::size_t x = 0; x < worte;) {
      std::uint32_t gleich = 0, anders = 0;
      if (!l.zahl(gleich) || !l.zahl(anders)) return false;
      if (gleich + anders == 0 || gleich > worte - x || anders > worte - x - gleich) return false;
      x += gleich;
      for (std::uint32_t i = 0; i < anders; ++i, ++x) {
        std::uint32_t d = 0;
        if (!l.zahl(d)) return false;
        zeile[x] ^= d;
      }
    }
    if (!ziel(y, zeile.data())) return false;
  }
  return true;
}

void bild_schreiben(Schreiber& s, const QImage& b) {
  s.zahl<std::int32_t>(b.width());
  s.zahl<std::int32_t>(b.height());
  s.zahl<std::int32_t>(b.format());
  const QList<QRgb> farben = b.colorTable();
  s.zahl<std::uint32_t>(static_cast<std::uint32_t>(farben.size()));
  for (QRgb f : farben)
    s.zahl<std::uint32_t>(f);
  if (!b.isNull()) zeilen_schreiben(s, b);
}

struct Bildkopf {
  std::int32_t w = 0, h = 0, format = 0;
  QList<QRgb> farben;
};

bool kopf_lesen(Bytestrom& l, Bildkopf& k) {
  std::uint32_t n = 0;
  if (!l.zahl(k.w) || !l.zahl(k.h) || !l.zahl(k.format) || !l.zahl(n)) return false;
  if (n > 256 || k.w < 0 || k.h < 0 || k.format < 0 || k.format >= QImage::NImageFormats)
    return false;
  for (std::uint32_t i = 0; i < n; ++i) {
    std::uint32_t f = 0;
    if (!l.zahl(f)) return false;
    k.farben.push_back(f);
  }
  return (k.w == 0) == (k.h == 0) && (k.w == 0) == (k.format == QImage::Format_Invalid);
}

bool bild_lesen(Bytestrom& l, QImage& b) {
  Bildkopf k;
  if (!kopf_lesen(l, k)) return false;
  if (k.w == 0) {
    b = QImage();
    return true;
  }
  if (static_cast<std::size_t>(k.h) > l.rest() / 8) return false;
  QImage neu(k.w, k.h, static_cast<QImage::Format>(k.format));
  if (neu.isNull()) return false;
  if (!k.farben.isEmpty()) neu.setColorTable(k.farben);
  const std::size_t n = zeilenbytes(neu);
  const bool ok = zeilen_lesen(l, k.w, k.h, neu.depth(), [&](int y, const std::uint32_t* z) {
    std::memcpy(neu.scanLine(y), z, n);
    return true;
  });
  if (!ok) return false;
  b = std::move(neu);
  return true;
}

// The fixed fields of an entry as words. They are stored as the difference to the previous
// entry: a curve is a run of lines with the same pen whose corners move by a few pixels.
constexpr int kFelder = 14;
using TFelder = std::array<std::uint32_t, kFelder>;

TFelder felder(const TZeichenbefehl& b) {
  TFelder f{b.Stift.Farbe,
            static_cast<std::uint32_t>(b.Stift.Breite),
            static_cast<std::uint32_t>(b.Stift.Stil),
            static_cast<std::uint32_t>(b.Stift.Modus),
            b.Pinselfarbe,
            static_cast<std::uint32_t>(b.Pinselstil)};
  for (int i = 0; i < 8; ++i)
    f[6 + i] = static_cast<std::uint32_t>(b.k[i]);
  return f;
}

void felder_setzen(TZeichenbefehl& b, const TFelder& f) {
  b.Stift.Farbe = f[0];
  b.Stift.Breite = static_cast<int>(f[1]);
  b.Stift.Stil = static_cast<TStiftstil>(f[2]);
  b.Stift.Modus = static_cast<TStiftmodus>(f[3]);
  b.Pinselfarbe = f[4];
  b.Pinselstil = static_cast<int>(f[5]);
  for (int i = 0; i < 8; ++i)
    b.k[i] = static_cast<int>(f[6 + i]);
}

void befehl_schreiben(Schreiber& s, const TZeichenbefehl& b, const QImage& bild, TFelder& vorher) {
  s.zahl(static_cast<std::uint8_t>(b.Art));
  const TFelder f = felder(b);
  for (int i = 0; i < kFelder; ++i)
    s.zahl<std::uint32_t>(f[i] - vorher[i]);
  vorher = f;
  s.zahl<std::uint32_t>(static_cast<std::uint32_t>(b.Punkte.size()));
  for (const QPoint& p : b.Punkte) {
    s.zahl<std::int32_t>(p.x());
    s.zahl<std::int32_t>(p.y());
  }
  s.zahl<std::uint8_t>(b.Text ? 1 : 0);
  if (b.Text) {
    const TSchrift& f = b.Text->Schrift;
    s.text(f.Name);
    s.zahl<std::int32_t>(f.Groesse);
    s.zahl<std::uint8_t>((f.fett ? 1 : 0) | (f.kursiv ? 2 : 0) | (f.unterstrichen ? 4 : 0) |
                         (f.durchgestrichen ? 8 : 0));
    s.zahl<std::uint32_t>(f.Farbe);
    s.text(b.Text->Inhalt);
  }
  if (b.Bitmap.isNull()) {
    s.zahl(Bitmap_keine);
  } else if (b.Bitmap.cacheKey() == bild.cacheKey()) {
    s.zahl(Bitmap_des_Bildes);
  } else {
    s.zahl(Bitmap_eigene);
    bild_schreiben(s, b.Bitmap);
  }
}

bool text_lesen(Bytestrom& l, TZeichenbefehl& b) {
  std::uint8_t da = 0, stil = 0;
  if (!l.zahl(da) || da > 1) return false;
  if (da == 0) return true;
  TText t;
  TSchrift& f = t.Schrift;
  if (!l.text(f.Name) || !l.zahl(f.Groesse) || !l.zahl(stil) || !l.zahl(f.Farbe) ||
      !l.text(t.Inhalt))
    return false;
  f.fett = (stil & 1) != 0;
  f.kursiv = (stil & 2) != 0;
  f.unterstrichen = (stil & 4) != 0;
  f.durchgestrichen = (stil & 8) != 0;
  b.Text = std::make_shared<const TText>(std::move(t));
  return true;
}

// bild stands in for the entries that shared the packed picture's pixels.
bool befehl_lesen(Bytestrom& l, TZeichenbefehl& b, const QImage& bild, TFelder& vorher) {
  std::uint8_t art = 0, bitmap = 0;
  std::uint32_t n = 0;
  if (!l.zahl(art) || art > static_cast<std::uint8_t>(TBefehlsart::Bitmap)) return false;
  b.Art = static_cast<TBefehlsart>(art);
  for (std::uint32_t& f : vorher) {
    std::uint32_t d = 0;
    if (!l.zahl(d)) return false;
    f += d;
  }
  felder_setzen(b, vorher);
  if (!l.zahl(n)) return false;
  if (n > l.rest() / 8) return false;
  b.Punkte.resize(n);
  for (QPoint& p : b.Punkte) {
    std::int32_t x = 0, y = 0;
    l.zahl(x);
    l.zahl(y);
    p = QPoint(x, y);
  }
  if (!text_lesen(l, b) || !l.zahl(bitmap)) return false;
  if (bitmap == Bitmap_des_Bildes) b.Bitmap = bild;
  if (bitmap == Bitmap_eigene) return bild_lesen(l, b.Bitmap);
  return bitmap <= Bitmap_eigene;
}

void protokoll_schreiben(Schreiber& s, const TZeichenprotokoll& p, const QImage& bild) {
  s.zahl<std::int32_t>(p.Breite);
  s.zahl<std::int32_t>(p.Hoehe);
  s.zahl<std::uint64_t>(p.Befehle.size());
  TFelder vorher{};
  for (const TZeichenbefehl& b : p.Befehle)
    befehl_schreiben(s, b, bild, vorher);
}

bool protokoll_lesen(Bytestrom& l, TZeichenprotokoll& p, const QImage& bild) {
  std::uint64_t n = 0;
  if (!l.zahl(p.Breite) || !l.zahl(p.Hoehe) || !l.zahl(n)) return false;
  // An entry takes at least its fixed fields: a count beyond the bytes left is damage.
  if (n > l.rest() / kBefehl_mindestens) return false;
  p.Befehle.resize(static_cast<std::size_t>(n));
  TFelder vorher{};
  for (TZeichenbefehl& b : p.Befehle)
    if (!befehl_lesen(l, b, bild, vorher)) return false;
  return l.rest() == 0;
}

QByteArray auspacken(const QByteArray& daten) {
  return daten.isEmpty() ? QByteArray() : qUncompress(daten);
}

}  // namespace

TBildpaket TBildpaket::Packen(const TBild& bild) {
  const QImage& q = bild.bild_;
  Schreiber s;
  s.reservieren(static_cast<std::size_t>(q.sizeInBytes()) / 4 + 4096);
  bild_schreiben(s, q);
  protokoll_schreiben(s, bild.protokoll_, q);
  TBildpaket p;
  p.daten_ = qCompress(reinterpret_cast<const uchar*>(s.daten().data()),
                       static_cast<qsizetype>(s.daten().size()), kStufe);
  p.daten_.squeeze();
  p.breite_ = q.width();
  p.hoehe_ = q.height();
  p.format_ = q.format();
  p.befehle_ = bild.protokoll_.Befehle.size();
  p.stift_ = bild.Stift;
  p.schrift_ = bild.Schrift;
  p.pinselfarbe_ = bild.pinselfarbe_;
  p.pinselstil_ = bild.pinselstil_;
  p.stiftpos_ = bild.stiftpos_;
  p.links_ = bild.Links;
  p.oben_ = bild.Oben;
  p.aufzeichnen_ = bild.aufzeichnen_;
  p.aenderungen_ = bild.aenderungen_;
  return p;
}

bool TBildpaket::Entpacken(TBild& ziel) const {
  const QByteArray roh = auspacken(daten_);
  if (roh.isEmpty()) return false;
  Bytestrom l(roh.constData(), static_cast<std::size_t>(roh.size()));
  QImage bild;
  TZeichenprotokoll protokoll;
  if (!bild_lesen(l, bild) || bild.width() != breite_ || bild.height() != hoehe_ ||
      bild.format() != format_ || !protokoll_lesen(l, protokoll, bild))
    return false;
  ziel.bild_ = std::move(bild);
  ziel.protokoll_ = std::move(protokoll);
  ziel.Stift = stift_;
  ziel.Schrift = schrift_;
  ziel.pinselfarbe_ = pinselfarbe_;
  ziel.pinselstil_ = pinselstil_;
  ziel.stiftpos_ = stiftpos_;
  ziel.Links = links_;
  ziel.Oben = oben_;
  ziel.aufzeichnen_ = aufzeichnen_;
  ziel.aenderungen_ = aenderungen_;
  if (ziel.Geaendert) ziel.Geaendert();
  return true;
}

std::size_t TBildpaket::Bytes() const {
  std::size_t n = static_cast<std::size_t>(daten_.capacity());
  if (schrift_.Name.capacity() > std::string().capacity()) n += schrift_.Name.capacity() + 1;
  return n;
}

bool TBildpaket::Gleich(const TBild& bild) const {
  const QImage& q = bild.Bild();
  if (daten_.isEmpty() || q.width() != breite_ || q.height() != hoehe_ || q.format() != format_ ||
      bild.Protokoll().Befehle.size() != befehle_)
    return false;
  const QByteArray roh = auspacken(daten_);
  Bytestrom l(roh.constData(), static_cast<std::size_t>(roh.size()));
  Bildkopf k;
  if (!kopf_lesen(l, k) || k.farben != q.colorTable()) return false;
  if (!q.isNull()) {
    const std::size_t n = zeilenbytes(q);
    const bool gleich = zeilen_lesen(l, k.w, k.h, q.depth(), [&](int y, const std::uint32_t* z) {
      return std::memcmp(q.constScanLine(y), z, n) == 0;
    });
    if (!gleich) return false;
  }
  TZeichenprotokoll p;
  if (!protokoll_lesen(l, p, q)) return false;
  const TZeichenprotokoll& b = bild.Protokoll();
  return p.Breite == b.Breite && p.Hoehe == b.Hoehe && p.Befehle == b.Befehle;
}
