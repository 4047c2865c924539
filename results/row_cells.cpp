#include "results/row_cells.h"

#include "platform/format/format.h"
#include "platform/ui/utf8.h"
#include "text/results_texts.h"

namespace vorn::results {
namespace {

constexpr double kMmPerCm = 10.0;

// A field side as the main window holds it: a length, or the "else" preset's dash.
std::string FieldSideText(const FieldSide& side, std::string_view pattern)
{
  return side.IsNumber() ? Format(side.Cm("field side"), pattern) : std::string("-");
}

double FieldSideCm(const FieldSide& side) { return side.IsNumber() ? side.Cm("field side") : 0.0; }

// The first n characters (not bytes) of a UTF-8 text.
std::string FirstCharacters(const std::string& text, std::size_t n)
{
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    // A byte that does not continue a sequence starts a character.
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
      if (count == n) return text.substr(0, i);
      ++count;
    }
  }
  return text;
}

std::string ScreenSurface(const PhantomGeometry& p, Edition edition)
{
  const ResultsTexts& texts = ResultsTextsFor(edition);
  if (p.PhantomModel < 0 || p.PhantomModel > 4) return {};
  std::string word(texts.ScreenSurfaceWords[p.PhantomModel]);
  // The Japanese window names a curved surface with its dimensions, run together.
  if (edition == Edition::Japanese) {
    if (p.PhantomModel == 1) word += NumberText(p.CylinderRadius);
    if (p.PhantomModel == 2) word += NumberText(p.EllipseHRadius) + "," + NumberText(p.EllipseVRadius);
  }
  return word;
}

std::string SheetSurface(const PhantomGeometry& p, Edition edition)
{
  const ResultsTexts& texts = ResultsTextsFor(edition);
  if (p.PhantomModel < 0 || p.PhantomModel > 4) return {};
  std::string word(texts.SheetSurfaceWords[p.PhantomModel]);
  if (p.PhantomModel == 1) word += NumberText(p.CylinderRadius);
  if (p.PhantomModel == 2) word += NumberText(p.EllipseHRadius) + ", " + NumberText(p.EllipseVRadius);
  return word;
}

}  // namespace

std::vector<Cell> ScreenRowCells(const RowSource& row, int r, bool addingRow, Edition edition)
{
  const ResultsTexts& texts = ResultsTextsFor(edition);
  const ExposureCondition& c = row.condition;
  const CalculationResult& res = row.result;
  const double y = ScreenRowY(r);
  std::vector<Cell> cells{
      {c.SiteName, 10, y - 14},
      {ScreenSurface(row.phantom, edition), 10, y + 10},
      {Format(res.OutputAt1m, "0.00E+0"), 100, y},
      {Format(c.TubeVoltage, "#00.0"), 170, y},
      {Format(c.TubeCurrent, "#00.0"), 230, y},
      {Format(c.ExposureTime, "#0.00#"), 300, y},
      {Format(kMmPerCm * (c.InherentFilterAl + c.AddedFilterAl), "0.00"), 357, y},
      {Format(kMmPerCm * c.AddedFilterCu, "0.00"), 400, y},
  };
  if (row.filter.OtherFilterThickness > 0) {
    cells.push_back({FirstCharacters(row.filter.OtherFilterMaterial, 8), 440, y - 14});
    cells.push_back({Format(kMmPerCm * row.filter.OtherFilterThickness, "0.00"), 450, y + 10});
  } else {
    cells.push_back({std::string(texts.ScreenNoFilter), 460, y});
  }
  cells.insert(cells.end(), {
                                {NumberText(c.FFD), 510, y - 14},
                                {NumberText(c.FSD), 510, y + 10},
                                {NumberText(c.ObjectThickness), 555, y},
                                {FieldSideText(c.FieldLength, "00.0"), 615, y},
                                {FieldSideText(c.FieldWidth, "00.0"), 668, y},
                                {Format(res.BsfSoft, "0.000"), 730, y - 14},
                                {Format(res.BsfAir, "0.000"), 730, y + 10},
                                {Format(res.ConvFactorSoft, "00.00"), 788, y},
                                {Format(res.ConvFactorSkin, "00.00"), 843, y},
                                {Format(res.EntranceSurfaceDoseSoft, "#0.00"), 900, y},
                                {Format(res.EntranceSurfaceDoseSkin, "#0.00"), 960, y},
                                {Format(res.EntranceSurfaceDoseAir, "#0.00"), 1025, y},
                            });
  if (!addingRow) {
    if (res.EffectiveDose > 0) {
      cells.push_back({Format(res.EffectiveDose, "#0.000"), 1100, y});
    } else {
      cells.push_back({"―", 1110, y});
    }
  }
  return cells;
}

