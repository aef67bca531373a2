#include "PageFiche.h"

#include "Embleme.h"
#include "FeuilleVorn.h"
#include "MiseEnPage.h"
#include "Tables.h"
#include "TexteQt.h"
#include "VersionVorn.h"

#include <QPainter>
#include <QTextOption>

#include <algorithm>
#include <array>

namespace {
// The printable area of an A4 page with 12 mm margins, in millimetres.
constexpr qreal MargeMm = 12.0;
constexpr qreal LargeurMm = 210.0 - 2 * MargeMm;
constexpr qreal HauteurMm = 297.0 - 2 * MargeMm;

const QColor Gris(110, 110, 110); // labels and untaken skills: still legible in black and white
const QColor GrisClair(235, 235, 235);
const QString Suite = QStringLiteral("…"); // ends a text cut short

struct Style {
    qreal pt = 9.5;
    qreal minPt = 5.5;
    bool gras = false;
    QColor couleur = Qt::black;
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop;
    bool retour = true; // false: one line, shrunk to the box's width
};

// Places everything in millimetres from the top left corner of the printable
// area; the painter itself works in device pixels so that point sizes keep
// their meaning.
class Page {
public:
    explicit Page(QPainter& peintre) : p(peintre) {
        const QPaintDevice* d = p.device();
        pxMm_ = d->logicalDpiY() / 25.4;
        // A smaller paper than A4 gets the whole page, scaled down.
        const qreal echelle = std::min({1.0, d->width() / (LargeurMm * pxMm_), d->height() / (HauteurMm * pxMm_)});
        if (echelle < 1.0) p.scale(echelle, echelle);
    }

    qreal mm(qreal v) const { return v * pxMm_; }

    // The width `texte` takes on one line, in millimetres.
    qreal largeur(const QString& texte, qreal pt, bool gras) {
        p.setFont(police_(pt, gras));
        return p.boundingRect(QRectF(0, 0, 1e9, 1e9), Qt::AlignLeft | Qt::AlignTop, texte).width() / pxMm_;
    }
    QRectF px(const QRectF& r) const { return {mm(r.x()), mm(r.y()), mm(r.width()), mm(r.height())}; }

