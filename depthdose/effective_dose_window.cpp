#include "depthdose/effective_dose_window.h"

#include <string>
#include <vector>

#include "depthdose/depthdose_program.h"
#include "depthdose/graph_window.h"
#include "platform/format/format.h"

namespace vorn::pdd {

namespace {

constexpr double kFirstRowTop = 2280;
constexpr double kRowPitch = 360;
constexpr double kBoxWidth = 1095;
constexpr double kBoxHeight = 375;
// The column headings fill this band above the first row, one label a line.
constexpr double kHeadingTop = 1230;
constexpr double kHeadingBottom = 2250;

const ui::Color kHeadingYellow = ui::Rgb(0xFF, 0xFF, 0xC0);
const ui::Color kTitleBlue = ui::Rgb(0x00, 0x00, 0xFF);

// Stacks a column heading's lines from the top of the heading band; a label
// without a text is left out, and the lines share the band's height.
template <std::size_t N>
void LayOutHeading(std::array<ui::Label, N>& labels, const std::array<std::string_view, N>& texts, double left,
                   double width)
{
  std::vector<std::pair<ui::Label*, std::string_view>> shown;
  for (std::size_t i = 0; i < N; ++i) {
    if (texts[i].empty()) {
      labels[i].SetVisible(false);
    } else {
      shown.emplace_back(&labels[i], texts[i]);
    }
  }
  const double height = (kHeadingBottom - kHeadingTop) / static_cast<double>(shown.size());
  double top = kHeadingTop;
  for (auto& [label, text] : shown) {
    label->SetCaption(std::string(text));
    label->Move(left, top, width, height);
    label->SetAlignment(ui::Alignment::Center);
    label->SetBackColor(kHeadingYellow);
    label->SetFontSize(9);
    top += height;
  }
}

}  // namespace

EffectiveDoseWindow::EffectiveDoseWindow(DepthDoseProgram& program) : Form(program.app, "Form2"), program_(program)
{
  const DepthDoseTexts& t = program.texts();
  const bool japanese = program.edition() == Edition::Japanese;

  SetCaption(std::string(t.EffectiveDoseCaption));
  if (japanese) {
    SetSize(9690, 11610);
    SetFont({"メイリオ", 11.25, false, false});
  } else {
    SetSize(9585, 11505);
    SetFont({"Times New Roman", 14.25, false, false});
  }

  titleCaption.Move(240, 150, 9000, 510);
  titleCaption.SetCaption(std::string(t.EffectiveDoseTitle));
  titleCaption.SetForeColor(kTitleBlue);
  titleCaption.SetFontSize(18);
  siteLabel.Move(600, 750, 2160, 420);
  thicknessLabel.Move(2880, 750, 3600, 420);
  for (ui::Label* label : {&siteLabel, &thicknessLabel}) {
    label->SetForeColor(kTitleBlue);
    label->SetFontSize(15.75);
  }
  underTitleLine.SetEnds({240, 690, 9330, 690});
  underSiteLine.SetEnds({240, 1170, 9330, 1170});

  LayOutHeading(organHeading, t.OrganHeading, 240, 1935);
  // The English organ names are wider ("Salivery gland"): the weight column
  // starts a little further right there.
  const double weightLeft = japanese ? 2160 : 2220;
  LayOutHeading(weightHeading, t.WeightHeading, weightLeft + 15, 1080);
  // The subscript T sits low, right after the "W" that ends the last line.
  weightSubscriptCaption.SetCaption(std::string(t.WeightSubscript));
  weightSubscriptCaption.Move(japanese ? 3015 : 3090, kHeadingBottom - 190, 150, 170);
  weightSubscriptCaption.SetFontSize(6.75);
  weightSubscriptCaption.SetBackStyle(ui::BackStyle::Transparent);
  LayOutHeading(depthHeading, t.DepthHeading, 3480, 2535);
  LayOutHeading(percentHeading, t.PercentHeading, 6240, 1575);
  LayOutHeading(resultHeading, t.ResultHeading, 8040, 1215);

  for (int row = 1; row <= kOrganRowCount; ++row) {
    OrganRowControls& r = organRows[row - 1];
    const double top = kFirstRowTop + kRowPitch * (row - 1);
    r.check.Move(japanese ? 480 : 240, top, japanese ? 1575 : weightLeft - 240, kBoxHeight);
    r.check.SetCaption(std::string(t.OrganCaption[row]));
    r.weightLabel.Move(weightLeft, top, japanese ? 975 : 1095, kBoxHeight);
    r.nearDepthBox.Move(3480, top, kBoxWidth, kBoxHeight);
    r.rangeCaption.Move(4680, top, japanese ? 330 : 225, kBoxHeight);
    r.rangeCaption.SetCaption(std::string(t.DepthRangeMark));
    r.farDepthBox.Move(japanese ? 5040 : 4920, top, kBoxWidth, kBoxHeight);
    r.percentBox.Move(6480, top, kBoxWidth, kBoxHeight);
    r.doseLabel.Move(8040, top, 1215, kBoxHeight);
    for (ui::Label* label : {&r.weightLabel, &r.doseLabel}) {
      label->SetAlignment(ui::Alignment::Center);
      label->SetBorderStyle(ui::BorderStyle::FixedSingle);
      label->SetBackColor(kHeadingYellow);
    }
    for (ui::TextBox* box : {&r.nearDepthBox, &r.farDepthBox, &r.percentBox}) {
      box->SetText("0");
      box->SetAlignment(ui::Alignment::Right);
    }
  }

  aboveCommandsLine.SetEnds({240, 8145, 9330, 8145});
  resetButton.Move(600, 8280, 1455, 495);
  resetButton.SetCaption(std::string(t.ResetButton));
  okButton.Move(japanese ? 3120 : 2280, 8280, 1455, 495);
  okButton.SetCaption(std::string(t.OkButton));
  totalCaption.Move(japanese ? 4680 : 3840, 8340, japanese ? 3120 : 3960, 435);
  totalCaption.SetCaption(std::string(t.TotalLabel));
  totalCaption.SetAlignment(ui::Alignment::Right);
  totalLabel.Move(7920, 8280, 1110, 495);
  totalLabel.SetFontSize(18);
  totalLabel.SetAlignment(ui::Alignment::Center);
  totalUnit.Move(9045, 8370, 510, 405);
  totalUnit.SetFontSize(12);
  totalUnit.SetCaption(std::string(t.TotalUnit));
  exitButton.Move(7920, japanese ? 9360 : 9240, 1455, 615);
  exitButton.SetCaption(std::string(t.ExitButton));
  exitButton.SetToolTipText(std::string(t.ExitToolTip));
  for (ui::CommandButton* button : {&okButton, &exitButton, &resetButton}) button->SetBackColor(kHeadingYellow);

  aboveProcedureLine.SetEnds({240, 8910, 7680, 8910});
  procedureHeadingCaption.Move(240, 9000, 4200, 390);
  procedureHeadingCaption.SetCaption(std::string(t.ProcedureHeading));
  procedureHeadingCaption.SetForeColor(kTitleBlue);
  procedureHeadingCaption.SetFontSize(12);
  for (std::size_t i = 0; i < procedureSteps.size(); ++i) {
    const bool aside = i == 2;  // the lung note belongs to step (2)
    procedureSteps[i].Move(aside ? 600 : 360, 9420 + 360.0 * static_cast<double>(i), aside ? 7200 : 7440, 330);
    procedureSteps[i].SetCaption(std::string(t.ProcedureSteps[i]));
    procedureSteps[i].SetFontSize(9.75);
  }
  for (ui::LineControl* line : {&underTitleLine, &underSiteLine, &aboveCommandsLine, &aboveProcedureLine}) {
    line->SetBorderColor(kTitleBlue);
    line->SetBorderWidth(2);
  }

  Load = [this] { Form_Load(); };
  QueryUnload = [this](bool& cancel, ui::UnloadMode mode) { Form_QueryUnload(cancel, mode); };
  okButton.Click = [this] { OkButton_Click(); };
  exitButton.Click = [this] { ExitButton_Click(); };
  resetButton.Click = [this] { ResetButton_Click(); };
}

void EffectiveDoseWindow::Form_Load()
{
  // The weight labels show the factors the computation uses.
  const DepthDoseCalculation& m = program_.module();
  for (int row = 1; row <= kOrganRowCount; ++row) {
    organRows[row - 1].weightLabel.SetCaption(Format(m.TissueWeight[OrganWeightIndex(row)], "0.00"));
  }
}

void EffectiveDoseWindow::FillOrganRows(const OrganDataResult& data)
{
  for (int row = 1; row <= kOrganRowCount; ++row) {
    OrganRowControls& r = organRows[row - 1];
    const OrganRowFill& fill = data.rows[row];
    r.nearDepthBox.SetText(fill.near_depth);
    r.farDepthBox.SetText(fill.far_depth);
    r.percentBox.SetText(fill.percent);
    r.doseLabel.SetCaption("");
    r.check.SetValue(fill.checked ? ui::vbChecked : ui::vbUnchecked);
  }
  totalLabel.SetCaption("");
}

OrganRowInputs EffectiveDoseWindow::RowInputs() const
{
  OrganRowInputs rows;
  for (int row = 1; row <= kOrganRowCount; ++row) {
    const OrganRowControls& r = organRows[row - 1];
    rows[row] = {r.check.Value() == ui::vbChecked, r.nearDepthBox.Text(), r.farDepthBox.Text(), r.percentBox.Text()};
  }
  return rows;
}

void EffectiveDoseWindow::OkButton_Click()
{
  const EffectiveDoseResult result = program_.module().ConfirmEffectiveDose(RowInputs());
  // Rows up to a refused one show their new doses; the later ones keep theirs.
  for (int row = 1; row <= kOrganRowCount; ++row) {
    if (result.labels[row]) organRows[row - 1].doseLabel.SetCaption(*result.labels[row]);
  }
  if (!result.completed) {
    App().MsgBox(result.message, ui::vbExclamation | ui::vbOKOnly);
    return;
  }
  App().DoEvents();
  totalLabel.SetCaption(result.total_text);
  if (!result.handed_back) App().MsgBox(result.not_handed_back, ui::vbExclamation | ui::vbOKOnly);
}

void EffectiveDoseWindow::ExitButton_Click()
{
  program_.module().DeletePddScratchFile();
  App().End();
}

void EffectiveDoseWindow::ResetButton_Click() { program_.LoadOrganData(); }

void EffectiveDoseWindow::Form_QueryUnload(bool& cancel, ui::UnloadMode mode)
{
  // Closed through its frame: the user is done, as with the exit button (in
  // the English edition no other window of the program is left by then).
  if (mode != ui::UnloadMode::ControlMenu) return;
  cancel = true;
  ExitButton_Click();
}

}  // namespace vorn::pdd
