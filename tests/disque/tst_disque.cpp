// A nearly full disk, from no free space to past the file's size in 4 KiB steps: each way the program writes a file
// either writes it whole and valid, or shows its error box and leaves the old file byte for byte; no temporary file is
// ever left. Runs on the tmpfs that disque-plein.sh mounts at $VORN_DISQUE.
#include "Programme.h"

#include "FichierAgent.h"

#include <fcntl.h>
#include <sys/statvfs.h>

namespace {
const QString Cible = u"ancien.pdf"_s, Remplissage = u"remplissage"_s;
const QByteArray Ancien = QByteArray("%PDF-1.4 ancienne fiche\n").repeated(700); // five pages of 4 KiB

qint64 libre(const QString& dossier) {
    struct statvfs s {};
    return ::statvfs(QFile::encodeName(dossier).constData(), &s) == 0 ? qint64(s.f_bavail) * qint64(s.f_frsize) : -1;
}

// The folder emptied, the old file written, and all but `reste` bytes taken up; false when that cannot be done.
bool preparer(QDir dossier, qint64 reste) {
    for (const QString& n : dossier.entryList(QDir::Files | QDir::Hidden))
        if (!dossier.remove(n)) return false;
    QFile vieux(dossier.filePath(Cible)), plein(dossier.filePath(Remplissage));
    if (!vieux.open(QIODevice::WriteOnly) || vieux.write(Ancien) != Ancien.size() || !vieux.flush()) return false;
    vieux.close();
    const qint64 aPrendre = libre(dossier.path()) - reste;
    if (aPrendre < 0 || !plein.open(QIODevice::WriteOnly)) return false;
    if (aPrendre > 0 && ::posix_fallocate(plein.handle(), 0, aPrendre) != 0) return false;
    plein.close();
    return libre(dossier.path()) == reste;
}

// Why the file is not whole and valid, or nothing: the agent opens again, a PDF passes qpdf's check.
QString invalide(bool agent, const QString& chemin) {
    QFile lu(chemin);
    if (agent) return lu.open(QIODevice::ReadOnly) ? qs(VerifierAgent(lu.readAll().toStdString())) : lu.errorString();
    QProcess qpdf;
    qpdf.start(u"qpdf"_s, {u"--check"_s, chemin});
    if (!qpdf.waitForFinished(60000) || qpdf.exitStatus() != QProcess::NormalExit) return u"qpdf n'a pas tourné"_s;
    return qpdf.exitCode() == 0 ? QString() : u"qpdf --check : %1"_s.arg(qpdf.exitCode());
}
} // namespace

class TestDisque : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        PreparerApplication(*qApp);
        QVERIFY2(qEnvironmentVariableIsSet("VORN_DISQUE"), "lancé sans son tmpfs : passer par disque-plein.sh");
        QVERIFY2(!QStandardPaths::findExecutable(u"qpdf"_s).isEmpty(), "qpdf manque");
    }

    // The menu entry, and the title of its error box; the file chooser or print dialog answers the path.
    void disquePlein_data() {
        QTest::addColumn<QString>("titre");
        QTest::addColumn<QAction * FrmPrincipaleVorn::*>("menu");
        QTest::newRow("export PDF") << u"Exportation"_s << &FrmPrincipaleVorn::MnuExporterPDF;
        QTest::newRow("impression PDF") << u"Impression"_s << &FrmPrincipaleVorn::MnuImprimer;
        QTest::newRow("agent") << u"Enregistrement"_s << &FrmPrincipaleVorn::MnuEnregistrerSous;
    }
    void disquePlein() {
        QFETCH(QString, titre);
        QFETCH(QAction * FrmPrincipaleVorn::*, menu);
        const bool agent = menu == &FrmPrincipaleVorn::MnuEnregistrerSous;
        const QDir dossier(qEnvironmentVariable("VORN_DISQUE"));
        const QString chemin = dossier.filePath(Cible);
        ProgrammeTest p;
        FrmPrincipaleVorn* f = p.allerALaFeuille();
        f->feuille.TxtNomPerso = "AGENT 😀"; // the text layer completed after the writer: still a valid file
        const auto ecrire = [&] {
            p.messages.vus.clear();
            p.fichiers.repondre(chemin);
            p.impression.repondre([&chemin](QPrinter& imprimante) {
                imprimante.setOutputFormat(QPrinter::PdfFormat);
                imprimante.setOutputFileName(chemin);
                return true;
            });
            (f->*menu)->trigger();
            p.fichiers.reponses.clear();
            p.impression.reponses.clear();
        };
        QElapsedTimer minuteur;
        minuteur.start();
        // With room to spare, to learn the file's size.
        QVERIFY(preparer(dossier, 1 << 20));
        ecrire();
        QVERIFY2(p.messages.vus.empty() && invalide(agent, chemin).isEmpty(), qPrintable(invalide(agent, chemin)));
        const qint64 taille = QFileInfo(chemin).size();

        // Every amount is tried before the verdict, so that a failure shows them all.
        QStringList fautes;
        int ecrits = 0, refus = 0;
        for (qint64 reste = 0; reste <= taille + 8192; reste += 4096) {
            QVERIFY2(preparer(dossier, reste), qPrintable(u"%1 octets libres impossibles"_s.arg(reste)));
            ecrire();
            const QStringList boites = p.messages.journal();
            QFile lu(chemin);
            const bool intact = lu.open(QIODevice::ReadOnly) && lu.readAll() == Ancien;
            const bool boite = boites.size() == 1 && boites[0].startsWith(u"Erreur - "_s + titre + u" | "_s);
            const QStringList laisses = dossier.entryList(QDir::Files | QDir::Hidden);
            QString issue = !boites.empty() && !boite ? boites.join(u' ')
                            : boite != intact         ? (boite ? u"boîte, fichier remplacé"_s : u"fichier gardé"_s)
                            : intact                  ? QString()
                                                      : invalide(agent, chemin);
            if (issue.isEmpty() && laisses != QStringList{Cible, Remplissage}) issue = laisses.join(u' ');
            if (!issue.isEmpty()) fautes << u"%1 Kio libres : %2"_s.arg(reste / 1024).arg(issue);
            (boite ? refus : ecrits)++;
            QVERIFY2(minuteur.elapsed() < 120000, "trop lent");
        }
        QVERIFY2(fautes.isEmpty(), qPrintable(fautes.join(u" ; "_s)));
        // Refused with no room at all, written once the room is there.
        QVERIFY(refus > 0 && ecrits > 0);
    }
};

QTEST_MAIN(TestDisque)
#include "tst_disque.moc"
