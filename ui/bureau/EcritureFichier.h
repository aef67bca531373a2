#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

// Every file the program writes goes through here: the whole content goes to a
// temporary file in the target's folder, every step is checked (write, flush,
// sync to disk), and only then does that file take the target's place in one
// rename. On failure the target is left as it was, byte for byte, and the
// temporary file is removed.
//
// Both forms return an empty string on success, otherwise the system's own
// reason for the failure (as the platform words it, not a guess).

// Writes `contenu` as the whole file `chemin`.
QString EcrireFichier(const QString& chemin, const QByteArray& contenu);

// Lets `produire` write the content into the device it is given (a QPdfWriter
// on it, for instance). `produire` returns an empty string when it produced
// the whole content, otherwise why it could not; then nothing is replaced.
using ProductionFichier = std::function<QString(QIODevice& sortie)>;
QString EcrireFichier(const QString& chemin, const ProductionFichier& produire);
