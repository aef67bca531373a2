// A nearly full disk: for every amount of free space from none to past the file's size, in 4 KiB steps, each way the
// program writes a file either writes it complete and valid, or shows its error box and leaves the old file byte for
// byte; no temporary file is ever left. Runs on the tmpfs that disque-plein.sh mounts at $VORN_DISQUE.
#include "Programme.h"

#include "FichierAgent.h"

#include <fcntl.h>
#include <sys/statvfs.h>

namespace {
constexpr qint64 Pas = 4096;
const QString Cible = u"ancien.pdf"_s, Remplissage = u"remplissage"_s;

// One way of writing a file: the menu entry, the file chooser or print dialog answering the path.
struct Ecriture {
    const char* nom;
    QString titreBoite;
    QAction* FrmPrincipaleVorn::*menu;
};
const Ecriture Ecritures[] = {{"export PDF", u"Erreur - Exportation"_s, &FrmPrincipaleVorn::MnuExporterPDF},
                              {"impression PDF", u"Erreur - Impression"_s, &FrmPrincipaleVorn::MnuImprimer},
                              {"agent", u"Erreur - Enregistrement"_s, &FrmPrincipaleVorn::MnuEnregistrerSous}};

// Why the file is not whole and valid, or nothing: the agent opens again, a PDF passes qpdf's check.
QString invalide(const Ecriture& e, const QString& chemin) {
    QFile lu(chemin);
    if (e.menu == &FrmPrincipaleVorn::MnuEnregistrerSous)
        return lu.open(QIODevice::ReadOnly) ? qs(VerifierAgent(lu.readAll().toStdString())) : lu.errorString();
    QProcess qpdf;
    qpdf.start(u"qpdf"_s, {u"--check"_s, chemin});
    if (!qpdf.waitForFinished(60000) || qpdf.exitStatus() != QProcess::NormalExit) return u"qpdf n'a pas tourné"_s;
    return qpdf.exitCode() == 0 ? QString() : u"qpdf --check : %1"_s.arg(qpdf.exitCode());
}

bool vider(QDir dossier) {
    bool fait = true;
    for (const QString& n : dossier.entryList(QDir::Files | QDir::Hidden)) fait = dossier.remove(n) && fait;
    return fait;
}

qint64 libre(const QString& dossier) {
    struct statvfs s {};
    return ::statvfs(QFile::encodeName(dossier).constData(), &s) == 0 ? qint64(s.f_bavail) * qint64(s.f_frsize) : -1;
}

// Takes up all but `reste` bytes of the file system with one file; false when that cannot be done exactly.
bool remplir(const QDir& dossier, qint64 reste) {
    const qint64 aPrendre = libre(dossier.path()) - reste;
    QFile f(dossier.filePath(Remplissage));
    if (aPrendre < 0 || !f.open(QIODevice::WriteOnly)) return false;
    if (aPrendre > 0 && ::posix_fallocate(f.handle(), 0, aPrendre) != 0) return false;
    f.close();
    return libre(dossier.path()) == reste;
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

    void disquePlein_data() {
        QTest::addColumn<int>("k");
        for (int k = 0; k < 3; ++k) QTest::newRow(Ecritures[k].nom) << k;
    }
    void disquePlein() {
        QFETCH(int, k);
        const Ecriture& e = Ecritures[k];
        const QDir dossier(qEnvironmentVariable("VORN_DISQUE"));
        const QString chemin = dossier.filePath(Cible);
        const QByteArray ancien = QByteArray("%PDF-1.4 ancienne fiche\n").repeated(700); // five pages of 4 KiB
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
            (f->*e.menu)->trigger();
            p.fichiers.reponses.clear();
            p.impression.reponses.clear();
        };
        QElapsedTimer minuteur;
        minuteur.start();

        // With room to spare, to learn the file's size.
        QVERIFY(vider(dossier));
        ecrire();
        QVERIFY2(p.messages.vus.empty() && invalide(e, chemin).isEmpty(), qPrintable(invalide(e, chemin)));
        const qint64 taille = QFileInfo(chemin).size();

        // Every amount is tried before the verdict, so that a failure shows them all.
        QStringList fautes;
        int ecrits = 0, refus = 0;
        for (qint64 reste = 0; reste <= taille + 2 * Pas; reste += Pas) {
            QVERIFY(vider(dossier));
            QFile vieux(chemin);
            QVERIFY(vieux.open(QIODevice::WriteOnly) && vieux.write(ancien) == ancien.size() && vieux.flush());
            vieux.close();
            QVERIFY2(remplir(dossier, reste), qPrintable(u"impossible de laisser %1 octets libres"_s.arg(reste)));

            ecrire();

            const QStringList boites = p.messages.journal();
            QFile lu(chemin);
            const bool intact = lu.open(QIODevice::ReadOnly) && lu.readAll() == ancien;
            const bool boite = boites.size() == 1 && boites[0].startsWith(e.titreBoite + u" | "_s);
            const QStringList laisses = dossier.entryList(QDir::Files | QDir::Hidden);
            QString issue = !boites.empty() && !boite ? boites.join(u' ')
                            : boite != intact         ? (boite ? u"boîte, ancien fichier remplacé"_s
                                                               : u"pas de boîte, ancien fichier gardé"_s)
                            : intact                  ? QString()
                                                      : invalide(e, chemin);
            if (issue.isEmpty() && laisses != QStringList{Cible, Remplissage})
                issue = u"laissés "_s + laisses.join(u' ');
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
