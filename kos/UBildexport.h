#pragma once
// The picture leaves the program: as a file (Windows bitmap, PNG, or for printing SVG and PDF at
// true size) or on the clipboard (bitmap and SVG). A file
// is written under a temporary name in the target folder and only then renamed, so a failed save
// never destroys a picture that was there before.

#include <QImage>
#include <string>

class TBild;

// Filter and default extension of the save dialog.
extern const char* const Bild_Dateifilter;     // BMP, PNG, SVG, PDF
extern const char* const Bild_Standardendung;  // "bmp"

// The file name as it will be written: without an extension the default ".bmp" is added.
std::string Bildpfad_vervollstaendigen(const std::string& pfad);
// "PNG", "SVG" or "PDF" for a name ending in .png, .svg or .pdf (any case), otherwise "BMP".
const char* Bildformat_zu_Pfad(const std::string& pfad);

// Writes the picture in the format of the name's ending; on failure fehlertext holds a German
// explanation and an existing file under that name is unchanged. SVG and PDF are drawn from the
// picture's recording; a bare bitmap goes into them as an embedded image.
bool Bild_in_Datei_schreiben(const TBild& bild, const std::string& pfad, std::string& fehlertext);
bool Bild_in_Datei_schreiben(const QImage& bild, const std::string& pfad, std::string& fehlertext);

// For callers without a dialog (the command line): like Bild_in_Datei_schreiben, but a name
// without one of the four endings is refused rather than written as a bitmap.
bool Bild_speichern_nach_Endung(const TBild& bild, const std::string& pfad, std::string& fehler);

// The whole save action after the dialog: asks before overwriting, writes, and reports failures
// and the cancel through Dialog(). pfad empty or dialog cancelled -> "Grafik nicht gespeichert".
// Returns true when the file was written.
bool Bild_speichern_Dialog(const TBild& bild);
bool Bild_speichern_Dialog(const QImage& bild);

// Picture to the clipboard with its message: the bitmap, and beside it the SVG form.
void Bild_in_Zwischenablage(const TBild& bild);
void Bild_in_Zwischenablage(const QImage& bild);
