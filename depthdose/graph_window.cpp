#include "depthdose/graph_window.h"

#include <cmath>
#include <string>

#include "depthdose/depthdose_program.h"
#include "depthdose/effective_dose_window.h"
#include "depthdose/graph_drawing.h"
#include "platform/errors.h"
#include "platform/format/format.h"
#include "text/error_texts.h"

namespace vorn::pdd {

namespace {

const ui::Color kLightCyan = ui::colors::LightCyan;
const ui::Color kLightYellow = ui::colors::LightYellow;

}  // namespace

Form1::Form1(DepthDoseProgram& program) : Form(program.app, "Form1"), program_(program)
{
  const DepthDoseTexts& t = program.texts();
  const bool japanese = program.edition() == Edition::Japanese;

  SetCaption(std::string(t.GraphCaption));
  SetSize(8655, 9720);
  if (japanese) {
    SetFont({"メイリオ", 9.75, false, false});
  } else {
    SetFont({"Times New Roman", 12, false, false});
  }
  SetKeyPreview(true);  // the arrow keys step the cursor whatever has the focus

  Picture1.SetBackColor(ui::colors::White);
  Picture1.SetAutoRedraw(true);
  Picture1.Scale(-150, 90, 1100, 900);
  Picture1.SetFont({"Times New Roman", 15.75, false, false});

  Label4.SetCaption(std::string(t.SurfaceDoseBefore));
  Label4.SetBackColor(kLightCyan);
  Label20.SetCaption(std::string(t.DepthLabel));
  Label20.SetBackColor(ui::colors::White);
  Label20.SetVisible(false);
  Label15.SetCaption(std::string(t.DepthSeparator));
  Label15.SetAlignment(ui::Alignment::Center);
  Label15.SetBackColor(ui::colors::White);
  Label15.SetVisible(japanese);
  Label6.SetCaption(std::string(t.DepthUnit));
  Label6.SetBackColor(ui::colors::White);
  Label1.SetCaption(std::string(t.DoseLabel));
  Label1.SetBackColor(ui::colors::White);
  Label2.SetCaption(std::string(t.DoseUnit));
  Label2.SetBackColor(ui::colors::White);
  for (ui::TextBox* box : {&Text12, &Text6, &Text1}) {
    box->SetBackColor(kLightCyan);
    box->SetAlignment(ui::Alignment::Right);
  }
  for (ui::TextBox* box : {&Text7, &Text13, &Text14}) {
    box->SetBackColor(kLightYellow);
    box->SetAlignment(ui::Alignment::Right);
    box->SetVisible(japanese);
  }
  Text13.SetForeColor(ui::colors::Red);
  Text14.SetForeColor(ui::colors::Blue);

  Line1.SetBorderColor(ui::colors::Black);
  Line3.SetBorderColor(ui::colors::Red);
  Line4.SetBorderColor(ui::colors::Blue);
  Line2.SetBorderColor(ui::colors::Red);
  for (ui::LineControl* line : {&Line1, &Line2, &Line3, &Line4}) line->SetVisible(false);

  Label3.SetCaption(std::string(t.MouseHint));
  Label3.SetForeColor(ui::colors::Blue);
  Command3.SetCaption(std::string(t.GoToEffectiveDose));
  Command3.SetBackColor(kLightYellow);

  Load = [this] { Form_Load(); };
  Unload = [this](bool&) { Form_Unload(); };
  KeyDown = [this](int keyCode, int) { Form_KeyDown(keyCode); };
  Picture1.MouseMove = [this](int, int, double x, double y) { Picture1_MouseMove(x, y); };
  Command3.Click = [this] { Command3_Click(); };
}

void Form1::StopStartup(const std::exception& error)
{
  std::string message(program_.texts().StartupFailed);
  message += "\n";
  message += ErrorText(error, program_.edition(), program_.WorkingFolder());
  App().MsgBox(message, ui::vbCritical);
  App().End();
}

void Form1::Form_Load()
{
  Module1& m = program_.module();
  const DepthDoseTexts& t = program_.texts();

  // Whatever an earlier run left is no answer for this beam.
  m.DeleteOldEffectiveDose();
  try {
    m.ReadHandoverFile();
  } catch (const Error& e) {
    StopStartup(e);
    return;
  }
  App().DoEvents();

  if (m.ThicknessExceedsCap()) {
    App().MsgBox(std::string(t.ThicknessOver40), ui::vbExclamation | ui::vbOKOnly);
    const bool accepted = App().MsgBox(std::string(t.AssumeThickness40), ui::vbOKCancel) == ui::vbOK;
    Command3.SetEnabled(m.ApplyThicknessAnswer(accepted));
  } else {
    Command3.SetEnabled(true);
  }

  // The Japanese layout starts with these boxes empty already.
  if (program_.edition() == Edition::English) {
    Text1.SetText("");
    Text12.SetText("");
    Text6.SetText("");
  }
  Label4.SetCaption(std::string(t.SurfaceDoseBefore) + NumberText(m.InEntranceSurfaceDose) +
                    std::string(t.SurfaceDoseAfter));

  try {
    m.LoadAttenuationData();
  } catch (const Error& e) {
    StopStartup(e);
    return;
  }
  App().DoEvents();
  // It tells the user itself when it fails; the graph shows what there is,
  // but no effective dose can be estimated from it.
  if (!m.CalcDepthDose()) Command3.SetEnabled(false);
  App().DoEvents();
  DrawDepthDoseGraph(Picture1, m, t);

  m.KeyStepOn = 0;
  m.MouseReadOn = 1;
  program_.LoadOrganData();
}

void Form1::Form_Unload()
{
  // The scratch table stays: only the effective-dose window's exit deletes it.
  App().End();
}

void Form1::Picture1_MouseMove(double x, double y)
{
  Module1& m = program_.module();
  if (m.MouseReadOn != 1) return;
  if (x > 0.0 && x < kUnitsPerCm * m.InObjectThickness && y > kPlotTop && y < kPlotBottom) {
    for (ui::LineControl* line : {&Line1, &Line2, &Line3, &Line4}) line->SetVisible(true);
    m.CursorIndex = CursorSlab(x);
    if (m.CursorIndex <= kLastPlottedSlab) {
      ShowSlab(m.CursorIndex, false);
      for (ui::Control* c : std::initializer_list<ui::Control*>{&Text6, &Text7, &Text12, &Text1, &Text13,
                                                                 &Text14, &Label15, &Label20}) {
        c->SetVisible(true);
      }
    }
  } else {
    for (ui::LineControl* line : {&Line1, &Line2, &Line3, &Line4}) line->SetVisible(false);
  }
  m.KeyStepOn = 1;
}

void Form1::Form_KeyDown(int keyCode)
{
  Module1& m = program_.module();
  if (m.KeyStepOn != 1) return;
  if (keyCode == ui::vbKeyRight) {
    if (m.CursorIndex + 1 > 2.0 * m.InObjectThickness) return;
    ++m.CursorIndex;
  } else if (keyCode == ui::vbKeyLeft) {
    if (m.CursorIndex - 1 < 1) return;
    --m.CursorIndex;
  } else {
    return;
  }
  if (m.CursorIndex <= kLastPlottedSlab) ShowSlab(m.CursorIndex, true);
}

void Form1::ShowSlab(int j, bool after_key)
{
  const Module1& m = program_.module();
  const double x = SlabX(j);
  Line2.SetEnds({x, kPlotTop, x, kPlotBottom});
  auto level = [](ui::LineControl& line, double percent) {
    const double y = CursorLevelY(percent);
    line.SetEnds({kPlotLeft, y, kPlotRight, y});
  };
  // Slabs beyond the table (and all of them after a failed computation) hold
  // no dose: their levels lie on the bottom edge, as any dose under 0.1 %.
  const bool has_dose = j <= kLastSlab && m.PddTable[3][j] > 0.0;
  const double total = has_dose ? m.PddTable[3][j] : 0.0;
  const double primary = has_dose ? m.PddTable[1][j] : 0.0;
  const double scatter = has_dose ? m.PddTable[2][j] : 0.0;
  level(Line1, total);
  level(Line3, primary);
  level(Line4, scatter);

  const char* depth_pattern = after_key ? "##0.0cm" : "##0.0";
  Text12.SetText(Format(0.5 * j - 0.5, depth_pattern));
  Text6.SetText(Format(0.5 * j, depth_pattern));
  if (has_dose) {
    Text1.SetText(Format(m.InEntranceSurfaceDose * total / 100.0, "##0.###"));
    Text7.SetText(Format(total / 100.0, "##0.00%"));
    Text13.SetText(Format(primary / 100.0, "##0.00%"));
    Text14.SetText(Format(scatter / 100.0, "##0.00%"));
  } else {
    const std::string none(program_.texts().NoValue);
    for (ui::TextBox* box : {&Text1, &Text7, &Text13, &Text14}) box->SetText(none);
  }
}

void Form1::Command3_Click()
{
  const Module1& m = program_.module();
  const DepthDoseTexts& t = program_.texts();
  pdd::Form2& form2 = *program_.Form2;
  form2.Label71.SetCaption(m.InSiteName);
  form2.Label72.SetCaption(std::string(t.ThicknessBefore) + NumberText(m.InObjectThickness) +
                           std::string(t.ThicknessAfter));
  const bool japanese = program_.edition() == Edition::Japanese;
  if (japanese) Command3.SetEnabled(false);  // opened once; the graph stays in use
  form2.Show();
  if (!japanese) Hide();
}

}  // namespace vorn::pdd
