#include "text/depthdose_texts.h"

namespace vorn {

namespace {

const DepthDoseTexts kEnglish{
    .ThicknessOver40 = "Effective dose can't be calculated because body thickness exceeds 40 cm",
    .AssumeThickness40 = "Does the thickness be assumed 40 cm and the effective dose be calculated ?",
    .DepthDoseFailed = "It couldn't be calculated right",
    .EffectiveDoseFailed = "It couldn't be calculated right",
    .LaterHandover = "  Another beam has been handed over since this window opened: this effective dose is not handed back  ",
    .HandoverGone = "  The main program has ended (Vorn2PDD.dat is gone): this effective dose is not handed back  ",
    .EffDoseNotWritten = "  Eff-Dose.dat could not be written: this effective dose is not handed back  ",
    .EffectiveDoseBeyondTable = "  This effective dose is too large for the result table (1000000 mSv or more): it is not handed back  ",
    .OrganRowRefused = {"",
                        "There is a typing mistake in Breast data",
                        "There is a typing mistake in Red marrow data",
                        "There is a typing mistake in Colon data",
                        "There is a typing mistake in Lung data",
                        "There is a typing mistake in Stomach data",
                        "There is a typing mistake in Gonad data",
                        "There is a typing mistake in Thyroid data",
                        "There is a typing mistake in Esophagus data",
                        "There is a typing mistake in Liver data",
                        "There is a typing mistake in Bladder data",
                        "There is a typing mistake in Bone surface data",
                        "There is a typing mistake in Entrance skin data",
                        "There is a typing mistake in Exit skin data",
                        "There is a typing mistake in Brain depth",
                        "There is a typing mistake in Salivery gland data",
                        "There is a typing mistake in Remains data"},
    .OrganBoxNotANumber = "Type the depths and the percentage as numbers with a decimal point (.) and without a unit",
    .EffDoseFileHeader = "Effective dose (mSv)",
    .ChestFrontalSite = "Chest-Frontal",
    .ChestLateralSite = "Chest-Lateral",
    .NoOrganDataBefore = "There is no data of ",
    .NoOrganDataAfter = "",
    .ProgramTitle = "Vorn18E_PDD",
    .StartupFailed = "The depth dose cannot be calculated: a data file could not be read.",
    .GraphCaption = "Central-Axis Depth Dose for Diagnostic X-rays",
    .SurfaceDoseBefore = " Surface Dose = ",
    .SurfaceDoseAfter = " mGy ",
    .DepthLabel = "Depth =",
    .DepthSeparator = "-",
    .DepthUnit = "cm",
    .DoseLabel = "Depth Dose =",
    .DoseUnit = "mGy",
    .MouseHint = "Depth dose is indicated, when the mouse is moved on the graph",
    .GoToEffectiveDose = "Estimation of Effective Dose",
    .DepthAxisTitle = "depth in water [cm]",
    .DoseAxisTitle = "PDD",
    .DoseAxisUnit = "[%]",
    .LegendTotal = "Percentage Depth Dose",
    .LegendPrimary = "Primary component",
    .LegendScatter = "Scatter component",
    .NoValue = "-",
    .EffectiveDoseCaption = "Effective Dose",
    .EffectiveDoseTitle = "Effective dose (approximate)",
    .ThicknessBefore = "Thickness = ",
    .ThicknessAfter = " cm",
    .OrganCaption = {"", "Breast", "Red marrow", "Colon", "Lung", "Stomach", "Gonad", "Thyroid",
                     "Esophagus", "Liver", "Bladder", "Bone surface", "Entrane skin", "Exit skin",
                     "Brain", "Salivery gland", "Remaining"},
    .DepthRangeMark = "~",
    .OrganHeading = {"Tissue", "Organ"},
    .WeightHeading = {"Tissue", "weighting", "factor W"},
    .WeightSubscript = "T",
    .DepthHeading = {"Thickness of organ", "depth from the surface", "cm"},
    .PercentHeading = {"The percentage", "by which the", "object organ", "is included in",
                       "irradiated volume"},
    .ResultHeading = {"Tissue-", "equivalent", "dose", "micro-Sv"},
    .ResetButton = "Reset",
    .OkButton = "OK",
    .ExitButton = "Exit",
    .ExitToolTip = " bye ",
    .TotalLabel = "Total (effective dose) =",
    .TotalUnit = "mSv",
    .ProcedureHeading = "Input procedure",
    .ProcedureSteps = {"(1) Check tissue/organ included irradiated volume",
                       "(2) Input depth of tissue/organ from the entrance surface",
                       "(Effective depth is calculated automatically the density of Lung as 0.3)",
                       "(3) Input the percentage by which the organ is included in irradiated volume",
                       "(4) Press the OK button, then press the Exit button."},
};

const DepthDoseTexts kJapanese{
    .ThicknessOver40 = "体厚が40cmを超えているため実効線量を計算できません。",
    .AssumeThickness40 = "体厚を40cmとして計算しますか？",
    .DepthDoseFailed = "正しく計算できませんでした。",
    .EffectiveDoseFailed = "正しく計算できません",
    .LaterHandover = "　この画面を開いた後に別の照射条件が受け渡されました。この実効線量は結果表に渡されません　",
    .HandoverGone = "　メインプログラムが終了しました（Vorn2PDD.dat がありません）。この実効線量は結果表に渡されません　",
    .EffDoseNotWritten = "　Eff-Dose.dat を書き込めませんでした。この実効線量は結果表に渡されません　",
    .EffectiveDoseBeyondTable = "　この実効線量は結果表に入れられない大きさです（1000000 mSv 以上）。結果表に渡されません　",
    .OrganRowRefused = {"",
                        "乳房のデータに入力ミスがあります",
                        "骨髄のデータに入力ミスがあります",
                        "結腸のデータに入力ミスがあります",
                        "肺のデータに入力ミスがあります",
                        "胃のデータに入力ミスがあります",
                        "生殖腺のデータに入力ミスがあります",
                        "甲状腺のデータに入力ミスがあります",
                        "食道のデータに入力ミスがあります",
                        "肝臓のデータに入力ミスがあります",
                        "膀胱のデータに入力ミスがあります",
                        "骨表面のデータに入力ミスがあります",
                        "皮膚のデータに入力ミスがあります",
                        "皮膚のデータに入力ミスがあります",
                        "脳の深さに入力ミスがあります",
                        "唾液腺のデータに入力ミスがあります",
                        "残りの組織のデータに入力ミスがあります"},
    .OrganBoxNotANumber = "深さと割合は、半角の数字と小数点「.」で、単位を付けずに入力して下さい",
    .EffDoseFileHeader = "実効線量 (mSv)",
    .ChestFrontalSite = "胸部正面",
    .ChestLateralSite = "胸部側面",
    .NoOrganDataBefore = "",
    .NoOrganDataAfter = " のデータはありません",
    .ProgramTitle = "vorn18J_PDD",
    .StartupFailed = "データファイルを読めないため、深部線量を計算できません。",
    .GraphCaption = "Central-Axis Depth Dose for Diagnostic X-rays",
    .SurfaceDoseBefore = " Surface Dose = ",
    .SurfaceDoseAfter = " mGy ",
    .DepthLabel = "Depth =",
    .DepthSeparator = "～",
    .DepthUnit = "cm",
    .DoseLabel = "Depth Dose =",
    .DoseUnit = "mGy",
    .MouseHint = "グラフ上でマウスカーソルを動かすと、深部線量が表示されます",
    .GoToEffectiveDose = "実効線量の概算へ進む",
    .DepthAxisTitle = "depth in soft-tissue [cm]",
    .DoseAxisTitle = "PDD",
    .DoseAxisUnit = "[%]",
    .LegendTotal = "Percentage Depth Dose",
    .LegendPrimary = "Primary component",
    .LegendScatter = "Scatter component",
    .NoValue = "-",
    .EffectiveDoseCaption = "Effective Dose",
    .EffectiveDoseTitle = "実効線量の概算 (参考データ) ",
    .ThicknessBefore = "被写体厚 = ",
    .ThicknessAfter = " cm",
    .OrganCaption = {"", " 乳房　 ―", "骨髄(赤色) ", " 結腸　 ―", "　肺 　 ―", "　胃 　 ―", "生殖腺  ―",
                     "甲状腺  ―", " 食道　 ―", " 肝臓　 ―", " 膀胱　 ―", "骨表面  ―", "入射皮膚面",
                     "射出皮膚面", "　脳 　 ―", "唾液腺  ―", "残りの組織"},
    .DepthRangeMark = "～",
    .OrganHeading = {"", "組織・臓器"},
    .WeightHeading = {"組織荷重", "", "係数 W"},
    .WeightSubscript = "T",
    .DepthHeading = {"組織・臓器の厚さ", "表面からの深さ cm", ""},
    .PercentHeading = {"対象組織のうち", "照射容積に", "含まれる", "割合 %", ""},
    .ResultHeading = {"組織等価線量", "", "", "μSv"},
    .ResetButton = "Reset",
    .OkButton = "OK",
    .ExitButton = "決定",
    .ExitToolTip = "  bye  ",
    .TotalLabel = "合計（実効線量）=",
    .TotalUnit = "mSv",
    .ProcedureHeading = "データ入力方法",
    .ProcedureSteps = {"(1) 照射野に含まれる組織・臓器にチェックを入れる",
                       "(2) 対象組織・臓器の入射表面からの深さを入力する",
                       "（肺は密度を 0.3 として自動的に実効深に換算される）",
                       "(3) 対象組織・臓器の全容積のうち照射野に含まれる割合を入力する",
                       "入力が完了したら OK ボタンを押す"},
};

const HandoverTexts kEnglishHandover{
    .PddProgramFile = "Vorn18E_PDD.exe",
    .HandoverNotWritten = "The beam could not be handed over to the depth-dose program.",
    .PddNotStarted = "The depth-dose program could not be started.",
    .EffectiveDoseNotCalculated = "  Effective dose in not calculated  ",
    .EffectiveDoseUnreadable = "  The effective dose handed back cannot be read  ",
    .EffectiveDoseRefused = "  Eff-Dose.dat holds %1 mSv, which is no effective dose: it is not put into the table  ",
    .NoRowToHandOver = "  No row of the result table waits for an effective dose: add a result to the table first  ",
};

const HandoverTexts kJapaneseHandover{
    .PddProgramFile = "vorn18J_PDD.exe",
    .HandoverNotWritten = "深部線量プログラムへの受け渡しファイルを書き込めませんでした。",
    .PddNotStarted = "深部線量プログラムを起動できませんでした。",
    .EffectiveDoseNotCalculated = "実効線量は計算されていません",
    .EffectiveDoseUnreadable = "　受け渡された実効線量を読み込めません　",
    .EffectiveDoseRefused = "　Eff-Dose.dat の値 %1 mSv は実効線量ではないため、結果表に入れません　",
    .NoRowToHandOver = "　実効線量を求める結果表の行がありません。先に結果表に追加して下さい　",
};

}  // namespace

const DepthDoseCauseTexts kEnglishCauses{
    .TubeVoltageNotAboveZero = "the tube voltage in Vorn2PDD.dat is %1 kV; it must be above 0",
    .FfdNotAboveZero = "the FFD in Vorn2PDD.dat is %1 cm; it must be above 0",
    .FsdNotAboveZero = "the FSD in Vorn2PDD.dat is %1 cm; it must be above 0",
    .FieldSideBelowZero = "the field size in Vorn2PDD.dat is %1 x %2 cm; a side cannot be below 0",
    .NoSlab = "a body thickness of %1 cm holds no slab",
    .VoltageAbove150 = "the tube voltage is above 150 kV",
    .NoPhotonToCompute = "the tube voltage in Vorn2PDD.dat is %1 kV; the depth dose needs photons of 10.5 keV or more",
    .TooManyRings = "the field's half-diagonal of %1 cm at a depth of %2 cm needs more than 80 rings",
    .BeyondAttenuationTable = "%1 keV lies beyond the last row of ICRUSoft.dat",
    .EnergyWithoutLogarithm = "the logarithm of an energy in ICRUSoft.dat (%1) cannot be taken",
    .CoefficientWithoutLogarithm = "the logarithm of a coefficient in ICRUSoft.dat (%1) cannot be taken",
    .SurfaceDoseBelowZero = "the entrance surface dose in Vorn2PDD.dat is %1 mGy; it must be 0 or more",
    .SpectrumValueBelowZero = "the spectrum in Vorn2PDD.dat holds %1 on line %2; a spectrum value must be 0 or more",
    .RingShareOutside = "the share of ring %1 inside the field came out as %2 at a depth of %3 cm",
};

const DepthDoseCauseTexts kJapaneseCauses{
    .TubeVoltageNotAboveZero = "Vorn2PDD.dat の管電圧が %1 kV です。0 より大きい値が必要です",
    .FfdNotAboveZero = "Vorn2PDD.dat の FFD が %1 cm です。0 より大きい値が必要です",
    .FsdNotAboveZero = "Vorn2PDD.dat の FSD が %1 cm です。0 より大きい値が必要です",
    .FieldSideBelowZero = "Vorn2PDD.dat の照射野サイズが %1 x %2 cm です。辺は 0 以上が必要です",
    .NoSlab = "体厚 %1 cm では計算するスラブがありません",
    .VoltageAbove150 = "管電圧が 150 kV を超えています",
    .NoPhotonToCompute = "Vorn2PDD.dat の管電圧が %1 kV です。深部線量の計算には 10.5 keV 以上の光子が必要です",
    .TooManyRings = "深さ %2 cm で照射野の半対角線が %1 cm になり、80 を超えるリングが必要です",
    .BeyondAttenuationTable = "%1 keV は ICRUSoft.dat の最後の行を超えています",
    .EnergyWithoutLogarithm = "ICRUSoft.dat のエネルギー（%1）の対数をとれません",
    .CoefficientWithoutLogarithm = "ICRUSoft.dat の係数（%1）の対数をとれません",
    .SurfaceDoseBelowZero = "Vorn2PDD.dat の入射表面線量が %1 mGy です。0 以上の値が必要です",
    .SpectrumValueBelowZero = "Vorn2PDD.dat の %2 行目のスペクトル値が %1 です。0 以上の値が必要です",
    .RingShareOutside = "深さ %3 cm でリング %1 の照射野内の割合が %2 になりました",
};

const DepthDoseCauseTexts& DepthDoseCauseTextsFor(Edition edition)
{
  return edition == Edition::Japanese ? kJapaneseCauses : kEnglishCauses;
}

std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> values)
{
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
      const auto k = static_cast<std::size_t>(pattern[i + 1] - '1');
      if (k < values.size()) {
        out += *(values.begin() + k);
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

const DepthDoseTexts& DepthDoseTextsFor(Edition edition)
{
  return edition == Edition::Japanese ? kJapanese : kEnglish;
}

const HandoverTexts& HandoverTextsFor(Edition edition)
{
  return edition == Edition::Japanese ? kJapaneseHandover : kEnglishHandover;
}

std::string NoOrganDataMessage(Edition edition, std::string_view site_name)
{
  const DepthDoseTexts& t = DepthDoseTextsFor(edition);
  std::string message(t.NoOrganDataBefore);
  message += site_name;
  message += t.NoOrganDataAfter;
  return message;
}

}  // namespace vorn
