#pragma once
// Value types shared by every layer.

#include <cstdint>
#include <string>

// Colour as 0x00BBGGRR: red in the low byte.
using TFarbe = std::uint32_t;

struct TPunkt {
  long double x = 0;
  long double y = 0;
  bool operator==(const TPunkt&) const = default;
};

enum class TStiftstil : int { Durchgezogen = 0, Gepunktet = 1, Unsichtbar = 2 };

// A font as the font chooser hands it over and picture text uses it.
struct TSchrift {
  std::string Name = "Arial";
  int Groesse = 10;  // points
  bool fett = false;
  bool kursiv = false;
  bool unterstrichen = false;
  bool durchgestrichen = false;
  TFarbe Farbe = 0;
  bool operator==(const TSchrift&) const = default;
};
