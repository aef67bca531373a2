#pragma once

#include <QString>

#include <string>
#include <string_view>

// The record keeps UTF-8 strings; the widgets show QStrings.
inline QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string ss(const QString& s) { return s.toStdString(); }
