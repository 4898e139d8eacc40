#pragma once
// The colours of the classic sixteen-colour palette that the windows' texts
// and pictures are drawn in, by their usual names.
#include <QColor>

namespace vadelon {

inline constexpr QColor kBlue = QColorConstants::Blue;
inline constexpr QColor kRed = QColorConstants::Red;
inline constexpr QColor kYellow = QColorConstants::Yellow;
inline constexpr QColor kNavy = QColorConstants::DarkBlue;
inline constexpr QColor kMaroon = QColorConstants::DarkRed;
inline constexpr QColor kGreen = QColorConstants::DarkGreen;
inline constexpr QColor kPurple = QColorConstants::DarkMagenta;

}  // namespace vadelon
