#pragma once

#include <string>

namespace zahltext_referenz {

// The formatter's texts as they were before the fast path.
std::string Zahl_zu_Text_alt(bool fix, int G, int N, long double x);

}  // namespace zahltext_referenz
