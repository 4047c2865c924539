#include "text/beam_texts.h"

namespace vorn {
namespace {

// Every text exactly as the user sees it, blanks and ideographic spaces included.
constexpr BeamTexts kJapanese{
    .FitCannotCalculate = "***  正しく計算できません  ***",
    .VoltageAboveMaximum = " 管電圧が規定の最大値(150kV)を超え、正しく計算できません ",
    .VoltageAboveSetPlus10 = " 管電圧が JIS規格の設定値＋10% を超え、正しく計算できません ",
    .VoltageBelowMinimum = " 管電圧が規定の最小値(30kV)より小さくなり、正しく計算できません ",
    .HvlVoltageBelowSetMinus10 = " 管電圧が JIS規格の設定値-10% より小さくなり、正しく計算できません ",
    .AtrVoltageBelowSetMinus10 = " 管電圧が JIS規格の設定値-10%より小さくなり、正しく計算できません ",
    .AtrOutOfRange = "実測 ATR Index 値が、計算可能範囲外です",
    .AtrVoltageCannotCalculate = " 正しく計算できません ",
    .CurvedSurfaceWait = "しばらくこのままお待ちください。 計算終了後、この OK ボタンを押して下さい",
    .CurvedSurfaceNotFinished = "後方散乱係数の計算プログラムはまだ終了していません。 計算終了後、OK ボタンを押して下さい。"
                                "この計算をやめるときは Cancel ボタンを押して下さい",
    .CurvedSurfaceEndedWithoutResult = "後方散乱係数の計算プログラムは、この計算の結果を書かずに終了しました",
    .CurvedSurfaceFactorRefused = "%1：%2の後方散乱係数が %3 です。後方散乱係数は %4 から %5 の値です",
    .CurvedSurfaceFactorNames = {"空気カーマ", "軟部組織吸収線量", "皮膚組織吸収線量"},
};

constexpr BeamTexts kEnglish{
    .FitCannotCalculate = "***  Can't calculate correctly  ***",
    .VoltageAboveMaximum = " The tube voltage exceeds the specified maximum value (150kV) and cannot be calculated correctly ",
    .VoltageAboveSetPlus10 = " The tube voltage exceeds the standard value (+10%) and cannot be calculated correctly ",
    .VoltageBelowMinimum = " The tube voltage becomes smaller than the specified minimum value (30kV) and cannot be calculated correctly ",
    .HvlVoltageBelowSetMinus10 = " The tube voltage becomes smaller the standard value (-10%) and cannot be calculated correctly ",
    .AtrVoltageBelowSetMinus10 = "",
    .AtrOutOfRange = "",
    .AtrVoltageCannotCalculate = "",
    .CurvedSurfaceWait = " Please wait for a while. Press this OK button after the calculation is completed ",
    .CurvedSurfaceNotFinished = " The backscatter program has not finished yet. Press OK after the calculation is "
                                "completed, or Cancel to give up this calculation ",
    .CurvedSurfaceEndedWithoutResult = " The backscatter program ended without writing the result of this calculation ",
    .CurvedSurfaceFactorRefused = "%1: the backscatter factor based on %2 is %3; a backscatter factor lies between %4 and %5",
    .CurvedSurfaceFactorNames = {"air kerma", "soft tissue dose", "skin tissue dose"},
};

}  // namespace

const BeamTexts& BeamTextsFor(Edition edition)
{
  return edition == Edition::Japanese ? kJapanese : kEnglish;
}

}  // namespace vorn
