#pragma once

#include "PageFiche.h"

#include <QString>

// The page as a PDF file.

// Writes the page at `chemin` through the program's writer (EcrireFichier):
// whole or not at all. Empty on success, otherwise the system's reason.
QString EcrireFichePdf(const QString& chemin, const FeuilleVorn& feuille, const QPageLayout& mise = MiseEnPageFiche(),
                       int resolution = 600);

// The file name proposed for the character: characters that file systems
// (FAT, exFAT, network shares) refuse replaced, shortened to what they
// accept, ".pdf" at the end.
QString NomFichierPdf(const QString& nomPersonnage);
