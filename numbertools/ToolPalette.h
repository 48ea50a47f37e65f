#pragma once
// Colours and title font shared by the number-tool windows, applied when a
// window activates.
#include <QColor>
#include <QString>

namespace tv::toolPalette {

inline const QColor ToolFormColor{0xF1, 0xEE, 0xBB};   // window background
inline const QColor TableFormColor{0xE1, 0xD5, 0xA8};  // Pentagonal, Unit Fractions, Square Root
inline const QColor ToolEditColor{0xFF, 0xFF, 0xDD};   // entry boxes
inline const QColor ToolButtonColor{0xCC, 0xBB, 0x99}; // action button face
inline const QColor ExitButtonColor{0xFF, 0x00, 0x00};
inline const QColor ExitButtonFontColor{0xFF, 0xFF, 0x00};
inline const QColor ToolTitleFontColor{0x01, 0x46, 0xFF};
inline const QString ToolTitleFontName = QStringLiteral("Arial");
inline constexpr int ToolTitleFontSize = 22; // points

} // namespace tv::toolPalette
