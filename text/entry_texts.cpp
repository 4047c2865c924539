#include "text/entry_texts.h"

namespace vorn {
namespace {

// Every text exactly as the user sees it, blanks and ideographic spaces included.
constexpr EntryTexts kJapanese{
    .Lead = "　",
    .Separator = "：",
    .Tail = "　",

    .AboveZero = "0 より大きい数値を入力して下さい",
    .ZeroOrMore = "0 以上の数値を入力して下さい",
    .FittedFiltrationOrMore = "-10 以上の数値を入力して下さい",
    .AboveZeroBelow90 = "0 より大きく 90 より小さい数値を入力して下さい",
    .TooLarge = "数値が大きすぎます",
    .NotANumberBefore = "「",
    .NotANumberAfter = "」は数値として読めません。\n半角の数字と小数点「.」で、単位を付けずに入力して下さい",
    .VoltageUpToBefore = "0 より大きく ",
    .VoltageUpToAfter = " 以下の数値を入力して下さい",
    .VoltageOfOutputData = "（使用中の出力データの最高管電圧）",
    .FsdBelowFfdBefore = "0 より大きく FFD の ",
    .FsdBelowFfdAfter = "\u00A0cm より小さい数値を入力して下さい",

    .VoltageBelowOutputData = "　管電圧が出力データの範囲より低いため、１ｍの照射線量を計算できません　",
    .FileNameMissing = "　ファイル名を入力して下さい　",
    .VoltagesNotWritable = "　使用中の出力データの管電圧はファイルに書き込めません　",
    .ConditionChangedSinceCalculation = "　計算の後で照射条件が変更されました。もう一度計算して下さい　",
    .DoseBeyondLimit = "　入射表面線量が 1000 Gy を超えます。管電流、撮影時間、１ｍの照射線量を確かめて下さい　",
};

constexpr EntryTexts kEnglish{
    .Lead = "  ",
    .Separator = ": ",
    .Tail = "  ",

    .AboveZero = "enter a number above 0",
    .ZeroOrMore = "enter a number of 0 or more",
    .FittedFiltrationOrMore = "enter a number of -10 or more",
    .AboveZeroBelow90 = "enter a number above 0 and below 90",
    .TooLarge = "the number is too large",
    .NotANumberBefore = "\"",
    .NotANumberAfter = "\" is not a number: type it with a decimal point (.) and without a unit",
    .VoltageUpToBefore = "enter a number above 0 and up to ",
    .VoltageUpToAfter = "",
    .VoltageOfOutputData = " (the highest voltage of the output data in use)",
    .FsdBelowFfdBefore = "enter a number above 0 and below the FFD, ",
    .FsdBelowFfdAfter = "\u00A0cm",

    .VoltageBelowOutputData =
        "  The tube voltage lies below the output data: the exposure at 1 m cannot be calculated  ",
    .FileNameMissing = "  Input the file name  ",
    .VoltagesNotWritable = "  The tube voltages of the output data in use cannot be written to a file  ",
    .ConditionChangedSinceCalculation = "  The exposure condition has changed since the calculation: calculate again  ",
    .DoseBeyondLimit =
        "  The entrance surface dose exceeds 1000 Gy: check the tube current, the exposure time and the exposure at 1 m  ",
};

}  // namespace

const EntryTexts& EntryTextsFor(Edition edition)
{
  return edition == Edition::Japanese ? kJapanese : kEnglish;
}

}  // namespace vorn
