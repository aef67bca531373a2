#include "Programme.h"

#include "ImpressionVorn.h"

namespace {
// The page's text (ligatures read as their letters, blanks as one), or with -bbox its pages and words.
QString pdftotext(const QString& option, const QString& pdf) {
    QProcess p;
    p.start(u"pdftotext"_s, {option, pdf, u"-"_s});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput()).normalized(QString::NormalizationForm_KC).simplified();
}
// A woman '00' with every part of the sheet filled in, player and character both named `nom`.
FrmPrincipaleVorn* agent(ProgrammeTest& p, const QString& nom) {
    FrmPrincipaleVorn* f = p.allerALaFeuille(0, 1);
    f->feuille.ChoisirCaract(Caract::FOR, 7);
    for (const Description d : ToutesDescriptions) f->feuille.ChoisirDescription(d, std::array<std::int16_t, 5>{5, 5, 3, 4, 9}[int(d)]);
    p.module.ChpExpProf = {"Microphotographie", "Cryptanalyse", "Droit", "Médecine", "Chimie", "Physique", ""};
    f->feuille.ReconstruireChampsExpérience();
    f->feuille.PrendreCompetence(21);
    f->feuille.TxtNomJoueur = f->feuille.TxtNomPerso = ss(nom);
    return f;
}
} // namespace

class TestImpression : public QObject {
    Q_OBJECT
private slots:
    void page() { // a 300-letter name in several scripts: the hardest case for the layout
        const QString nom = u"Ωμέγα Жуков Ærøskøbing "_s.repeated(13).left(300);
        ProgrammeTest p;
        FrmPrincipaleVorn* fiche = agent(p, nom);
        const FeuilleVorn& f = fiche->feuille;
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"fiche.pdf"_s);
        QCOMPARE(EcrireFichePdf(pdf, f), QString());
        QVERIFY(NomFichierPdf(nom).toUtf8().size() < 250); // file systems take 255-byte names
        QStringList attendu{u"Champs d'expérience Microphotographie Cryptanalyse Droit Médecine Chimie Physique"_s,
                            u"Nom du Joueur %1 Nom du Personnage %1 Rang '00' Sexe Féminin Ancienne profession %2 "
                            u"Points de génération restants %3 Points de célébrité (cicatrices) %4 Caractéristiques "
                            u"FOR 12 DEX 5 VOL 5 PER 5 INT 5 Vitesse %5 Endurance %6 h Course/Nage %7 mn Charge %8 kg "
                            u"Classe de Dégats à Mains Nues %9 Description Apparence Séduisante Taille 1,61 - 1,65 m "
                            u"Poids 87 - 93 kg Age 33 ans Faiblesse Attirance pour les Membres du Sexe Opposé "_s.arg(
                                nom.trimmed(), qs(f.TxtProfession), qs(f.TxtPtGénération), qs(f.TxtPtCélébrité),
                                qs(f.TxtVitesse), qs(f.TxtEndurance), qs(f.TxtCourse), qs(f.TxtCharge), qs(f.TxtClasse)) +
                                u"Cicatrices "_s + qs(f.LstCicatrices[0])};
        for (std::size_t i = 0; i < 24; ++i)
            attendu << u"%1%2 %3 %4 %5 %6"_s.arg(qs(Competences[i].nom), f.lignes[i].valeur == 2 ? u" (libre)"_s : u""_s,
                                                  qs(FormuleCompetence(static_cast<int>(i)))).arg(f.lignes[i].base).arg(f.lignes[i].niveau).arg(f.lignes[i].cb);
        for (const QString texte = pdftotext(u"-raw"_s, pdf); const QString& a : attendu) QVERIFY2(texte.contains(a), qPrintable(a));
        const QRegularExpression a4(u"<page width=\"59[45][.]\\d+\" height=\"84[12][.]"_s);
        QCOMPARE(pdftotext(u"-bbox"_s, pdf).count(a4), 1); // one page
        // The menu, in order; printing cancelled in its dialog, opened while an arrow was held (it repeats).
        QStringList vus;
        auto* fleche = fiche->findChild<QWidget*>(u"UpDownNiv(2)"_s)->findChild<QAbstractButton*>(u"haut"_s);
        QTest::mousePress(fleche, Qt::LeftButton); // held (it repeats) until the dialog opens
        dialogueImpression() = [&](QWidget*, QPrinter&, const DessinPage&) { return (vus << u"%1"_s.arg(fleche->isDown())).isEmpty(); };
        fiche->MnuImprimer->trigger(); // cancelled
        for (const QMenu* m : {fiche->MnuAgent, fiche->MnuPtInt})
            for (const QAction* a : m->actions()) vus << a->objectName() + u'|' + a->text() + u'|' + a->shortcut().toString();
        QCOMPARE(vus, (QStringList{u"0"_s, u"MnuNouveau|&Nouveau|"_s, u"MnuImprimer|&Imprimer…|Ctrl+P"_s,
                                   u"MnuExporterPDF|Exporter en &PDF…|"_s, u"MnuTiret||"_s, u"MnuQuitter|&Quitter|"_s,
                                   u"MnuAPropos|&À Propos|"_s}));
    }

    void exportation_data() {
        QTest::addColumn<QString>("chemin");
        QTest::addColumn<QString>("raison"); // none: exported
        QTest::newRow("dossier absent") << u"absent/fiche.pdf"_s << u"n'existe pas"_s;
        QTest::newRow("parent fichier") << u"ancien.pdf/fiche.pdf"_s << u"n'est pas un dossier"_s;
        QTest::newRow("/proc") << u"/proc/fiche.pdf"_s << u"n'accepte pas l'écriture"_s;
        QTest::newRow("remplace, .pdf ajouté") << u"ancien"_s << QString();
    }
    void exportation() {
        QFETCH(QString, chemin);
        QFETCH(QString, raison);
        QTemporaryDir dir;
        QFile ancien(dir.filePath(u"ancien.pdf"_s));
        QVERIFY(ancien.open(QIODevice::WriteOnly) && ancien.write(QByteArray(500000, 'x')) && ancien.flush());
        ProgrammeTest p;
        FrmPrincipaleVorn* f = agent(p, u" A/B :C "_s);
        const QImage avant = f->grab().toImage();
        choixFichierPdf() = [&](QWidget*, const QString& propose) { return propose == u"A_B _C.pdf"_s ? chemin : QString(); };
        chemin = QDir(dir.path()).filePath(chemin);
        f->MnuExporterPDF->trigger();
        QCOMPARE(f->grab().toImage(), avant);
        const QRegularExpression boite(u"(?s)^Erreur - Exportation [|] La fiche n'a pas pu .*%1.* [|] 48$"_s.arg(raison));
        QCOMPARE(p.messages.journal().join(u'\n').contains(boite), !raison.isEmpty());
        QVERIFY(!QFileInfo::exists(chemin) && QDir(dir.path()).entryList(QDir::Files) == QStringList{u"ancien.pdf"_s});
        // Replaced whole (a page is far smaller than the old file), or not at all.
        QCOMPARE(QFileInfo(ancien.fileName()).size() < 500000 && pdftotext(u"-raw"_s, ancien.fileName()).contains(u"A/B :C"_s),
                 raison.isEmpty());
    }

};

QTEST_MAIN(TestImpression)
#include "tst_impression.moc"
