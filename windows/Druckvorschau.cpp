#include "windows/Druckvorschau.h"

#include <QDate>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <string>

#include "table/UStringGrid.h"
#include "workbench/Druckseiten.h"
#include "workbench/Werkbank.h"

void Drucker_einrichten(QPrinter& drucker) {
  drucker.setPageLayout(Druckseitenlage());
  drucker.setCreator(QStringLiteral("Quadrix"));
  drucker.setDocName(QStringLiteral("Quadrix-Arbeitsblatt"));
}

void Druckvorschau_zeigen(QWidget* eltern, const TBild& bild) {
  // A cell still being edited belongs to what the user sees in the table.
  Eingabe_uebernehmen(Zahlentabelle);
  const QDate heute = QDate::currentDate();
  const TDruckauftrag auftrag = Druckauftrag_erstellen(
      bild, Werkbank, &Zahlentabelle, Druckdatum(heute.year(), heute.month(), heute.day()));
  QPrinter drucker(QPrinter::HighResolution);
  Drucker_einrichten(drucker);
  QPrintPreviewDialog vorschau(&drucker, eltern);
  vorschau.setWindowTitle(QStringLiteral("Druckvorschau"));
  // The preview paints again on every change of page set-up; a failure is kept to be reported
  // once when the dialog has closed.
  std::string fehler;
  QObject::connect(&vorschau, &QPrintPreviewDialog::paintRequested, &vorschau, [&](QPrinter* p) {
    std::string f;
    if (!Druckseiten_malen(auftrag, *p, f) && fehler.empty()) fehler = f;
  });
  const bool angenommen = vorschau.exec() == QDialog::Accepted;
  // Export to PDF whose file dialog was cancelled also closes the preview as accepted.
  const bool gedruckt = angenommen && (drucker.outputFormat() == QPrinter::NativeFormat ||
                                       !drucker.outputFileName().isEmpty());
  Druck_abschliessen(gedruckt, fehler);
}
