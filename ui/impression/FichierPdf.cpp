#include "FichierPdf.h"

#include "EcritureFichier.h"
#include "FeuilleVorn.h"
#include "PageFiche.h"
#include "TextePdf.h"
#include "TexteQt.h"
#include "VersionVorn.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

QString NomFichierPdf(const QString& nomPersonnage) {
    // Most file systems take 255 bytes a name; room is kept for ".pdf" and
    // the temporary name the file is first written under.
    constexpr qsizetype OctetsMax = 200;
    QString nom;
    qsizetype octets = 0;
    for (const char32_t c : nomPersonnage.trimmed().toUcs4()) {
        const bool interdit = c < 0x20 || c == 0x7f || (c < 0x80 && QStringView(u"/\\:*?\"<>|").contains(QChar(c)));
        const QString morceau = interdit ? QStringLiteral("_") : QString::fromUcs4(&c, 1);
        octets += morceau.toUtf8().size();
        if (octets > OctetsMax) break;
        nom += morceau;
    }
    // A name of dots alone, or none at all, would make a hidden or odd file.
    while (nom.startsWith(QLatin1Char('.'))) nom.remove(0, 1);
    nom = nom.trimmed();
    return (nom.isEmpty() ? QStringLiteral("agent") : nom) + QStringLiteral(".pdf");
}

QString EcrireFichePdf(const QString& chemin, const FeuilleVorn& feuille, const QPageLayout& mise, int resolution) {
    // Made whole in memory (a page is some tens of kilobytes), its text layer completed, then written.
    QBuffer tampon;
    tampon.open(QIODevice::WriteOnly);
    QString textes;
    {
        QPdfWriter pdf(&tampon);
        pdf.setPageLayout(mise);
        pdf.setResolution(resolution);
        pdf.setCreator(qs(VersionVorn::Titre));
        pdf.setTitle(QStringLiteral("Fiche d'agent : ") + qs(feuille.TxtNomPerso));
        QPainter p;
        if (!p.begin(&pdf)) return QStringLiteral("la page n'a pas pu être préparée");
        textes = DessinerFiche(p, feuille);
        if (!p.end()) return QStringLiteral("la page n'a pas pu être terminée");
    }
    return EcrireFichier(chemin, CompleterTextePdf(tampon.data(), textes));
}
