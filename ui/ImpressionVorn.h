#pragma once

#include <QPageLayout>
#include <QString>

class ChoixFichier;
class DialogueImpression;
class FeuilleVorn;
class QPainter;
class QWidget;

// The agent's sheet on paper: one A4 portrait page of text and lines, drawn
// from what the sheet shows, never recomputed.

// Paints the page onto the painter's device, scaled down if its printable
// area is smaller than an A4 page's.
void DessinerFiche(QPainter& p, const FeuilleVorn& feuille);

// A4 portrait with 12 mm margins.
QPageLayout MiseEnPageFiche();

// Writes the page as a PDF file at `chemin` through the program's writer:
// whole or not at all. Empty on success, otherwise the system's reason.
QString EcrireFichePdf(const QString& chemin, const FeuilleVorn& feuille, const QPageLayout& mise = MiseEnPageFiche(),
                       int resolution = 600);

// The file name proposed for the character: characters no file name may hold
// replaced, shortened to what file systems accept, ".pdf" at the end.
QString NomFichierPdf(const QString& nomPersonnage);

// The two menu commands, through the file chooser and the print dialog given.
// Each returns the text of the error box when a file could not be written,
// empty when it was, when the page went to a printer or the user cancelled.
QString ExporterFichePdf(QWidget* parent, const FeuilleVorn& feuille, ChoixFichier& fichiers);
QString ImprimerFiche(QWidget* parent, const FeuilleVorn& feuille, DialogueImpression& dialogue);
