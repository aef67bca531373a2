#include "ImpressionVorn.h"

#include "Dialogues.h"
#include "FenetreVorn.h"
#include "FeuilleVorn.h"
#include "FichierPdf.h"
#include "PageFiche.h"
#include "TexteQt.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>

namespace {
QString echec(const QString& verbe, const QString& chemin, const QString& raison) {
    return QStringLiteral("La fiche n'a pas pu être %1 dans « %2 » : %3\n\nAucun fichier n'a été écrit ni modifié.")
        .arg(verbe, QDir::toNativeSeparators(QFileInfo(chemin).absoluteFilePath()), raison);
}
} // namespace

QString ExporterFichePdf(QWidget* parent, const FeuilleVorn& feuille, ChoixFichier& fichiers) {
    RelacherBoutonsTenus();
    QString chemin =
        fichiers.Enregistrer(parent, QStringLiteral("Exporter en PDF"), NomFichierPdf(qs(feuille.TxtNomPerso)),
                             QStringLiteral("Documents PDF (*.pdf)"));
    if (chemin.isEmpty()) return {};
    if (!chemin.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) chemin += QStringLiteral(".pdf");
    const QString raison = EcrireFichePdf(chemin, feuille);
    return raison.isEmpty() ? QString() : echec(QStringLiteral("exportée"), chemin, raison);
}

QString ImprimerFiche(QWidget* parent, const FeuilleVorn& feuille, DialogueImpression& dialogue) {
    RelacherBoutonsTenus();
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setPageLayout(MiseEnPageFiche());
    imprimante.setDocName(QStringLiteral("Fiche d'agent : ") + qs(feuille.TxtNomPerso));
    const DialogueImpression::DessinPage dessiner = [&feuille](QPrinter* cible) {
        QPainter p;
        if (p.begin(cible)) DessinerFiche(p, feuille);
    };
    if (!dialogue.Choisir(parent, imprimante, dessiner)) return {};
    // Printed to a PDF file: written by the program's own writer, whole or not
    // at all, rather than by the toolkit straight into the file.
    if (imprimante.outputFormat() == QPrinter::PdfFormat && !imprimante.outputFileName().isEmpty()) {
        const QString chemin = imprimante.outputFileName();
        const QString raison = EcrireFichePdf(chemin, feuille, imprimante.pageLayout(), 600);
        return raison.isEmpty() ? QString() : echec(QStringLiteral("imprimée"), chemin, raison);
    }
    dessiner(&imprimante);
    return {};
}
