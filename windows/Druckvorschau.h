#pragma once
// Printing with Qt's print preview: the workbench's print pages (workbench/Druckseiten) shown on
// an A4 printer and printed or written to a PDF file from there.

class QPrinter;
class QWidget;
class TBild;

// Opens the preview of the picture, the visible terms and the table, modal over eltern. A
// cancelled preview or a failing printer changes nothing and says so in one message.
void Druckvorschau_zeigen(QWidget* eltern, const TBild& bild);

// The preview's printer: A4 upright with the pages' margins, at the printer's full resolution.
void Drucker_einrichten(QPrinter& drucker);