std::vector<Cell> SheetRowCells(const RowSource& row, int r, double airWValue, Edition edition)
{
  const ResultsTexts& texts = ResultsTextsFor(edition);
  const bool japanese = edition == Edition::Japanese;
  const ExposureCondition& c = row.condition;
  const CalculationResult& res = row.result;
  const double y = SheetRowY(r);
  const double nameX = japanese ? 3 : 2;
  const int rectification = c.RectificationType == 1 ? 0 : c.RectificationType == 2 ? 1 : 2;
  std::vector<Cell> cells{
      {c.SiteName, nameX, y - 2},
      {SheetSurface(row.phantom, edition), nameX, y + 2},
      {std::string(texts.SheetRectificationWords[rectification]), 22, y},
      {Format(res.OutputAt1m, "0.00E+0"), 33, y},
      {Format(c.TubeVoltage, "#00"), 47, y},
      {Format(c.TubeCurrent, "#00"), 56, y},
      {NumberText(c.ExposureTime), 65.5, y},
      {NumberText(c.TargetAngle), 77, y},
      {Format(c.InherentFilterAl * kMmPerCm, "0.00"), 87, y},
      {Format(c.AddedFilterAl * kMmPerCm, "0.00"), 97, y},
      {Format(c.AddedFilterCu * kMmPerCm, "0.00"), 107, y},
  };
  if (row.filter.OtherFilterThickness > 0) {
    cells.push_back({row.filter.OtherFilterMaterial, 116, y - 2});
    cells.push_back({Format(row.filter.OtherFilterThickness * kMmPerCm, "0.00"), 118, y + 2});
  } else {
    cells.push_back({std::string(texts.SheetNoFilter), 120, y});
  }
  cells.push_back({NumberText(c.FFD), 130, y - 2});
  cells.push_back({NumberText(c.FSD), 130, y + 2});
  cells.push_back({NumberText(c.ObjectThickness), 140, y});
  // The Japanese sheet has room for the preset's first two characters ("半切"
  // of "半切サイズ 縦"); "その他" is printed whole a little further left.
  if (!japanese) {
    cells.push_back({c.FieldSizeName, 149, y});
  } else if (c.FieldSizeName == "その他") {
    cells.push_back({c.FieldSizeName, 149, y});
  } else {
    cells.push_back({FirstCharacters(c.FieldSizeName, 2), 151, y});
  }
  cells.insert(cells.end(), {
                                {FieldSideText(c.FieldLength, "00.0"), 161, y},
                                {FieldSideText(c.FieldWidth, "00.0"), 171, y},
                                {Format(res.BsfSoft, "0.000"), 180, y},
                                {Format(res.BsfSkin, "0.000"), 190, y},
                                {Format(res.BsfAir, "0.000"), 200, y},
                                {Format(res.ConvFactorSoft, "0.00"), 210, y},
                                {Format(res.ConvFactorSkin, "0.00"), 220, y},
                                {Format(airWValue, "00.00"), 230, y},
                                {Format(res.EntranceSurfaceDoseSoft, "#0.00"), 241, y},
                                {Format(res.EntranceSurfaceDoseSkin, "#0.00"), 252, y},
                                {Format(res.EntranceSurfaceDoseAir, "#0.00"), 264, y},
                            });
  if (res.EffectiveDose == 0) {
    cells.push_back({std::string(texts.SheetNoEffectiveDose), 278, y});
  } else {
    cells.push_back({Format(res.EffectiveDose, "#0.000"), 274, y});
  }
  return cells;
}

