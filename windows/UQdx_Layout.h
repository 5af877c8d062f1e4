#pragma once
// The control table of the main window: every control with its kind, parent, position inside
// the parent, caption, hint, list items, input rule and look. The window base builds it.

#include <span>

#include "windows/Fensterbasis.h"

std::span<const TSteuerelement> Steuerelement_Tabelle();
std::span<const TGemeinsamerHandler> Gemeinsame_Handler();
