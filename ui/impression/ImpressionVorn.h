#pragma once

#include <QString>

class ChoixFichier;
class DialogueImpression;
class FeuilleVorn;
class QWidget;

// The sheet's two printing commands, through the file chooser and the print
// dialog given. Each returns the text of the error box when a file could not
// be written; empty when it was, when the page went to a printer or when the
// user cancelled.
QString ExporterFichePdf(QWidget* parent, const FeuilleVorn& feuille, ChoixFichier& fichiers);
QString ImprimerFiche(QWidget* parent, const FeuilleVorn& feuille, DialogueImpression& dialogue);
