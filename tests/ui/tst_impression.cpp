// The printed sheet: one page that holds everything the sheet shows and
// stays inside its margins; exports that fail leave no file and no change.
#include "OutilsTest.h"

#include "ImpressionVorn.h"
#include "UpDownNiv.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {
QString sortie(const QStringList& commande) {
    QProcess p;
    p.start(commande[0], commande.mid(1));
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}
QStringList champs(const FrmPrincipaleVorn* f) {
    QStringList t;
    for (const QLineEdit* c : f->findChildren<QLineEdit*>()) t << c->text();
    return t << lignes(f->LstChpExpérience);
}
// An agent with every part of the sheet filled in, named `nom`.
FrmPrincipaleVorn* agent(ProgrammeTest& p, const QString& nom) {
    FrmPrincipaleVorn* f = p.allerALaFeuille(0, 1);
    FeuilleVorn& m = f->feuille;
    m.ChoisirCaract(Caract::FOR, 7);
    m.ChoisirCaract(Caract::PER, 10);
    for (auto [d, i] : {std::pair{Description::Apparence, 5}, {Description::Taille, 4}, {Description::Poids, 9},
                        {Description::Faiblesse, 3}, {Description::Age, 5}}) {
        m.ChoisirDescription(d, static_cast<std::int16_t>(i));
    }
    p.module.ChpExpProf[1] = "Électronique";
    p.module.ChpExpGen[4] = "Droit";
    m.ReconstruireChampsExpérience();
    for (int i : {3, 7, 21}) m.PrendreCompetence(i);
    for (int i : {2, 3, 3}) m.MonterNiveau(i);
    m.TxtNomPerso = ss(nom);
    f->Afficher();
    return f;
}
} // namespace

class TestImpression : public QObject {
    Q_OBJECT
private slots:
    void page_data() {
        QTest::addColumn<QString>("nom");
        QTest::newRow("ordinaire") << u"ÉLODIE MARCHAND"_s;
        QTest::newRow("300 lettres, plusieurs écritures") << u"Ωμέγα Жуков Ærøskøbing "_s.repeated(13).left(300);
    }
    void page() {
        QFETCH(QString, nom);
        ProgrammeTest p;
        const FeuilleVorn& f = agent(p, nom)->feuille;
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"fiche.pdf"_s);
        QCOMPARE(EcrireFichePdf(pdf, f), QString());
        if (qEnvironmentVariableIsSet("GARDER")) QFile::copy(pdf, qEnvironmentVariable("GARDER") + QTest::currentDataTag() + u".pdf"_s);
        // Compatibility form: the page's ligatures read as their letters.
        const QString texte =
            sortie({u"pdftotext"_s, u"-raw"_s, pdf, u"-"_s}).normalized(QString::NormalizationForm_KC).simplified();
        QStringList attendu{qs(f.TxtNomJoueur), u"Rang "_s + qs(f.TxtRang).trimmed(), u"Sexe "_s + qs(f.TxtSexe).trimmed(),
                            u"Ancienne profession "_s + qs(f.TxtProfession),
                            u"Points de génération restants "_s + qs(f.TxtPtGénération),
                            u"Points de célébrité (cicatrices) "_s + qs(f.TxtPtCélébrité),
                            u"Vitesse "_s + qs(f.TxtVitesse), u"Endurance %1 h"_s.arg(qs(f.TxtEndurance)),
                            u"Course/Nage %1 mn"_s.arg(qs(f.TxtCourse)), u"Charge %1 kg"_s.arg(qs(f.TxtCharge)),
                            u"Mains Nues "_s + qs(f.TxtClasse), u"Apparence Séduisante"_s, u"Taille 1,61 - 1,65 m"_s,
                            u"Poids 87 - 93 kg"_s, u"Age 33 ans"_s, u"Faiblesse Attirance pour les Membres"_s};
        for (std::size_t i = 0; i < 5; ++i) attendu << qs(NomsCaract[i]) + u' ' + qs(f.caract[i].texte());
        for (const auto* liste : {&f.LstCicatrices, &f.LstChpExpérience}) {
            for (const auto& l : *liste) attendu << qs(l);
        }
        for (std::size_t i = 0; i < 24; ++i) {
            const LigneCompetence& l = f.lignes[i];
            attendu << u"%1%2 %3 %4 %5 %6"_s.arg(qs(Competences[i].nom), l.valeur == 2 ? u" (libre)"_s : u""_s,
                                                  qs(Competences[i].formule))
                           .arg(l.base).arg(l.niveau).arg(l.cb);
        }
        attendu << nom.left(15) << u"Électronique"_s << u"Droit"_s;
        for (const QString& a : attendu) QVERIFY2(texte.contains(a), qPrintable(a));

