#include "kos/UZeichenprotokoll.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string_view>

namespace {

constexpr int kMaxSeite = 20000;
// A picture file must not make the program allocate gigabytes: 16 million pixels at most.
constexpr long long kMaxFlaeche = 16000000;
constexpr int kMaxStiftbreite = 1000;
constexpr std::size_t kMaxPunkte = 1000000;
constexpr const char* kKopf = "QDXBILD";
constexpr const char* kArten = "LREPBTXSM";  // in the order of TBefehlsart

bool gleicher_text(const std::shared_ptr<const TText>& a, const std::shared_ptr<const TText>& b) {
  if (!a || !b) return a == b;
  const TSchrift &s = a->Schrift, &t = b->Schrift;
  return a->Inhalt == b->Inhalt && s.Name == t.Name && s.Groesse == t.Groesse && s.fett == t.fett &&
         s.kursiv == t.kursiv && s.unterstrichen == t.unterstrichen &&
         s.durchgestrichen == t.durchgestrichen && s.Farbe == t.Farbe;
}

// Text fields become one token: "=" followed by the bytes, blanks and controls as %XX.
std::string kodieren(const std::string& s) {
  std::string r = "=";
  for (unsigned char c : s) {
    if (c <= 0x20 || c == '%' || c == 0x7F) {
      char h[4];
      std::snprintf(h, sizeof h, "%%%02X", c);
      r += h;
    } else {
      r += static_cast<char>(c);
    }
  }
  return r;
}

int hexwert(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool dekodieren(std::string_view t, std::string& r) {
  if (t.empty() || t[0] != '=') return false;
  r.clear();
  for (std::size_t i = 1; i < t.size(); ++i) {
    if (t[i] != '%') {
      r += t[i];
      continue;
    }
    if (i + 2 >= t.size()) return false;
    const int a = hexwert(t[i + 1]), b = hexwert(t[i + 2]);
    if (a < 0 || b < 0) return false;
    r += static_cast<char>(a * 16 + b);
    i += 2;
  }
  return true;
}

void zahl(std::string& s, long long v) {
  s += ' ';
  s += std::to_string(v);
}

std::string zeile(const TZeichenbefehl& b) {
  std::string s(1, kArten[static_cast<int>(b.Art)]);
  zahl(s, b.Stift.Farbe);
  zahl(s, b.Stift.Breite);
  zahl(s, static_cast<int>(b.Stift.Stil));
  zahl(s, static_cast<int>(b.Stift.Modus));
  zahl(s, b.Pinselfarbe);
  zahl(s, b.Pinselstil);
  for (int k : b.k)
    zahl(s, k);
  if (b.Art == TBefehlsart::Polygon) {
    zahl(s, static_cast<long long>(b.Punkte.size()));
    for (const QPoint& p : b.Punkte) {
      zahl(s, p.x());
      zahl(s, p.y());
    }
  } else if (b.Art == TBefehlsart::Text) {
    const TText leer;
    const TText& t = b.Text ? *b.Text : leer;
    s += ' ' + kodieren(t.Schrift.Name);
    zahl(s, t.Schrift.Groesse);
    zahl(s, (t.Schrift.fett ? 1 : 0) | (t.Schrift.kursiv ? 2 : 0) |
                (t.Schrift.unterstrichen ? 4 : 0) | (t.Schrift.durchgestrichen ? 8 : 0));
    zahl(s, t.Schrift.Farbe);
    s += ' ' + kodieren(t.Inhalt);
  } else if (b.Art == TBefehlsart::Bitmap) {
    QByteArray png;
    QBuffer puffer(&png);
    puffer.open(QIODevice::WriteOnly);
    b.Bitmap.save(&puffer, "PNG");
    s += ' ' + png.toBase64().toStdString();
  }
  return s;
}

// Reads the blank-separated tokens of one line in turn.
class Leser {
 public:
  explicit Leser(std::string_view z) : z_(z) {}
  bool wort(std::string_view& w) {
    while (pos_ < z_.size() && z_[pos_] == ' ')
      ++pos_;
    if (pos_ >= z_.size()) return false;
    const std::size_t a = pos_;
    while (pos_ < z_.size() && z_[pos_] != ' ')
      ++pos_;
    w = z_.substr(a, pos_ - a);
    return true;
  }
  bool zahl(long long min, long long max, long long& v) {
    std::string_view w;
    if (!wort(w)) return false;
    const auto [ende, fehler] = std::from_chars(w.data(), w.data() + w.size(), v);
    return fehler == std::errc() && ende == w.data() + w.size() && v >= min && v <= max;
  }
  template <typename T>
  bool zahl(long long min, long long max, T& v) {
    long long w = 0;
    if (!zahl(min, max, w)) return false;
    v = static_cast<T>(w);
    return true;
  }
  bool fertig() {
    std::string_view w;
    return !wort(w);
  }

 private:
  std::string_view z_;
  std::size_t pos_ = 0;
};

constexpr long long kIntMin = -2147483647LL - 1, kIntMax = 2147483647LL;

bool bitmap_lesen(Leser& l, const TZeichenprotokoll& p, QImage& bild) {
  std::string_view w;
  if (!l.wort(w)) return false;
  const QByteArray png =
      QByteArray::fromBase64(QByteArray(w.data(), static_cast<qsizetype>(w.size())));
  QBuffer puffer;
  puffer.setData(png);
  QImageReader leser(&puffer, "PNG");
  // The size is checked before decoding, so a small file cannot demand a huge bitmap.
  const QSize g = leser.size();
  if (!g.isValid() || g.width() > p.Breite || g.height() > p.Hoehe) return false;
  bild = leser.read();
  return !bild.isNull() && bild.size() == g;
}

bool text_lesen(Leser& l, TZeichenbefehl& b) {
  TText t;
  std::string_view w;
  int stil = 0;
  if (!l.wort(w) || !dekodieren(w, t.Schrift.Name)) return false;
  if (!l.zahl(1, 1000, t.Schrift.Groesse) || !l.zahl(0, 15, stil) ||
      !l.zahl(0, 0xFFFFFF, t.Schrift.Farbe))
    return false;
  if (!l.wort(w) || !dekodieren(w, t.Inhalt)) return false;
  t.Schrift.fett = (stil & 1) != 0;
  t.Schrift.kursiv = (stil & 2) != 0;
  t.Schrift.unterstrichen = (stil & 4) != 0;
  t.Schrift.durchgestrichen = (stil & 8) != 0;
  b.Text = std::make_shared<const TText>(std::move(t));
  return true;
}

bool befehl_lesen(std::string_view z, const TZeichenprotokoll& p, TZeichenbefehl& b) {
  Leser l(z);
  std::string_view art;
  if (!l.wort(art) || art.size() != 1) return false;
  const char* pos = std::char_traits<char>::find(kArten, 9, art[0]);
  if (pos == nullptr) return false;
  b.Art = static_cast<TBefehlsart>(pos - kArten);
  if (!l.zahl(0, 0xFFFFFF, b.Stift.Farbe) || !l.zahl(0, kMaxStiftbreite, b.Stift.Breite) ||
      !l.zahl(0, 2, b.Stift.Stil) || !l.zahl(0, 1, b.Stift.Modus) ||
      !l.zahl(0, 0xFFFFFF, b.Pinselfarbe) || !l.zahl(0, 7, b.Pinselstil))
    return false;
  for (int& k : b.k)
    if (!l.zahl(kIntMin, kIntMax, k)) return false;
  if (b.Art == TBefehlsart::Polygon) {
    std::size_t n = 0;
    if (!l.zahl(1, kMaxPunkte, n)) return false;
    b.Punkte.reserve(std::min<std::size_t>(n, z.size() / 4 + 1));
    for (std::size_t i = 0; i < n; ++i) {
      int x = 0, y = 0;
      if (!l.zahl(kIntMin, kIntMax, x) || !l.zahl(kIntMin, kIntMax, y)) return false;
      b.Punkte.emplace_back(x, y);
    }
  } else if (b.Art == TBefehlsart::Text) {
    if (!text_lesen(l, b)) return false;
  } else if (b.Art == TBefehlsart::Bitmap) {
    if (!bitmap_lesen(l, p, b.Bitmap)) return false;
  }
  return l.fertig();
}

}  // namespace

bool TZeichenbefehl::operator==(const TZeichenbefehl& b) const {
  return Art == b.Art && Stift.Farbe == b.Stift.Farbe && Stift.Breite == b.Stift.Breite &&
         Stift.Stil == b.Stift.Stil && Stift.Modus == b.Stift.Modus &&
         Pinselfarbe == b.Pinselfarbe && Pinselstil == b.Pinselstil &&
         std::equal(std::begin(k), std::end(k), std::begin(b.k)) && Punkte == b.Punkte &&
         gleicher_text(Text, b.Text) && Bitmap == b.Bitmap;
}

std::string Protokoll_als_Text(const TZeichenprotokoll& p) {
  std::string s = std::string(kKopf) + " 1 " + std::to_string(p.Breite) + " " +
                  std::to_string(p.Hoehe) + " " + std::to_string(p.Befehle.size()) + "\n";
  for (const TZeichenbefehl& b : p.Befehle)
    s += zeile(b) + "\n";
  return s;
}

bool Protokoll_aus_Text(const std::string& text, TZeichenprotokoll& p, std::string& fehler) {
  fehler.clear();
  const std::string_view t(text);
  std::size_t pos = 0;
  auto naechste_zeile = [&](std::string_view& z) {
    if (pos >= t.size()) return false;
    std::size_t ende = t.find('\n', pos);
    if (ende == std::string_view::npos) ende = t.size();
    z = t.substr(pos, ende - pos);
    pos = ende + 1;
    return true;
  };
  TZeichenprotokoll neu;
  std::size_t n = 0;
  std::string_view z;
  {
    if (!naechste_zeile(z)) {
      fehler = "Die Zeichnung ist leer.";
      return false;
    }
    Leser l(z);
    std::string_view kopf;
    if (!l.wort(kopf) || kopf != kKopf) {
      fehler = "Das ist keine gespeicherte Zeichnung.";
      return false;
    }
    int version = 0;
    if (!l.zahl(1, 1, version) || !l.zahl(1, kMaxSeite, neu.Breite) ||
        !l.zahl(1, kMaxSeite, neu.Hoehe) || !l.zahl(0, kMaxBefehle, n) || !l.fertig()) {
      fehler = "Der Kopf der Zeichnung ist ungültig.";
      return false;
    }
    if (static_cast<long long>(neu.Breite) * neu.Hoehe > kMaxFlaeche) {
      fehler = "Die Zeichnung ist zu groß.";
      return false;
    }
  }
  neu.Befehle.reserve(std::min(n, t.size() / 16));
  for (std::size_t i = 0; i < n; ++i) {
    TZeichenbefehl b;
    if (!naechste_zeile(z) || !befehl_lesen(z, neu, b)) {
      fehler = "Die Zeichnung ist in Zeile " + std::to_string(i + 2) + " fehlerhaft.";
      return false;
    }
    neu.Befehle.push_back(std::move(b));
  }
  while (naechste_zeile(z)) {
    if (!z.empty()) {
      fehler = "Nach dem Ende der Zeichnung folgt noch Text.";
      return false;
    }
  }
  p = std::move(neu);
  return true;
}
