// The fonts the windows name, on this desktop: the Japanese and Windows fonts
// are replaced by installed look-alikes.
#pragma once

#include <QFont>
#include <QString>

#include "platform/ui/font.h"

namespace vorn::qt {

// The family shown for a font name: the name itself when it is installed,
// else its look-alike ("メイリオ" -> "Noto Sans CJK JP", "ＭＳ 明朝" ->
// "Noto Serif CJK JP", "ＭＳ Ｐゴシック" and "ＭＳ ゴシック" -> "Noto Sans CJK JP",
// "Times New Roman" -> "Liberation Serif", "Arial" -> "Liberation Sans"),
// else the name (Qt then picks a fallback).
QString ShownFamily(const std::string& name);

// Registers the look-alikes with QFont::insertSubstitution as well, so that
// fonts named anywhere else find them. Call once after QApplication exists.
void RegisterFontSubstitutions();

// A screen font: its size in whole pixels at 15 twips per pixel, so that text
// fits the windows' twip layout whatever the desktop's dots per inch.
QFont ScreenFont(const ui::FontSpec& font);

// A printer font, sized in points.
QFont PrinterFont(const ui::FontSpec& font);

}  // namespace vorn::qt
