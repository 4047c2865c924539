#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "physics/interaction.h"

namespace vorn::physics {
namespace {

double SumOfFractions(const Material& m)
{
  double s = 0.0;
  for (const ElementFraction& e : m.elements) s += e.mass_fraction;
  return s;
}

double FractionOf(const Material& m, int Z)
{
  for (const ElementFraction& e : m.elements)
    if (e.Z == Z) return e.mass_fraction;
  return 0.0;
}

TEST(Materials, FractionsAreNormalised)
{
  const Material brass = MakeMaterial("Brass", {{29, 63.0}, {30, 37.0}}, 8.5);
  EXPECT_DOUBLE_EQ(FractionOf(brass, 29), 0.63);
  EXPECT_DOUBLE_EQ(FractionOf(brass, 30), 0.37);
  EXPECT_EQ(brass.name, "Brass");
  EXPECT_EQ(brass.density_g_cm3, 8.5);
  // A mixture's coefficient is the weighted sum of its elements'.
  EXPECT_NEAR(MassAttenuation(brass, 40.0),
              0.63 * MassAttenuation(PureElement(29, 8.96), 40.0) + 0.37 * MassAttenuation(PureElement(30, 7.13), 40.0),
              1e-12);
}

TEST(Materials, IcruTissuesCarryTheirTraceElements)
{
  const Material soft = IcruSoftTissue();
  EXPECT_EQ(soft.elements.size(), 9u);
  EXPECT_NEAR(SumOfFractions(soft), 1.0, 1e-12);
  EXPECT_NEAR(FractionOf(soft, 8), 0.708, 1e-12);
  EXPECT_NEAR(FractionOf(soft, 19), 0.003, 1e-12);
  EXPECT_EQ(soft.density_g_cm3, 1.06);
  const Material skin = IcruSkin();
  EXPECT_NEAR(FractionOf(skin, 6), 0.204, 1e-12);
  EXPECT_NEAR(FractionOf(skin, 17), 0.003, 1e-12);
  EXPECT_EQ(skin.density_g_cm3, 1.09);
}

TEST(Materials, NistCompoundsComeWithTheirCompositionAndDensity)
{
  const Material air = NistMaterial("Air, Dry (near sea level)");
  EXPECT_NEAR(FractionOf(air, 7), 0.755, 0.001);  // NIST: N 75.5 %, O 23.2 %, Ar 1.3 %
  EXPECT_NEAR(FractionOf(air, 18), 0.0128, 0.0002);
  EXPECT_NEAR(air.density_g_cm3, 1.205e-3, 1e-6);
  const Material pmma = NistMaterial("Polymethyl Methacralate (Lucite, Perspex)");
  EXPECT_NEAR(pmma.density_g_cm3, 1.19, 1e-9);
  EXPECT_NEAR(FractionOf(pmma, 1), 0.0805, 0.0005);  // C5H8O2: 8 x 1.008 / 100.1
  const Material bone = NistMaterial("Bone, Cortical (ICRP)");
  EXPECT_NEAR(FractionOf(bone, 20), 0.2099, 0.001);
  EXPECT_NEAR(SumOfFractions(bone), 1.0, 1e-12);
}

TEST(Materials, InvalidDefinitionsAreRefused)
{
  EXPECT_THROW(MakeMaterial("none", {}, 1.0), std::invalid_argument);
  EXPECT_THROW(MakeMaterial("zero", {{8, 0.0}}, 1.0), std::invalid_argument);
  EXPECT_THROW(MakeMaterial("negative", {{8, 1.0}, {1, -0.1}}, 1.0), std::invalid_argument);
  EXPECT_THROW(MakeMaterial("no such Z", {{0, 1.0}}, 1.0), std::invalid_argument);
  EXPECT_THROW(MakeMaterial("no such Z", {{99, 1.0}}, 1.0), std::invalid_argument);
  EXPECT_THROW(MakeMaterial("weightless", {{8, 1.0}}, 0.0), std::invalid_argument);
  EXPECT_THROW(MakeMaterial("nan", {{8, 1.0}}, std::nan("")), std::invalid_argument);
  EXPECT_THROW(PureElement(0, 1.0), std::invalid_argument);
  EXPECT_THROW(NistMaterial("Unobtainium"), std::invalid_argument);
  EXPECT_THROW(NistMaterial(""), std::invalid_argument);
}

TEST(Elements, SymbolsAndNumbersRoundTrip)
{
  for (int Z = 1; Z <= kMaxZ; ++Z) EXPECT_EQ(AtomicNumber(ElementSymbol(Z)), Z);
  EXPECT_EQ(ElementSymbol(74), "W");
  EXPECT_EQ(AtomicNumber("Pb"), 82);
  EXPECT_NEAR(AtomicWeight(29), 63.546, 0.01);
  EXPECT_THROW(AtomicNumber("Xx"), std::invalid_argument);
  EXPECT_THROW(AtomicNumber(""), std::invalid_argument);
  EXPECT_THROW(ElementSymbol(0), std::invalid_argument);
}

}  // namespace
}  // namespace vorn::physics
