#include "TextePdf.h"

#include <QList>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QtEndian>

#include <vector>

namespace {
struct Objet {
    qsizetype debut = -1, fin = -1; // from "N 0 obj" to just past "endobj"
};

// The objects by number, from the cross-reference table at the end.
QList<Objet> objets(const QByteArray& pdf) {
    static const QRegularExpression startxref(QStringLiteral("startxref\\s+(\\d+)\\s*%%EOF\\s*$"));
    const auto m = startxref.match(QString::fromLatin1(pdf.right(64)));
    if (!m.hasMatch()) return {};
    qsizetype pos = m.captured(1).toLongLong();
    static const QRegularExpression entete(QStringLiteral("^xref\\s+0\\s+(\\d+)\\s"));
    const auto e = entete.match(QString::fromLatin1(pdf.mid(pos, 32)));
    if (!e.hasMatch()) return {};
    pos += e.capturedLength();
    QList<Objet> liste(e.captured(1).toInt());
    for (qsizetype i = 0; i < liste.size(); ++i, pos += 20) {
        if (pdf.mid(pos + 17, 1) != "n") continue;
        const qsizetype debut = pdf.mid(pos, 10).toLongLong();
        const qsizetype fin = pdf.indexOf("endobj", debut);
        if (fin < 0) return {};
        liste[i] = {debut, fin + 6};
    }
    return liste;
}

// A stream's data, inflated when compressed.
QByteArray flux(const QByteArray& pdf, const QList<Objet>& objs, int n) {
    if (n <= 0 || n >= objs.size() || objs[n].debut < 0) return {};
    const QByteArray obj = pdf.mid(objs[n].debut, objs[n].fin - objs[n].debut);
    const qsizetype debut = obj.indexOf("stream\n") + 7, fin = obj.lastIndexOf("endstream");
    if (debut < 7 || fin < debut) return {};
    QByteArray donnees = obj.mid(debut, fin - debut);
    if (!obj.left(debut).contains("/FlateDecode")) return donnees;
    QByteArray taille(4, '\0');
    qToBigEndian<quint32>(quint32(donnees.size() * 8), taille.data());
    return qUncompress(taille + donnees);
}

int reference(const QByteArray& texte, const char* cle) {
    const QRegularExpression re(QString::fromLatin1(cle) + QStringLiteral("\\s+(\\d+)\\s+0\\s+R"));
    const auto m = re.match(QString::fromLatin1(texte));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The glyphs a ToUnicode map gives characters to.
QSet<uint> glyphesNommes(const QByteArray& cmap) {
    QSet<uint> nommes;
    static const QRegularExpression plage(QStringLiteral("<([0-9A-Fa-f]{4})>\\s*<([0-9A-Fa-f]{4})>\\s*[<\\[]"));
    const QString texte = QString::fromLatin1(cmap);
    for (const auto& m : plage.globalMatch(texte)) {
        for (uint g = m.captured(1).toUInt(nullptr, 16); g <= m.captured(2).toUInt(nullptr, 16); ++g) nommes << g;
    }
    static const QRegularExpression seul(QStringLiteral("beginbfchar([^e]*)endbfchar"));
    for (const auto& m : seul.globalMatch(texte)) {
        static const QRegularExpression paire(QStringLiteral("<([0-9A-Fa-f]{4})>\\s*<[0-9A-Fa-f]+>"));
        for (const auto& p : paire.globalMatch(m.captured(1))) nommes << p.captured(1).toUInt(nullptr, 16);
    }
    return nommes;
}
} // namespace

QByteArray CompleterTextePdf(const QByteArray& pdf, const QString& textes) {
    QList<char32_t> manquants; // beyond U+FFFF, each once, in drawing order
    for (const char32_t c : textes.toUcs4()) {
        if (c > 0xFFFF && !manquants.contains(c)) manquants << c;
    }
    if (manquants.isEmpty()) return pdf;
    const QList<Objet> objs = objets(pdf);
    if (objs.isEmpty()) return pdf;

    // Each page's glyphs in drawing order; the first time a font draws a glyph its map leaves out, it takes the
    // next character missing from the text layer.
    QMap<int, QSet<uint>> nommes;                   // font object -> glyphs named by its map
    QMap<int, QList<QPair<uint, char32_t>>> ajouts; // ToUnicode object -> glyph and character
    QSet<QPair<int, uint>> vus;
    qsizetype suivant = 0;
    static const QRegularExpression operation(QStringLiteral("/F(\\d+)\\s+[-\\d.]+\\s+Tf|<([0-9A-Fa-f]+)>\\s*Tj"));
    for (qsizetype n = 1; n < objs.size(); ++n) {
        if (objs[n].debut < 0) continue;
        const QByteArray obj = pdf.mid(objs[n].debut, qMin<qsizetype>(objs[n].fin - objs[n].debut, 400));
        if (!obj.contains("/Type /Page ") && !obj.contains("/Type /Page\n")) continue;
        int police = -1;
        for (const auto& m : operation.globalMatch(QString::fromLatin1(flux(pdf, objs, reference(obj, "/Contents"))))) {
            if (m.capturedLength(1) > 0) {
                police = m.captured(1).toInt();
                if (!nommes.contains(police)) {
                    const int carte = reference(pdf.mid(objs.value(police).debut, 400), "/ToUnicode");
                    nommes[police] = carte > 0 ? glyphesNommes(flux(pdf, objs, carte)) : QSet<uint>{0};
                }
                continue;
            }
            const QString hex = m.captured(2);
            for (qsizetype k = 0; k + 4 <= hex.size(); k += 4) {
                const uint glyphe = hex.mid(k, 4).toUInt(nullptr, 16);
                if (police < 0 || nommes[police].contains(glyphe) || vus.contains({police, glyphe})) continue;
                vus.insert({police, glyphe});
                if (suivant >= manquants.size()) return pdf; // a glyph without a character of ours: leave all as is
                const int carte = reference(pdf.mid(objs.value(police).debut, 400), "/ToUnicode");
                ajouts[carte] << qMakePair(glyphe, manquants[suivant++]);
            }
        }
    }
    if (suivant != manquants.size() || ajouts.contains(-1)) return pdf;

    // Each map gets its pairs before "endcmap"; the later objects move, and the cross-reference table with them.
    struct Modif {
        qsizetype debut, fin;
        QByteArray texte;
    };
    std::vector<Modif> modifs;
    for (auto it = ajouts.cbegin(); it != ajouts.cend(); ++it) {
        QByteArray paires = QByteArray::number(it.value().size()) + " beginbfchar\n";
        for (const auto& [glyphe, c] : it.value()) {
            const QString u = QString::fromUcs4(&c, 1);
            paires += '<' + QByteArray::number(glyphe, 16).rightJustified(4, '0').toUpper() + "> <" +
                      QByteArray::number(u[0].unicode(), 16).toUpper() +
                      QByteArray::number(u[1].unicode(), 16).toUpper() + ">\n";
        }
        paires += "endbfchar\n";
        const Objet o = objs.value(it.key());
        QByteArray obj = pdf.mid(o.debut, o.fin - o.debut);
        static const QRegularExpression longueur(QStringLiteral("/Length (\\d+)"));
        const auto l = longueur.match(QString::fromLatin1(obj));
        const qsizetype fin = obj.indexOf("endcmap");
        if (!l.hasMatch() || fin < 0) return pdf;
        obj.insert(fin, paires);
        obj.replace(l.capturedStart(1), l.capturedLength(1),
                    QByteArray::number(l.captured(1).toLongLong() + paires.size()));
        modifs.push_back({o.debut, o.fin, obj});
    }
    std::sort(modifs.begin(), modifs.end(), [](const Modif& a, const Modif& b) { return a.debut < b.debut; });
    QByteArray sortie;
    qsizetype lu = 0;
    const auto deplacement = [&modifs](qsizetype pos) {
        qsizetype d = 0;
        for (const Modif& m : modifs) {
            if (m.debut < pos) d += m.texte.size() - (m.fin - m.debut);
        }
        return d;
    };
    for (const Modif& m : modifs) {
        sortie += pdf.mid(lu, m.debut - lu) + m.texte;
        lu = m.fin;
    }
    sortie += pdf.mid(lu);
    static const QRegularExpression startxref(QStringLiteral("startxref\\s+(\\d+)"));
    const qsizetype ancienXref = startxref.match(QString::fromLatin1(pdf.right(64))).captured(1).toLongLong();
    const qsizetype xref = ancienXref + deplacement(ancienXref);
    qsizetype pos = sortie.indexOf('\n', sortie.indexOf('\n', xref) + 1) + 1; // past "xref" and "0 N"
    for (qsizetype i = 0; i < objs.size(); ++i, pos += 20) {
        if (objs[i].debut < 0) continue;
        sortie.replace(pos, 10, QByteArray::number(objs[i].debut + deplacement(objs[i].debut)).rightJustified(10, '0'));
    }
    const qsizetype queue = sortie.lastIndexOf("startxref");
    sortie.truncate(queue);
    sortie += "startxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return sortie;
}