    // Writes `texte` in the box (millimetres), wrapped at word boundaries (anywhere
    // in a word too long for a line), its face shrunk until it fits; a text that
    // does not fit even at the smallest face is cut short with an ellipsis.
    // Returns the height it takes, in millimetres.
    qreal ecrire(const QRectF& boite, const QString& texte, const Style& s) {
        const QRectF r = px(boite);
        QTextOption option(s.align);
        option.setWrapMode(s.retour ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
        QFont police = police_(s.pt, s.gras);
        // A text too wide for its one line counts as too tall.
        const auto hauteur = [&](const QString& t) {
            const QRectF b = p.boundingRect(QRectF(r.x(), r.y(), r.width(), 1e9), t, option);
            return b.width() <= r.width() + 0.5 ? b.height() : 1e9;
        };
        QString t = texte;
        for (qreal pt = s.pt;; pt = std::max(s.minPt, pt * 0.92)) {
            police.setPointSizeF(pt);
            p.setFont(police);
            if (hauteur(t) <= r.height() + 0.5) break;
            if (pt <= s.minPt) {
                qsizetype garde = 0, exces = t.size();
                while (exces - garde > 1) {
                    const qsizetype milieu = (garde + exces) / 2;
                    if (hauteur(t.left(milieu) + Suite) <= r.height() + 0.5) {
                        garde = milieu;
                    } else {
                        exces = milieu;
                    }
                }
                if (garde > 0 && t[garde - 1].isHighSurrogate()) --garde;
                t = t.left(garde) + Suite;
                break;
            }
        }
        p.setPen(s.couleur);
        p.drawText(r, t, option);
        textes += t;
        return std::min(hauteur(t), r.height()) / pxMm_;
    }

    void trait(qreal x1, qreal y1, qreal x2, qreal y2, qreal epaisseur = 0.25, const QColor& c = Qt::black) {
        p.setPen(QPen(c, mm(epaisseur)));
        p.drawLine(QPointF(mm(x1), mm(y1)), QPointF(mm(x2), mm(y2)));
    }

    void cadre(const QRectF& boite, const QColor& fond = Qt::transparent, qreal epaisseur = 0.25) {
        p.setPen(epaisseur > 0 ? QPen(Qt::black, mm(epaisseur)) : QPen(Qt::NoPen));
        p.setBrush(fond);
        p.drawRect(px(boite));
        p.setBrush(Qt::NoBrush);
    }

    // A section's title over a rule; returns where its contents start.
    qreal section(qreal x, qreal y, qreal largeur, const QString& titre) {
        ecrire({x, y, largeur, 6}, titre, {12, 8, true});
        trait(x, y + 6.2, x + largeur, y + 6.2, 0.4);
        return y + 8;
    }

    QPainter& p;
    QString textes; // every text drawn, in order

private:
    // Without shaping, Latin text keeps its letters: no ligature glyphs, whose
    // code points (U+FB00 "ff"...) would end up in the PDF's text instead of
    // the letters, and words such as "coffres" could not be found.
    static QFont police_(qreal pt, bool gras) {
        QFont police = policeSansSerif(pt, gras);
        police.setStyleStrategy(QFont::PreferNoShaping);
        return police;
    }

    qreal pxMm_ = 1;
};

// One "label  value" line; returns its height.
qreal rubrique(Page& page, qreal x, qreal y, qreal largeur, qreal largeurEtiquette, const QString& etiquette,
               const QString& valeur, qreal hauteurMax = 5) {
    page.ecrire({x, y + 0.4, largeurEtiquette - 1, 4.6}, etiquette, {8.5, 6, false, Gris});
    return std::max(
        5.0,
        page.ecrire({x + largeurEtiquette, y, largeur - largeurEtiquette, hauteurMax}, valeur, {10, 5.5, true}) + 0.6);
}

// The sheet's rank and sex texts carry leading blanks for the screen's alignment.
QString net(const std::string& texte) { return qs(texte).trimmed(); }

QString avecUnite(const ListeDeroulante& l, const char* aucun, const QString& unite) {
    if (l.index < 0) return QString::fromUtf8(aucun);
    const QString t = qs(l.texte());
    return t.startsWith(QLatin1Char('(')) || unite.isEmpty() ? t : t + QLatin1Char(' ') + unite;
}

qreal liste(Page& page, qreal x, qreal y, qreal largeur, const std::vector<std::string>& lignes, const char* vide) {
    qreal h = 0;
    for (const auto& l : lignes) {
        if (!l.empty()) h += page.ecrire({x, y + h, largeur, 9}, qs(l), {9.5, 6}) + 0.8;
    }
    if (h == 0) h = page.ecrire({x, y, largeur, 5}, QString::fromUtf8(vide), {9.5, 6}) + 0.8;
    return h;
}

qreal competences(Page& page, qreal y, const FeuilleVorn& f) {
    constexpr qreal Colonne = 92, Ecart = LargeurMm - 2 * Colonne;
    // Rows give up height when long names or many fields have taken the room
    // (the header, the legend and the footer below need 18 mm).
    const qreal Ligne = std::clamp((HauteurMm - 18 - y) / 12, 4.6, 6.8);
    const std::array<QString, 5> entetes{QStringLiteral("Compétence"), QStringLiteral("Formule"),
                                         QStringLiteral("Base"), QStringLiteral("Niveau"), QStringLiteral("CB")};
    const bool montrer = f.chargee;
    std::array<std::array<QString, 5>, NbLignesCompetences> cases;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const LigneCompetence& l = f.lignes[i];
        QString nom = qs(Competences[i].nom);
        if (l.valeur == 2) nom += QStringLiteral(" (libre)");
        cases[i] = {nom, qs(FormuleCompetence(static_cast<int>(i))), montrer ? QString::number(l.base) : QString(),
                    montrer ? QString::number(l.niveau) : QString(), montrer ? QString::number(l.cb) : QString()};
    }
    // Each column as wide as its widest text: every cell at the body size and
    // all the headers at one size, the headers giving way first, then both;
    // the name column takes what room is left, or gives up what is missing.
    constexpr std::array<qreal, 5> Marges{1.2, 1.2, 0.6, 0.6, 0.6};
    std::array<qreal, 6> bords{4.4};
    qreal corps = 8.5, entete = 7.5;
    for (;;) {
        for (std::size_t c = 0; c < entetes.size(); ++c) {
            qreal large = page.largeur(entetes[c], entete, true);
            for (const auto& ligne : cases) large = std::max(large, page.largeur(ligne[c], corps, c == 4));
            bords[c + 1] = bords[c] + large + Marges[c];
        }
        if (bords[5] <= Colonne || corps <= 6) break;
        if (entete > 6.5) {
            entete -= 0.25;
        } else {
            corps -= 0.25;
            entete = std::min(entete, corps - 1);
        }
    }
    const qreal reste = Colonne - bords[5];
    for (std::size_t c = 1; c < bords.size(); ++c) bords[c] += reste;
    for (const qreal x0 : {0.0, Colonne + Ecart}) {
        for (std::size_t c = 0; c < entetes.size(); ++c) {
            page.ecrire({x0 + bords[c], y, bords[c + 1] - bords[c] - Marges[c], 4.5}, entetes[c],
                        {entete, entete, true, Gris, c < 2 ? Qt::AlignLeft : Qt::AlignHCenter, false});
        }
    }
    y += 5;
    for (int i = 0; i < NbLignesCompetences; ++i) {
        const auto u = static_cast<std::size_t>(i);
        const LigneCompetence& l = f.lignes[u];
        const qreal x0 = i < NbLignesCompetences / 2 ? 0 : Colonne + Ecart;
        const qreal haut = y + Ligne * (i % (NbLignesCompetences / 2));
        if (i % 2 == 0) page.cadre({x0, haut, Colonne, Ligne}, GrisClair, 0);
        const QColor encre = l.active() ? QColor(Qt::black) : Gris;
        // The tick box: crossed for a taken or free skill.
        const QRectF boite(x0 + 0.8, haut + (Ligne - 3) / 2, 3, 3);
        page.cadre(boite, Qt::white, l.active() ? 0.3 : 0.2);
        if (l.active()) {
            page.trait(boite.left(), boite.top(), boite.right(), boite.bottom(), 0.35);
            page.trait(boite.left(), boite.bottom(), boite.right(), boite.top(), 0.35);
        }
        for (std::size_t c = 0; c < entetes.size(); ++c) {
            const Qt::Alignment a = (c < 2 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter;
            page.ecrire({x0 + bords[c], haut, bords[c + 1] - bords[c] - Marges[c], Ligne}, cases[u][c],
                        {corps, 5, l.active() && c == 4, encre, a, false});
        }
    }
    page.trait(Colonne + Ecart / 2, y - 5, Colonne + Ecart / 2, y + Ligne * 12, 0.2, Gris);
    y += Ligne * 12 + 1.5;
    return y + page.ecrire({0, y, LargeurMm, 5},
                           QStringLiteral("Case cochée : compétence prise ou libre (gratuite). "
                                          "En gris : compétence non prise."),
                           {8, 6, false, Gris});
}
} // namespace

QString DessinerFiche(QPainter& p, const FeuilleVorn& f) {
    Page page(p);

    DessinerEmbleme(page.p, page.px({0, 0, 17, 17}));
    page.ecrire({21, 0, LargeurMm - 21, 9}, qs(VersionVorn::Titre), {22, 12, true});
    page.ecrire({21, 10, LargeurMm - 21, 6}, QStringLiteral("Fiche d'agent — jeu de rôle Vorn"), {11, 8});
    page.trait(0, 19, LargeurMm, 19, 0.6);

    qreal y = 22;
    y += rubrique(page, 0, y, LargeurMm, 40, QStringLiteral("Nom du Joueur"), qs(f.TxtNomJoueur), 16) + 0.6;
    y += rubrique(page, 0, y, LargeurMm, 40, QStringLiteral("Nom du Personnage"), qs(f.TxtNomPerso), 16) + 0.6;
    // The points beside the identity, where its short values leave room.
    constexpr qreal Points = 106;
    qreal g = y, d = y;
    g += rubrique(page, 0, g, Points - 4, 40, QStringLiteral("Rang"), net(f.TxtRang));
    g += rubrique(page, 0, g, Points - 4, 40, QStringLiteral("Sexe"), net(f.TxtSexe));
    // The points are two one-line rows beside rank and sex: the profession,
    // third, has the whole row.
    g += rubrique(page, 0, g, LargeurMm, 40, QStringLiteral("Ancienne profession"), qs(f.TxtProfession), 9);
    d += rubrique(page, Points, d, LargeurMm - Points, 52, QStringLiteral("Points de génération restants"),
                  qs(f.TxtPtGénération));
    d += rubrique(page, Points, d, LargeurMm - Points, 52, QStringLiteral("Points de célébrité (cicatrices)"),
                  qs(f.TxtPtCélébrité));
    y = std::max(g, d) + 4;
    const qreal moitie = LargeurMm / 2 + 3;

    // Characteristics in boxes, the abilities they give beside them.
    qreal haut = page.section(0, y, LargeurMm, QStringLiteral("Caractéristiques"));
    for (std::size_t i = 0; i < ToutesCaract.size(); ++i) {
        const QRectF boite(i * 19.0, haut + 1, 17, 14);
        page.cadre(boite);
        page.ecrire({boite.x(), boite.y() + 0.8, boite.width(), 4}, qs(NomsCaract[i]),
                    {8.5, 6, true, Gris, Qt::AlignHCenter});
        page.ecrire({boite.x(), boite.y() + 5, boite.width(), 8}, qs(f.caract[i].texte()),
                    {16, 8, true, Qt::black, Qt::AlignHCenter});
    }
    const std::array<std::pair<QString, QString>, 5> derivees{{
        {QStringLiteral("Vitesse"), qs(f.TxtVitesse)},
        {QStringLiteral("Endurance"), qs(f.TxtEndurance) + QStringLiteral(" h")},
        {QStringLiteral("Course/Nage"), qs(f.TxtCourse) + QStringLiteral(" mn")},
        {QStringLiteral("Charge"), qs(f.TxtCharge) + QStringLiteral(" kg")},
        {QStringLiteral("Classe de Dégats à Mains Nues"), qs(f.TxtClasse)},
    }};
    qreal droite = haut;
    for (const auto& [etiquette, valeur] : derivees) {
        droite += rubrique(page, 100, droite, LargeurMm - 100, 52, etiquette, valeur);
    }
    y = std::max(haut + 16, droite) + 4;

    haut = page.section(0, y, LargeurMm, QStringLiteral("Description"));
    g = d = haut;
    const auto& description = [&f](Description x) -> const ListeDeroulante& { return f.liste(x); };
    g += rubrique(page, 0, g, moitie - 6, 28, QStringLiteral("Apparence"),
                  avecUnite(description(Description::Apparence), "(aucune)", {}));
    g += rubrique(page, 0, g, moitie - 6, 28, QStringLiteral("Taille"),
                  avecUnite(description(Description::Taille), "(aucune)", QStringLiteral("m")));
    g += rubrique(page, 0, g, moitie - 6, 28, QStringLiteral("Poids"),
                  avecUnite(description(Description::Poids), "(aucun)", QStringLiteral("kg")));
    d += rubrique(page, moitie, d, LargeurMm - moitie, 22, QStringLiteral("Age"),
                  avecUnite(description(Description::Age), "(aucun)", QStringLiteral("ans")));
    d += rubrique(page, moitie, d, LargeurMm - moitie, 22, QStringLiteral("Faiblesse"),
                  avecUnite(description(Description::Faiblesse), "(aucune)", {}), 10);
    y = std::max(g, d) + 4;

    g = page.section(0, y, moitie - 6, QStringLiteral("Cicatrices"));
    g += liste(page, 0, g, moitie - 6, f.LstCicatrices, "(aucune)");
    d = page.section(moitie, y, LargeurMm - moitie, QStringLiteral("Champs d'expérience"));
    d += liste(page, moitie, d, LargeurMm - moitie, f.LstChpExpérience, "(aucun)");
    y = std::max(g, d) + 4;

    y = competences(page, page.section(0, y, LargeurMm, QStringLiteral("Compétences")), f);

    page.ecrire({0, HauteurMm - 4, LargeurMm, 4},
                QStringLiteral("%1 %2.%3.%4")
                    .arg(qs(VersionVorn::Titre))
                    .arg(VersionVorn::Majeure)
                    .arg(VersionVorn::Mineure)
                    .arg(VersionVorn::Revision),
                {7, 6, false, Gris, Qt::AlignRight});
    return page.textes;
}

QPageLayout MiseEnPageFiche() {
    return {QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(MargeMm, MargeMm, MargeMm, MargeMm),
            QPageLayout::Millimeter};
}
