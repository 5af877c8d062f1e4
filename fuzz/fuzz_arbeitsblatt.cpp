// libFuzzer target over the worksheet reader: whatever a file holds, reading it neither crashes
// nor hangs, and a sheet it accepts writes a text that reads back to the same sheet.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "workbench/Arbeitsblatt.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const std::string text(reinterpret_cast<const char*>(daten), groesse);
  TArbeitsblatt blatt;
  std::string fehler;
  if (!Arbeitsblatt_lesen(text, blatt, fehler)) {
    if (fehler.empty()) std::abort();  // every refusal says why
    return 0;
  }
  const std::string geschrieben = Arbeitsblatt_zu_Text(blatt);
  TArbeitsblatt wieder;
  if (!Arbeitsblatt_lesen(geschrieben, wieder, fehler)) std::abort();
  if (Arbeitsblatt_zu_Text(wieder) != geschrieben) std::abort();
  return 0;
}