void StoreRow(ResultTable& t, int r, const RowSource& row)
{
  const ExposureCondition& c = row.condition;
  const PhantomGeometry& p = row.phantom;
  const CalculationResult& res = row.result;
  t.ResSiteName[r] = c.SiteName;
  t.ResRectificationType[r] = c.RectificationType;
  t.ResOutputAt1m[r] = res.OutputAt1m;
  t.ResTargetAngle[r] = c.TargetAngle;
  t.ResInherentFilterAl[r] = c.InherentFilterAl;
  t.ResAddedFilterAl[r] = c.AddedFilterAl;
  t.ResAddedFilterCu[r] = c.AddedFilterCu;
  t.ResOtherFilterMaterial[r] = row.filter.OtherFilterMaterial;
  t.ResOtherFilterThickness[r] = row.filter.OtherFilterThickness;
  t.ResTubeVoltage[r] = c.TubeVoltage;
  t.ResTubeCurrent[r] = c.TubeCurrent;
  t.ResExposureTime[r] = c.ExposureTime;
  t.ResFFD[r] = c.FFD;
  t.ResFSD[r] = c.FSD;
  t.ResObjectThickness[r] = c.ObjectThickness;
  t.ResFieldSizeName[r] = c.FieldSizeName;
  t.ResFieldLength[r] = FieldSideCm(c.FieldLength);
  t.ResFieldWidth[r] = FieldSideCm(c.FieldWidth);
  t.ResHvl1[r] = res.Hvl1;
  t.ResHvl2[r] = res.Hvl2;
  t.ResEffectiveEnergy[r] = res.EffectiveEnergy;
  t.ResQualityIndex[r] = res.QualityIndex;
  t.ResBsfSoft[r] = res.BsfSoft;
  t.ResBsfAir[r] = res.BsfAir;
  t.ResBsfSkin[r] = res.BsfSkin;
  t.ResConvFactorSoft[r] = res.ConvFactorSoft;
  t.ResConvFactorSkin[r] = res.ConvFactorSkin;
  t.ResEntranceSurfaceDoseSoft[r] = res.EntranceSurfaceDoseSoft;
  t.ResEntranceSurfaceDoseSkin[r] = res.EntranceSurfaceDoseSkin;
  t.ResEntranceSurfaceDoseAir[r] = res.EntranceSurfaceDoseAir;
  t.ResPhantomModel[r] = p.PhantomModel;
  switch (p.PhantomModel) {
    case 0:
    case 3:
      t.ResCylinderRadius[r] = 0;
      t.ResEllipseHRadius[r] = 0;
      t.ResEllipseVRadius[r] = 0;
      break;
    case 1:
      t.ResCylinderRadius[r] = p.CylinderRadius;
      t.ResEllipseHRadius[r] = 0;
      t.ResEllipseVRadius[r] = 0;
      break;
    case 2:
      t.ResCylinderRadius[r] = 0;
      t.ResEllipseHRadius[r] = p.EllipseHRadius;
      t.ResEllipseVRadius[r] = p.EllipseVRadius;
      break;
    case 4:
      t.ResRacetrackA[r] = p.RacetrackA;
      t.ResRacetrackB[r] = p.RacetrackB;
      t.ResRacetrackL[r] = p.RacetrackL;
      break;
    default:
      break;
  }
}

namespace {

void LoadRow(const ResultTable& t, int r, ExposureCondition& c, PhantomGeometry& p, OtherFilterSpec& filter,
             CalculationResult& res)
{
  c.SiteName = t.ResSiteName[r];
  p.PhantomModel = t.ResPhantomModel[r];
  p.CylinderRadius = t.ResCylinderRadius[r];
  p.EllipseHRadius = t.ResEllipseHRadius[r];
  p.EllipseVRadius = t.ResEllipseVRadius[r];
  p.RacetrackA = t.ResRacetrackA[r];
  p.RacetrackB = t.ResRacetrackB[r];
  p.RacetrackL = t.ResRacetrackL[r];
  c.RectificationType = t.ResRectificationType[r];
  res.OutputAt1m = t.ResOutputAt1m[r];
  c.TargetAngle = t.ResTargetAngle[r];
  c.InherentFilterAl = t.ResInherentFilterAl[r];
  c.AddedFilterAl = t.ResAddedFilterAl[r];
  c.AddedFilterCu = t.ResAddedFilterCu[r];
  filter.OtherFilterMaterial = t.ResOtherFilterMaterial[r];
  filter.OtherFilterThickness = t.ResOtherFilterThickness[r];
  c.TubeVoltage = t.ResTubeVoltage[r];
  c.TubeCurrent = t.ResTubeCurrent[r];
  c.ExposureTime = t.ResExposureTime[r];
  c.FFD = t.ResFFD[r];
  c.FSD = t.ResFSD[r];
  c.ObjectThickness = t.ResObjectThickness[r];
  c.FieldSizeName = t.ResFieldSizeName[r];
  c.FieldLength = t.ResFieldLength[r];
  c.FieldWidth = t.ResFieldWidth[r];
  res.Hvl1 = t.ResHvl1[r];
  res.Hvl2 = t.ResHvl2[r];
  res.EffectiveEnergy = t.ResEffectiveEnergy[r];
  res.QualityIndex = t.ResQualityIndex[r];
  res.BsfSoft = t.ResBsfSoft[r];
  res.BsfAir = t.ResBsfAir[r];
  res.BsfSkin = t.ResBsfSkin[r];
  res.ConvFactorSoft = t.ResConvFactorSoft[r];
  res.ConvFactorSkin = t.ResConvFactorSkin[r];
  res.EntranceSurfaceDoseSoft = t.ResEntranceSurfaceDoseSoft[r];
  res.EntranceSurfaceDoseSkin = t.ResEntranceSurfaceDoseSkin[r];
  res.EntranceSurfaceDoseAir = t.ResEntranceSurfaceDoseAir[r];
  res.EffectiveDose = t.ResEffectiveDose[r];
}

}  // namespace

RowValues RowOf(const ResultTable& table, int r)
{
  RowValues values;
  LoadRow(table, r, values.condition, values.phantom, values.filter, values.result);
  return values;
}

}  // namespace vorn::results
