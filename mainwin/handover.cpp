// The effective-dose hand-over: effectiveDoseButton writes the current beam to
// Vorn2PDD.dat and starts the depth-dose program of the edition; addEffectiveDoseButton
// takes the effective dose it leaves in Eff-Dose.dat into the last row of the
// result table.
#include "mainwin/handover.h"

#include <system_error>

#include "mainwin/main_window.h"
#include "mainwin/main_program.h"
#include "platform/errors.h"
#include "platform/files/seqfile.h"
#include "platform/format/format.h"
#include "results/result_window.h"
#include "text/depthdose_texts.h"
#include "text/error_texts.h"

namespace vorn::mainwin {

PddHandoverRecord MakeHandoverRecord(const ExposureCondition& c, const CalculationResult& result,
                                     const EnergyBinArray& spectrum, std::string site_name)
{
  PddHandoverRecord record;
  record.TubeVoltage = c.TubeVoltage;
  record.FFD = c.FFD;
  record.FSD = c.FSD;
  record.ObjectThickness = c.ObjectThickness;
  record.FieldLength = c.FieldLength.Cm("FieldLength");
  // The depth-dose program takes a second side of 0 for a circle.
  record.FieldWidth = c.FieldShape == kCircularField ? 0.0 : c.FieldWidth.Cm("FieldWidth");
  record.EntranceSurfaceDoseSoft = result.EntranceSurfaceDoseSoft;
  record.Spectrum = spectrum;
  record.SiteName = std::move(site_name);
  return record;
}

std::string PddHandoverText(const PddHandoverRecord& r)
{
  std::string text;
  auto line = [&text](const std::string& item) {
    text += item;
    text += "\r\n";
  };
  for (double number : {r.TubeVoltage, r.FFD, r.FSD, r.ObjectThickness, r.FieldLength, r.FieldWidth}) {
    line(PrintNumberText(number));
  }
  line(Format(r.EntranceSurfaceDoseSoft, "##0.000"));
  for (int i = 1; i <= kLastBin; ++i) line(Format(r.Spectrum[i], "0.000E+00"));
  line(r.SiteName);
  return text;
}

void MainWindow::EffectiveDoseButton_Click()
{
  const HandoverTexts& t = HandoverTextsFor(program_.edition);
  if (RefuseStaleHandover()) return;
  // Nothing is half done: a file that cannot be written, or a program that
  // cannot be started, is told and leaves both buttons as they were.
  try {
    const BeamCalculation& m = program_.Module();
    const PddHandoverRecord record = MakeHandoverRecord(m.Condition, m.Result, m.Spectrum, siteCombo.Text());
    // An answer left from an earlier hand-over would be taken for this row
    // if the user adds before the depth-dose program has answered.
    std::error_code error;
    std::filesystem::remove(program_.WorkingFolder() / kEffDoseFileName, error);
    if (error) throw FileError(std::string(kEffDoseFileName) + ": " + error.message());
    WriteFileAtomically(program_.WorkingFolder() / kHandoverFileName, PddHandoverText(record));
  } catch (const Error& e) {
    App().MsgBox(std::string(t.HandoverNotWritten) + "\n" + ErrorText(e, program_.edition, program_.WorkingFolder()),
                 ui::vbExclamation);
    return;
  }
  App().DoEvents();
  try {
    App().Shell(std::string(t.PddProgramFile));
  } catch (const Error& e) {
    App().MsgBox(std::string(t.PddNotStarted) + "\n" + ErrorText(e, program_.edition, program_.WorkingFolder()),
                 ui::vbExclamation);
    return;
  }
  addEffectiveDoseButton.SetEnabled(true);
  effectiveDoseButton.SetEnabled(false);
}

void MainWindow::AddEffectiveDoseButton_Click()
{
  const HandoverTexts& t = HandoverTextsFor(program_.edition);
  results::ResultTable& table = program_.Results;
  const std::filesystem::path file = program_.WorkingFolder() / kEffDoseFileName;
  const int row = table.ResultRowCount - 1;  // the result added last
  double value = 0.0;
  try {
    SeqReader in(file);
    in.ReadLine();  // the heading
    value = in.ReadNumber();
    App().DoEvents();
    // The table may have been erased since the hand-over: no row to take it.
    if (row < 1) throw CalcError("the result table has no row for the effective dose");
    // Removed before the table changes, so that a file that stays is never
    // also counted in the table.
    std::filesystem::remove(file);
  } catch (const std::exception&) {
    App().MsgBox(std::string(t.EffectiveDoseNotCalculated), ui::vbExclamation);
    addEffectiveDoseButton.SetEnabled(false);
    // The English edition lets the user hand the same result over again.
    if (program_.edition == Edition::English) effectiveDoseButton.SetEnabled(true);
    return;
  }

  program_.Module().Result.EffectiveDose = value;
  const double y = 70.0 + 50.0 * row;
  ui::PictureBox& picture = program_.resultWindow->tablePicture;
  picture.FilledBox(1094, y - 2, 1150, y + 30, ui::QBColor(15));
  picture.SetCurrentX(1100);
  picture.SetCurrentY(y);
  picture.Print(Format(value, "#0.000"));
  table.ResEffectiveDose[row] = value;
  addEffectiveDoseButton.SetEnabled(false);
  effectiveDoseButton.SetEnabled(false);
}

}  // namespace vorn::mainwin