        // One A4 page; every word inside the 12 mm margins, no two words on top of each other.
        const QString boites = sortie({u"pdftotext"_s, u"-bbox"_s, pdf, u"-"_s});
        QCOMPARE(boites.count(u"<page "_s), 1);
        QVERIFY(boites.contains(QRegularExpression(u"<page width=\"59[45][.]\\d+\" height=\"84[12][.]"_s)));
        QList<QRectF> mots;
        static const QRegularExpression mot(uR"x(xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)")x"_s);
        for (const auto& c : mot.globalMatch(boites)) {
            mots << QRectF(QPointF(c.captured(1).toDouble(), c.captured(2).toDouble()),
                           QPointF(c.captured(3).toDouble(), c.captured(4).toDouble()));
            QVERIFY2(QRectF(33, 33, 529.5, 776).contains(mots.last()), qPrintable(c.captured(0)));
        }
        QVERIFY(mots.size() > 150);
        for (qsizetype i = 0; i < mots.size(); ++i) {
            for (qsizetype j = i + 1; j < mots.size(); ++j) {
                QVERIFY2(!mots[i].adjusted(0.5, 0.5, -0.5, -0.5).intersects(mots[j].adjusted(0.5, 0.5, -0.5, -0.5)),
                         qPrintable(u"%1 %2"_s.arg(i).arg(j)));
            }
        }
    }

    void echecs_data() {
        QTest::addColumn<QString>("chemin");
        QTest::addColumn<QString>("raison");
        // Root writes through permissions: these fail for root too.
        QTest::newRow("dossier absent") << u"absent/fiche.pdf"_s << u"n'existe pas"_s;
        QTest::newRow("parent fichier") << u"texte.txt/fiche.pdf"_s << u"n'est pas un dossier"_s;
        QTest::newRow("/proc") << u"/proc/fiche.pdf"_s << u"n'accepte pas l'écriture"_s;
    }
    void echecs() {
        QFETCH(QString, chemin);
        QFETCH(QString, raison);
        QTemporaryDir dir;
        QFile(dir.filePath(u"texte.txt"_s)).open(QIODevice::WriteOnly);
        ProgrammeTest p;
        FrmPrincipaleVorn* f = agent(p, u"AGENT"_s);
        const QStringList avant = champs(f);
        const QString cible = QDir(dir.path()).filePath(chemin);
        choixFichierPdf() = [&](QWidget*, const QString& propose) { return propose == u"AGENT.pdf"_s ? cible : QString(); };
        f->MnuExporterPDF->trigger();
        QCOMPARE(p.messages.vus.size(), 1u);
        QCOMPARE(p.messages.journal().value(0).section(u" | "_s, 0, 0), u"Erreur - Exportation"_s);
        QCOMPARE(p.messages.vus[0].code, Messagerie::Exclamation);
        QVERIFY2(p.messages.vus[0].texte.contains(raison), qPrintable(p.messages.vus[0].texte));
        QVERIFY(!QFileInfo::exists(cible));
        QCOMPARE(champs(f), avant);
    }

    void remplacement() {
        QTemporaryDir dir;
        QFile ancien(dir.filePath(u"fiche.pdf"_s));
        QVERIFY(ancien.open(QIODevice::WriteOnly) && ancien.write(QByteArray(500000, 'x')) == 500000);
        ancien.close();
        ProgrammeTest p;
        FrmPrincipaleVorn* f = agent(p, u"AGENT"_s);
        choixFichierPdf() = [&](QWidget*, const QString&) { return dir.filePath(u"fiche"_s); }; // ".pdf" added
        f->MnuExporterPDF->trigger();
        QVERIFY(p.messages.vus.empty());
        QVERIFY(ancien.open(QIODevice::ReadOnly));
        const QByteArray octets = ancien.readAll();
        QVERIFY(octets.startsWith("%PDF-") && octets.trimmed().endsWith("%%EOF") && !octets.contains("xxxx"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"fiche.pdf"_s});
    }

    void nomPropose_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("fichier");
        QTest::newRow("interdits") << u" A/B\\C:D*E?F\"G<H>I|J\tK "_s << u"A_B_C_D_E_F_G_H_I_J_K.pdf"_s;
        QTest::newRow("points seuls") << u"..."_s << u"agent.pdf"_s;
        QTest::newRow("trop long") << u"é"_s.repeated(300) << u"é"_s.repeated(100) + u".pdf"_s;
    }
    void nomPropose() {
        QFETCH(QString, nom);
        QFETCH(QString, fichier);
        QCOMPARE(NomFichierPdf(nom), fichier);
    }

    void menuEtImpression() {
        ProgrammeTest p;
        FrmPrincipaleVorn* f = agent(p, u"AGENT"_s);
        QStringList menu;
        for (const QAction* a : f->MnuAgent->actions()) menu << a->objectName() + u'|' + a->text() + u'|' + a->shortcut().toString();
        QCOMPARE(menu, (QStringList{u"MnuNouveau|&Nouveau|"_s, u"MnuImprimer|&Imprimer…|Ctrl+P"_s,
                                    u"MnuExporterPDF|Exporter en &PDF…|"_s, u"MnuTiret||"_s, u"MnuQuitter|&Quitter|"_s}));
        // A held spin arrow is let go before the dialog opens; cancelling prints nothing.
        QTemporaryDir dir;
        QStringList vus;
        bool imprimer = false;
        dialogueImpression() = [&](QWidget*, QPrinter& imprimante, const DessinPage&) {
            vus << imprimante.pageLayout().pageSize().name() + (f->UpDownNivs[2]->boutonHaut()->isDown() ? u" tenu"_s : u""_s);
            imprimante.setOutputFileName(dir.filePath(u"%1.pdf"_s.arg(vus.size())));
            return imprimer;
        };
        QTest::mousePress(f->UpDownNivs[2]->boutonHaut(), Qt::LeftButton);
        f->MnuImprimer->trigger();
        imprimer = true;
        f->MnuImprimer->trigger();
        QCOMPARE(vus, (QStringList{u"A4"_s, u"A4"_s}));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"2.pdf"_s});
        QVERIFY(sortie({u"pdftotext"_s, dir.filePath(u"2.pdf"_s), u"-"_s}).contains(u"Fiche d'agent"_s));
    }
};

QTEST_MAIN(TestImpression)
#include "tst_impression.moc"
