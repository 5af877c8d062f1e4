#pragma once
// Text in the picture, the font for it, the axis captions, and the picture leaving the program
// as a file or on the clipboard.

#include "workbench/Anzeige.h"

class QImage;

// The text for the picture at pixel (X, Y), in its font and colour.
void Text_platzieren(Anzeige& a, int X, int Y);
// The font chooser opens with the current settings; whatever it holds when it closes becomes the
// text font, and the text field shows it as a preview.
void Schrift_auswaehlen(Anzeige& a);
void Grafik_speichern(Anzeige& a);
// The window's client area onto the clipboard, with the message that says so.
void Clientbereich_kopieren(const QImage& bild);
