#pragma once

#include <QString>

#include <functional>

class FeuilleVorn;
class QPainter;
class QPrinter;
class QWidget;

// The agent's sheet on paper: one A4 portrait page of text and lines, drawn
// from what the sheet shows, never recomputed.

// Paints the page onto the painter's device, scaled down if its printable
// area is smaller than an A4 page's.
void DessinerFiche(QPainter& p, const FeuilleVorn& feuille);

// Writes the page as a PDF file at `chemin`, whole or not at all (an existing
// file is replaced only by a complete one). Empty on success, otherwise what
// failed, in French, for the user.
QString EcrireFichePdf(const QString& chemin, const FeuilleVorn& feuille);

// The file name proposed for the character: characters no file name may hold
// replaced, shortened to what file systems accept, ".pdf" at the end.
QString NomFichierPdf(const QString& nomPersonnage);

// Asks where to save the PDF, proposing `propose`; empty when cancelled.
// The save dialog by default; tests put their own answer here.
using ChoixFichierPdf = std::function<QString(QWidget* parent, const QString& propose)>;
ChoixFichierPdf& choixFichierPdf();

// Opens the print dialog on `imprimante`; true when the user asked to print.
// The dialog, whose preview paints with `dessiner`, by default; tests put
// their own answer here.
using DessinPage = std::function<void(QPrinter* imprimante)>;
using DialogueImpression = std::function<bool(QWidget* parent, QPrinter& imprimante, const DessinPage& dessiner)>;
DialogueImpression& dialogueImpression();

// The two menu commands. Export returns what failed (empty when it worked or
// was cancelled); printing reports nothing the user did not already see.
QString ExporterFichePdf(QWidget* parent, const FeuilleVorn& feuille);
void ImprimerFiche(QWidget* parent, const FeuilleVorn& feuille);
