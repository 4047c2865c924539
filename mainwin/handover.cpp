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

namespace {

// The site as the hand-over names it: a row's ideographic space stands for no site.
std::string HandoverSiteName(const std::string& rowSite)
{
  return rowSite == results::kEmptySiteName ? std::string() : rowSite;
}

}  // namespace

double ReadEffectiveDoseFile(const std::filesystem::path& file)
{
  SeqReader in(file, kEffDoseFileMaxBytes);
  in.ReadLine();  // the heading
  return in.ReadNumber();
}

bool IsEffectiveDose(double mSv)
{
  // The depth-dose program writes a dose of the table's range; anything else
  // (a hand-edited or foreign file) would be totalled, printed and saved as a
  // patient's effective dose.
  return mSv >= 0.0 && mSv < kDoseLimit_mGy;
}

void MainWindow::EffectiveDoseButton_Click()
{
  const HandoverTexts& t = HandoverTextsFor(program_.edition);
  // What goes over is the row added last, as the table holds it, whatever
  // the boxes show now.
  const results::CalculationRecord* row = program_.Ledger.LastRow(program_.Results.ResultRowCount);
  if (row == nullptr) {
    effectiveDoseButton.SetEnabled(false);
    App().Beep();
    App().MsgBox(std::string(t.NoRowToHandOver), ui::vbExclamation);
    return;
  }
  // Nothing is half done: a file that cannot be written, or a program that
  // cannot be started, is told and leaves both buttons as they were.
  try {
    const PddHandoverRecord record =
        MakeHandoverRecord(row->condition, row->result, row->spectrum, HandoverSiteName(row->condition.SiteName));
    // An answer left from an earlier hand-over would be taken for this row
    // if the user adds before the depth-dose program has answered.
    const std::filesystem::path answer = program_.WorkingFolder() / kEffDoseFileName;
    std::error_code error;
    std::filesystem::remove(answer, error);
    if (error) {
      const FileFault fault = error == std::errc::directory_not_empty || error == std::errc::is_a_directory
                                  ? FileFault::IsFolder
                                  : (error == std::errc::permission_denied || error == std::errc::read_only_file_system
                                         ? FileFault::Denied
                                         : FileFault::WriteFailed);
      throw FileError(std::string(kEffDoseFileName) + ": " + error.message(), fault, answer);
    }
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
  program_.Ledger.HandedOver();
  addEffectiveDoseButton.SetEnabled(true);
  effectiveDoseButton.SetEnabled(false);
}

void MainWindow::AddEffectiveDoseButton_Click()
{
  const HandoverTexts& t = HandoverTextsFor(program_.edition);
  results::ResultTable& table = program_.Results;
  const std::filesystem::path file = program_.WorkingFolder() / kEffDoseFileName;
  const int row = table.ResultRowCount - 1;  // the result added last
  const auto refuse = [&](const std::string& message) {
    App().MsgBox(message, ui::vbExclamation);
    addEffectiveDoseButton.SetEnabled(false);
    // The English edition lets the user hand the same row over again.
    if (program_.edition == Edition::English && program_.Ledger.LastRow(table.ResultRowCount) != nullptr) {
      effectiveDoseButton.SetEnabled(true);
    }
  };
  // The answer belongs to the row handed over, and only while it is the last
  // row: a row added, or the table erased or read since, makes it another's.
  if (!program_.Ledger.AwaitsAnswer(table.ResultRowCount)) {
    refuse(std::string(t.EffectiveDoseNotCalculated));
    return;
  }
  double value = 0.0;
  try {
    value = ReadEffectiveDoseFile(file);
  } catch (const Error& e) {
    // Above all not there yet: the depth-dose program has not finished, or
    // its user has not confirmed.
    if (e.fault() == FileFault::NotFound) {
      refuse(std::string(t.EffectiveDoseNotCalculated));
    } else {
      refuse(std::string(t.EffectiveDoseUnreadable) + "\n" + ErrorText(e, program_.edition, program_.WorkingFolder()));
    }
    return;
  }
  if (!IsEffectiveDose(value)) {
    refuse(FillIn(t.EffectiveDoseRefused, {NumberText(value)}));
    return;
  }
  App().DoEvents();
  // Removed before the table changes, so that a file that stays is never
  // also counted in the table.
  std::error_code removal;
  std::filesystem::remove(file, removal);
  if (removal) {
    refuse(std::string(t.EffectiveDoseUnreadable) + "\n" +
           ErrorText(FileError(std::string(kEffDoseFileName) + ": " + removal.message(), FileFault::Denied, file),
                     program_.edition, program_.WorkingFolder()));
    return;
  }

  program_.Module().Result.EffectiveDose = value;
  program_.resultWindow->DrawEffectiveDose(row, value);
  table.ResEffectiveDose[row] = value;
  program_.Ledger.Answered();
  addEffectiveDoseButton.SetEnabled(false);
  effectiveDoseButton.SetEnabled(false);
}

}  // namespace vorn::mainwin
