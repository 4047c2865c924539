// A picture box: a drawing surface (Canvas) whose drawing stays until Cls, and
// a container whose controls are placed in the picture's scale.
//
//   graphPicture.Scale(-150, 90, 1100, 900);      // left, top, width, height
//   graphPicture.Line(0, 110, 900, 110, ui::QBColor(7));
//   graphPicture.SetCurrentX(500); graphPicture.SetCurrentY(350);
//   graphPicture.Print("Vorn-V18");
//   ui::FindText(graphPicture.Items(), "Vorn-V18")->at   // {500, 350}
//
// Its ForeColor and font are the drawing's (the controls inside take the font
// of the picture's own container). MouseMove and the other mouse events give
// x and y in the picture's scale.
#pragma once

#include <string>

#include "platform/ui/canvas.h"
#include "platform/ui/control.h"
#include "platform/ui/label.h"

namespace vorn::ui {

class PictureBox final : public Control, public Container, public Canvas {
public:
  PictureBox(ui::Container& parent, std::string name, Rect bounds = {});

  ui::Kind Kind() const override { return ui::Kind::PictureBox; }
  bool TakesFocus() const override { return true; }
  Form& OwnerForm() const override { return Control::OwnerForm(); }

  // Erases the drawing; the current point goes to 0, 0.
  void Cls();
  const DisplayList& Items() const { return items_; }

  // The drawing keeps itself whatever this says (the binding repaints it from
  // the display list); kept so that form code reads as designed.
  bool AutoRedraw() const { return autoRedraw_; }
  void SetAutoRedraw(bool on) { autoRedraw_ = on; }
  ui::BorderStyle BorderStyle() const { return border_; }
  void SetBorderStyle(ui::BorderStyle border);
  // The drawing area inside the border, in twips (2 pixels of border a side).
  Size DrawingAreaTwips() const override;

  // The drawing colour and font (the Canvas's).
  Color ForeColor() const { return Canvas::ForeColor(); }
  void SetForeColor(Color c) { Canvas::SetForeColor(c); }
  FontSpec Font() const { return Canvas::Font(); }
  void SetFont(const FontSpec& f) { Canvas::SetFont(f); }
  std::string FontName() const { return Canvas::FontName(); }
  void SetFontName(std::string name) { Canvas::SetFontName(std::move(name)); }
  double FontSize() const { return Canvas::FontSize(); }
  void SetFontSize(double points) { Canvas::SetFontSize(points); }
  bool FontBold() const { return Canvas::FontBold(); }
  void SetFontBold(bool bold) { Canvas::SetFontBold(bold); }
  bool FontItalic() const { return Canvas::FontItalic(); }
  void SetFontItalic(bool italic) { Canvas::SetFontItalic(italic); }

  // ---- Container ----
  FontSpec ChildFont() const override { return Parent().ChildFont(); }
  UserScale ChildScale() const override { return CurrentScale(); }
  bool ChildrenReachable() const override { return Reachable(); }

protected:
  const FontMetrics& Metrics() const override;
  FontSpec DefaultFont() const override { return Parent().ChildFont(); }
  DisplayList& StartDrawing() override { return items_; }
  void Drawn() override { Changed(Prop::Drawing); }
  void ScaleChanged() override { Changed(Prop::Scale); }

private:
  DisplayList items_;
  bool autoRedraw_ = false;
  ui::BorderStyle border_ = ui::BorderStyle::FixedSingle;
};

}  // namespace vorn::ui
