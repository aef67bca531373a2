#pragma once

#include <QByteArray>
#include <QString>

// Qt 6.4's PDF writer gives the text layer (copy, search, screen readers) only
// the characters up to U+FFFF: glyphs of the others, emoji among them, are
// drawn but read as nothing. This gives those glyphs their characters back in
// a PDF from that writer, `textes` being every text drawn, in drawing order.
// The writer numbers each font's glyphs in the order it first draws them, one
// glyph per text operator, so the glyphs without a character, in the order the
// page draws them, are the characters beyond U+FFFF in the order the texts hold
// them. Where the counts differ, the PDF is returned as it was.
QByteArray CompleterTextePdf(const QByteArray& pdf, const QString& textes);
