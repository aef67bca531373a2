#pragma once

#include <QColor>

// The program's fixed colours, whatever the desktop theme but a high-contrast one (ThemeVorn.h).
struct CouleursVorn {
    // Light grey (red, green and blue 224): labels' and lines' backgrounds.
    static constexpr QColor grisClair() { return QColor(224, 224, 224); }
    // Grey (192): an unavailable entry's box on the sheet.
    static constexpr QColor gris() { return QColor(192, 192, 192); }
};
