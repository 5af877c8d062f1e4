#pragma once
// The picture leaves the program: as a file (Windows bitmap or PNG) or on the clipboard. A file
// is written under a temporary name in the target folder and only then renamed, so a failed save
// never destroys a picture that was there before.

#include <QImage>
#include <string>

// Filter and default extension of the save dialog.
extern const char* const Bild_Dateifilter;     // "Bitmap-Dateien (*.bmp);;PNG-Dateien (*.png)"
extern const char* const Bild_Standardendung;  // "bmp"

// The file name as it will be written: without an extension the default ".bmp" is added.
std::string Bildpfad_vervollstaendigen(const std::string& pfad);
// "PNG" for a name ending in .png (any case), otherwise "BMP".
const char* Bildformat_zu_Pfad(const std::string& pfad);

// Writes the picture; on failure fehlertext holds a German explanation and an existing file
// under that name is unchanged.
bool Bild_in_Datei_schreiben(const QImage& bild, const std::string& pfad, std::string& fehlertext);

// The whole save action after the dialog: asks before overwriting, writes, and reports failures
// and the cancel through Dialog(). pfad empty or dialog cancelled -> "Grafik nicht gespeichert".
// Returns true when the file was written.
bool Bild_speichern_Dialog(const QImage& bild);

// Picture to the clipboard with its message.
void Bild_in_Zwischenablage(const QImage& bild);
