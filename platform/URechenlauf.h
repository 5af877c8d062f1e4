#pragma once
// One long computation as the user sees it: a progress window that appears only once the work has
// taken half a second and closes when it ends, and the user's cancel request, asked of the dialog
// seam. A request counts only when made during the computation: one left over from before (Escape
// that closed a message box) is forgotten when the outermost computation starts.

#include <chrono>
#include <string>

class TRechenlauf {
 public:
  using TZeitpunkt = std::chrono::steady_clock::time_point;
  using TUhr = TZeitpunkt (*)();

  // Work shorter than this shows no window, so quick results do not flicker.
  static constexpr std::chrono::milliseconds kZeigen_ab{500};

  // Progress is counted in steps out of gesamt; by default in percent.
  explicit TRechenlauf(std::string text, long gesamt = 100);
  ~TRechenlauf();
  TRechenlauf(const TRechenlauf&) = delete;
  TRechenlauf& operator=(const TRechenlauf&) = delete;

  // erledigt steps of gesamt are done (clamped to the range).
  void Melden(long erledigt);
  // Asks the seam whether the user wants to stop.
  bool Abgebrochen();
  // Progress, and once the window is up the cancel request too; false = cancelled. Short work
  // never pays for polling the window.
  bool Weiter(long erledigt);
  // A cancel request is put to the user as frage; "No" forgets it, so the question comes back
  // only when the user presses Escape again. true = stop.
  bool Abbruch_bestaetigt(const std::string& frage);

  bool Sichtbar() const { return gezeigt_; }

  // Tests run the computations against their own clock; nullptr restores the steady clock.
  static void Uhr_setzen(TUhr uhr);

 private:
  std::string text_;
  long gesamt_;
  TZeitpunkt start_;
  bool gezeigt_ = false;
};
