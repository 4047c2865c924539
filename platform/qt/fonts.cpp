#include "platform/qt/fonts.h"

#include <array>
#include <cmath>
#include <utility>

#include <QFontDatabase>

namespace vorn::qt {

namespace {

struct LookAlike {
  const char* name;
  const char* family;
};

constexpr std::array<LookAlike, 6> kLookAlikes{{
    {"メイリオ", "Noto Sans CJK JP"},
    {"ＭＳ 明朝", "Noto Serif CJK JP"},
    {"ＭＳ Ｐゴシック", "Noto Sans CJK JP"},
    {"ＭＳ ゴシック", "Noto Sans CJK JP"},
    {"Times New Roman", "Liberation Serif"},
    {"Arial", "Liberation Sans"},
}};

QFont WithStyle(const ui::FontSpec& font)
{
  QFont f(ShownFamily(font.name));
  f.setBold(font.bold);
  f.setItalic(font.italic);
  return f;
}

}  // namespace

QString ShownFamily(const std::string& name)
{
  const QString family = QString::fromStdString(name);
  if (QFontDatabase::hasFamily(family)) return family;
  for (const LookAlike& l : kLookAlikes)
    if (name == l.name) return QString::fromUtf8(l.family);
  return family;
}

void RegisterFontSubstitutions()
{
  for (const LookAlike& l : kLookAlikes) QFont::insertSubstitution(QString::fromUtf8(l.name), QString::fromUtf8(l.family));
}

QFont ScreenFont(const ui::FontSpec& font)
{
  QFont f = WithStyle(font);
  // 20 twips a point, 15 twips a pixel.
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(font.size * 20.0 / 15.0))));
  return f;
}

QFont PrinterFont(const ui::FontSpec& font)
{
  QFont f = WithStyle(font);
  f.setPointSizeF(font.size);
  return f;
}

}  // namespace vorn::qt
