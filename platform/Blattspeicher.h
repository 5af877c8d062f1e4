#pragma once
// The sheet: the one object that owns everything a user can change. Each layer keeps its records
// in it as parts, one part per type (the view, the style, the point list, the table, the picture,
// the workbench settings, the controls, the side windows' settings), and binds its global names
// to them at program load, so every layer reads and writes the one sheet without knowing the
// layers above it. A record added to a part is carried by undo, the recovery file and every
// reset without further code.
//
// An image (TBlattabbild) is the sheet at one moment. Undo keeps a row of images, the recovery
// file is written from one, and the sheet is put back from one as a whole. An image shares every
// part that did not change with the image taken before it, so a row of them stays small.

#include <cstddef>
#include <memory>
#include <vector>

// How a part is made, copied, compared, put back and reset. Records are plain values; a part
// that is not (the table keeps observers, the picture a repaint callback) specialises this.
template <class T>
struct TBlattteil_Regeln {
  static T Start() { return T{}; }
  static bool Gleich(const T& a, const T& b) { return a == b; }
  // The live part takes an image's value; its own connections to the windows stay.
  static void Zuweisen(T& ziel, const T& quelle) { ziel = quelle; }
  // An image's copy of the part, no longer among the newest, may keep it in a smaller form.
  static constexpr bool Packbar = false;
  static void Packen(T&) {}
  static bool Gepackt(const T&) { return false; }
  // Bytes the part holds, for the measurements of the undo history.
  static std::size_t Bytes(const T&) { return sizeof(T); }
};

class TBlattteil {
 public:
  virtual ~TBlattteil() = default;
  virtual std::shared_ptr<TBlattteil> Kopie() const = 0;
  virtual bool Gleich(const TBlattteil& anderer) const = 0;
  virtual void Zuweisen(const TBlattteil& quelle) = 0;
  virtual void Zuruecksetzen() = 0;
  virtual bool Packbar() const = 0;
  virtual void Packen() = 0;
  virtual bool Gepackt() const = 0;
  virtual std::size_t Bytes() const = 0;
};

template <class T>
class TBlattteil_von final : public TBlattteil {
 public:
  using R = TBlattteil_Regeln<T>;
  TBlattteil_von() : Wert(R::Start()) {}
  explicit TBlattteil_von(const T& t) : Wert(t) {}

  std::shared_ptr<TBlattteil> Kopie() const override {
    return std::make_shared<TBlattteil_von>(Wert);
  }
  bool Gleich(const TBlattteil& anderer) const override {
    return R::Gleich(Wert, static_cast<const TBlattteil_von&>(anderer).Wert);
  }
  void Zuweisen(const TBlattteil& quelle) override {
    R::Zuweisen(Wert, static_cast<const TBlattteil_von&>(quelle).Wert);
  }
  void Zuruecksetzen() override { R::Zuweisen(Wert, R::Start()); }
  bool Packbar() const override { return R::Packbar; }
  void Packen() override { R::Packen(Wert); }
  bool Gepackt() const override { return R::Gepackt(Wert); }
  std::size_t Bytes() const override { return R::Bytes(Wert); }

  T Wert;
};

// Every part type gets its number on first use; the numbers index the parts.
std::size_t Blattteil_neue_Nummer();
template <class T>
std::size_t Blattteil_Nummer() {
  static const std::size_t nummer = Blattteil_neue_Nummer();
  return nummer;
}

class TBlattabbild {
 public:
  // The image's part of this type; nullptr when the sheet had none yet.
  template <class T>
  const T* Teil() const {
    const std::size_t n = Blattteil_Nummer<T>();
    if (n >= teile_.size() || !teile_[n]) return nullptr;
    return &static_cast<const TBlattteil_von<T>&>(*teile_[n]).Wert;
  }
  bool Leer() const { return teile_.empty(); }
  // Same content part by part; shared parts count as equal without a look inside.
  bool Gleich(const TBlattabbild& anderer) const;
  // The parts as they are held (for sharing them out and packing them).
  std::vector<const TBlattteil*> Teile() const;
  // Every part held as alt is held as neu from now on.
  void Ersetzen(const TBlattteil* alt, const std::shared_ptr<const TBlattteil>& neu);

 private:
  friend class TBlattspeicher;
  friend std::size_t Blattabbilder_Speicher(const std::vector<const TBlattabbild*>& abbilder);
  std::vector<std::shared_ptr<const TBlattteil>> teile_;
};

class TBlattspeicher {
 public:
  TBlattspeicher() = default;
  TBlattspeicher(const TBlattspeicher&) = delete;
  TBlattspeicher& operator=(const TBlattspeicher&) = delete;

  // The part of this type, made with its start value on first use. Its address never changes.
  template <class T>
  T& Teil() {
    const std::size_t n = Blattteil_Nummer<T>();
    if (n >= teile_.size()) teile_.resize(n + 1);
    if (!teile_[n]) teile_[n] = std::make_unique<TBlattteil_von<T>>();
    return static_cast<TBlattteil_von<T>&>(*teile_[n]).Wert;
  }

  // The sheet now; every part that equals the one in vorher is shared with it.
  TBlattabbild Abbild(const TBlattabbild* vorher = nullptr) const;
  // true when the sheet equals the image in every part.
  bool Gleich(const TBlattabbild& abbild) const;
  // Puts an image back; parts the image does not have keep their value.
  void Zurueckschreiben(const TBlattabbild& abbild);
  // Every part back to its start value.
  void Zuruecksetzen();

 private:
  std::vector<std::unique_ptr<TBlattteil>> teile_;
};

// The program's sheet.
TBlattspeicher& Blatt_Speicher();

// Bytes a row of images holds, counting every shared part once.
std::size_t Blattabbilder_Speicher(const std::vector<const TBlattabbild*>& abbilder);
