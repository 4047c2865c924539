#include "tools/datagen/output_data_table.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "beam/beam_calculation.h"
#include "beam/output_data.h"
#include "platform/files/seqfile.h"
#include "scratch_dir.h"
#include "tools/datagen/generators.h"

namespace vorn::datagen {
namespace {

class NullWindows final : public WindowPort {
public:
  void SetLabelCaption(ResultLabel, std::string_view) override {}
  std::string MainBoxText(MainBox) const override { return {}; }
  void SetMainBoxText(MainBox, std::string_view) override {}
  std::string FitBoxText(FitBox) const override { return {}; }
  void DoEvents() override {}
  void ShowMessage(std::string_view, MsgIcon, MsgTitle) override {}
  void Beep() override {}
};

class DefaultOutput : public ::testing::Test {
protected:
  static void SetUpTestSuite()
  {
    scratch_ = new testing::ScratchDir;
    for (const Generator& g : DeterministicGenerators())
      if (g.name == "vorn_default" || g.name == "Att_coeff2020") g.run(GenContext{scratch_->path(), false, 1});
    output_ = new OutputData(ReadOutputDataFile(scratch_->path() / kDefaultOutputFile));
  }
  static void TearDownTestSuite()
  {
    delete output_;
    delete scratch_;
  }
  static testing::ScratchDir* scratch_;
  static OutputData* output_;
};
testing::ScratchDir* DefaultOutput::scratch_ = nullptr;
OutputData* DefaultOutput::output_ = nullptr;

TEST_F(DefaultOutput, HasTheEditorsLayout)
{
  const std::vector<std::string> lines = ReadAllLines(scratch_->path() / kDefaultOutputFile);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[1].substr(0, 12), "40. 50. 60. ");  // "###.# " drops a zero decimal, keeps the point
  EXPECT_EQ(lines[2].substr(lines[2].size() - 10), " 2.50 0.00");
  const OutputData& o = *output_;
  EXPECT_EQ(o.OptionFileName, "vorn_default.op");
  EXPECT_EQ(o.OptionFileHeader, lines[0]);
  for (int k = 1; k <= 12; ++k) EXPECT_DOUBLE_EQ(o.OutputTable(1, k), 30.0 + 10.0 * k);
  for (int t = 1; t <= 3; ++t) {
    EXPECT_DOUBLE_EQ(o.OutputFilterAl[t], 0.25);
    EXPECT_DOUBLE_EQ(o.OutputFilterCu[t], 0.0);
  }
}

TEST_F(DefaultOutput, IsScaledToTheAnchorAndOrderedByWaveform)
{
  const OutputData& o = *output_;
  // 80 kV, constant potential: 50 uGy/mAs at 1 m = 50e-6 / 33.97 C/kg, to three digits.
  EXPECT_NEAR(o.OutputTable(2, 5) / (50e-6 / 33.97), 1.0, 0.004);
  for (int k = 1; k <= 12; ++k) {
    // A constant potential gives the most output per mAs, single-phase the least.
    EXPECT_GT(o.OutputTable(2, k), o.OutputTable(3, k)) << o.OutputTable(1, k) << " kV";
    EXPECT_GT(o.OutputTable(3, k), o.OutputTable(4, k)) << o.OutputTable(1, k) << " kV";
    if (k > 1) {
      for (int r = 2; r <= 4; ++r) EXPECT_GT(o.OutputTable(r, k), o.OutputTable(r, k - 1));
    }
  }
  // Output grows roughly as kV^2 (a survey of some 40 units fits kV^1.98):
  // 120 kV against 60 kV about 4.
  const double ratio = o.OutputTable(2, 9) / o.OutputTable(2, 3);
  EXPECT_GT(ratio, 3.0);
  EXPECT_LT(ratio, 5.5);
}

TEST(KermaPerCharge, RejectsAnUnknownWaveform)
{
  const AttenuationData a = ComputeAttenuationData();
  EXPECT_THROW(RelativeKermaPerCharge(a, 80.0, 4, 0.25, 0.0), std::invalid_argument);
  EXPECT_GT(RelativeKermaPerCharge(a, 80.0, 1, 0.25, 0.0), RelativeKermaPerCharge(a, 80.0, 1, 0.35, 0.0));
}

// With the generated tables, the computing module's first half-value layer
// rises with tube voltage and with filtration, and lands where measured
// beams do: about 3 mm Al at 80 kV with 2.5 mm Al total filtration.
TEST_F(DefaultOutput, SpectrumModelGivesPlausibleHalfValueLayers)
{
  NullWindows windows;
  BeamCalculation m(Edition::English, scratch_->path(), windows);
  m.Attenuation = LoadAttenuationData(scratch_->path());
  m.Output = *output_;
  m.Condition.TargetAngle = 12.0;
  m.Condition.RectificationType = 1;
  auto hvl_mm = [&](double kv, double al_mm) {
    m.Condition.TubeVoltage = kv;
    m.Condition.InherentFilterAl = 0.1 * al_mm;
    m.CalcSpectrum();
    return 10.0 * m.Result.Hvl1;
  };
  const double at80 = hvl_mm(80.0, 2.5);
  EXPECT_GT(at80, 2.5);
  EXPECT_LT(at80, 3.5);
  EXPECT_LT(hvl_mm(60.0, 2.5), at80);
  EXPECT_GT(hvl_mm(100.0, 2.5), at80);
  EXPECT_GT(hvl_mm(80.0, 4.0), at80);
  // KermaRatio is 1 at the output data's own filtration.
  hvl_mm(80.0, 2.5);
  EXPECT_NEAR(m.Result.KermaRatio, 1.0, 1e-12);
}

}  // namespace
}  // namespace vorn::datagen
