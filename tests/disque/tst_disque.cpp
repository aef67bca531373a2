// A disk filled to 0, 4, 8... KiB free: saving the agent (whose writer every file goes through) writes a whole file
// that opens again, or shows its error box and leaves the old file byte for byte; no temporary file is left.
#include "Programme.h"

#include "FichierAgent.h"

#include <sys/statvfs.h>

namespace {
const QByteArray Ancien(5 * 4096, 'x');

qint64 libre(const QString& dossier) {
    struct statvfs s {};
    ::statvfs(QFile::encodeName(dossier).constData(), &s);
    return qint64(s.f_bavail) * qint64(s.f_frsize);
}

// The old file written and a filler taking all but `reste` bytes; false when that cannot be done.
bool preparer(const QDir& dossier, qint64 reste) {
    QFile plein(dossier.filePath(u"plein"_s)), vieux(dossier.filePath(u"ancien.vorn"_s));
    if (!plein.open(QIODevice::WriteOnly) || !vieux.open(QIODevice::WriteOnly)) return false;
    if (vieux.write(Ancien) != Ancien.size() || !vieux.flush()) return false;
    if (plein.write(QByteArray(libre(dossier.path()) - reste, 0)) < 0 || !plein.flush()) return false;
    return libre(dossier.path()) == reste;
}
} // namespace

class TestDisque : public QObject {
    Q_OBJECT
private slots:
    void disquePlein() {
        PreparerApplication(*qApp);
        QVERIFY(qEnvironmentVariableIsSet("VORN_DISQUE")); // disque-plein.sh's tmpfs
        const QDir dossier(qEnvironmentVariable("VORN_DISQUE"));
        const QString chemin = dossier.filePath(u"ancien.vorn"_s);
        ProgrammeTest p;
        FrmPrincipaleVorn* f = p.allerALaFeuille();
        // Until written three times; preparer() fails past the disk's size.
        for (qint64 reste = 0, ecrits = 0; ecrits < 3; reste += 4096) {
            QVERIFY(preparer(dossier, reste));
            p.messages.vus.clear();
            p.fichiers.repondre(chemin);
            f->MnuEnregistrerSous->trigger();
            QFile lu(chemin);
            const QByteArray contenu = lu.open(QIODevice::ReadOnly) ? lu.readAll() : QByteArray();
            const bool refuse = contenu == Ancien;
            QCOMPARE(p.messages.journal().size(), qsizetype(refuse));
            if (refuse)
                QCOMPARE(p.messages.vus[0].titre, u"Erreur - Enregistrement"_s);
            else
                QCOMPARE(qs(VerifierAgent(contenu.toStdString())), QString());
            QCOMPARE(dossier.entryList(QDir::Files), (QStringList{u"ancien.vorn"_s, u"plein"_s}));
            ecrits += !refuse;
        }
    }
};

QTEST_MAIN(TestDisque)
#include "tst_disque.moc"
