#include "text/depthdose_texts.h"

namespace vorn {

namespace {

const DepthDoseTexts kEnglish{
    .ThicknessOver40 = "Effective dose can't be calculated because body thickness exceeds 40 cm",
    .AssumeThickness40 = "Does the thickness be assumed 40 cm and the effective dose be calculated ?",
    .DepthDoseFailed = "It couldn't be calculated right",
    .EffectiveDoseFailed = "It couldn't be calculated right",
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
    .EffDoseFileHeader = "Effective dose (mSv)",
    .ChestFrontalSite = "Chest-Frontal",
    .ChestLateralSite = "Chest-Lateral",
    .NoOrganDataBefore = "There is no data of ",
    .NoOrganDataAfter = "",
};

const DepthDoseTexts kJapanese{
    .ThicknessOver40 = "体厚が40cmを超えているため実効線量を計算できません。",
    .AssumeThickness40 = "体厚を40cmとして計算しますか？",
    .DepthDoseFailed = "正しく計算できませんでした。",
    .EffectiveDoseFailed = "正しく計算できません",
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
    .EffDoseFileHeader = "実効線量 (mSv)",
    .ChestFrontalSite = "胸部正面",
    .ChestLateralSite = "胸部側面",
    .NoOrganDataBefore = "",
    .NoOrganDataAfter = " のデータはありません",
};

}  // namespace

const DepthDoseTexts& DepthDoseTextsFor(Edition edition)
{
  return edition == Edition::Japanese ? kJapanese : kEnglish;
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
