#pragma once
// What every window of the program shares: its colour, font and placement,
// how it is shown, and how the file's Shift-JIS bytes become screen text.

#include <QFont>
#include <QPoint>
#include <QString>
#include <string>
#include <string_view>

class QWidget;

namespace quorvel::ui {

// "ＭＳ Ｐゴシック", falling back to an installed Japanese face; navy is set by
// ApplyDesignedLook through the palette.
QFont DesignedFont(int pixelSize = 13, bool bold = true);

// The light-blue background, the designed font and navy text.
void ApplyDesignedLook(QWidget* window);

// Moves the window to its designed place, or as near as the available screen
// allows when that place lies partly off it.
void PlaceOnScreen(QWidget* window, QPoint designedTopLeft);

// Shows a window without blocking, or brings it to the front when it is open.
void ShowAndRaise(QWidget* window);

// Cell and file text: the source's bytes, shown as Windows-31J.
QString DecodeSjis(std::string_view bytes);
// Texts of the program itself (labels, messages), which are UTF-8.
inline QString FromUtf8(const std::string& text) { return QString::fromUtf8(text); }
// A path as the system spells it, and back.
QString PathToQString(const std::string& path);
std::string PathFromQString(const QString& path);

}  // namespace quorvel::ui
