// Materials: mass-fraction mixtures, the ICRU Report 44 tissues and the
// compounds of xraylib's NIST list.
#include <xraylib.h>

#include <cmath>
#include <memory>
#include <stdexcept>
#include <string>

#include "physics/interaction.h"
#include "physics/xrl_call.h"

namespace vorn::physics {

Material MakeMaterial(std::string name, std::vector<ElementFraction> elements, double density_g_cm3)
{
  if (elements.empty())
    throw std::invalid_argument("material \"" + name + "\": no elements given");
  if (!(density_g_cm3 > 0.0) || !std::isfinite(density_g_cm3))
    throw std::invalid_argument("material \"" + name + "\": density must be above 0 g/cm3, got " +
                                std::to_string(density_g_cm3));
  double sum = 0.0;
  for (const ElementFraction& e : elements) {
    if (e.Z < 1 || e.Z > kMaxZ)
      throw std::invalid_argument("material \"" + name + "\": no element with atomic number " +
                                  std::to_string(e.Z));
    if (!(e.mass_fraction > 0.0) || !std::isfinite(e.mass_fraction))
      throw std::invalid_argument("material \"" + name + "\": mass fraction of element " +
                                  std::to_string(e.Z) + " must be above 0, got " +
                                  std::to_string(e.mass_fraction));
    sum += e.mass_fraction;
  }
  for (ElementFraction& e : elements) e.mass_fraction /= sum;
  return Material{std::move(name), std::move(elements), density_g_cm3};
}

Material PureElement(int Z, double density_g_cm3)
{
  if (Z < 1 || Z > kMaxZ)
    throw std::invalid_argument("no element with atomic number " + std::to_string(Z));
  return MakeMaterial(ElementSymbol(Z), {{Z, 1.0}}, density_g_cm3);
}

// ICRU Report 44 (1989), Table 4.7: mass fractions in per cent.
Material IcruSoftTissue()
{
  return MakeMaterial("ICRU-44 soft tissue",
                      {{1, 10.2}, {6, 14.3}, {7, 3.4}, {8, 70.8}, {11, 0.2}, {15, 0.3}, {16, 0.3},
                       {17, 0.2}, {19, 0.3}},
                      1.06);
}

Material IcruSkin()
{
  return MakeMaterial("ICRU-44 skin",
                      {{1, 10.0}, {6, 20.4}, {7, 4.2}, {8, 64.5}, {11, 0.2}, {15, 0.1}, {16, 0.2},
                       {17, 0.3}, {19, 0.1}},
                      1.09);
}

Material NistMaterial(std::string_view nist_name)
{
  const std::string name(nist_name);
  xrl_error* error = nullptr;
  compoundDataNIST* raw = GetCompoundDataNISTByName(name.c_str(), &error);
  if (error != nullptr || raw == nullptr) {
    if (error != nullptr) xrl_error_free(error);
    if (raw != nullptr) FreeCompoundDataNIST(raw);
    throw std::invalid_argument("\"" + name + "\" is not in xraylib's list of NIST compounds");
  }
  const std::unique_ptr<compoundDataNIST, void (*)(compoundDataNIST*)> data(raw, FreeCompoundDataNIST);
  std::vector<ElementFraction> elements;
  for (int i = 0; i < data->nElements; ++i)
    elements.push_back({data->Elements[i], data->massFractions[i]});
  return MakeMaterial(name, std::move(elements), data->density);
}

std::string ElementSymbol(int Z)
{
  if (Z < 1 || Z > kMaxZ)
    throw std::invalid_argument("no element with atomic number " + std::to_string(Z));
  char* symbol = detail::XrlCall([&] { return "AtomicNumberToSymbol(Z=" + std::to_string(Z) + ")"; },
                                 AtomicNumberToSymbol, Z);
  std::string result(symbol);
  xrlFree(symbol);
  return result;
}

int AtomicNumber(std::string_view symbol)
{
  const std::string s(symbol);
  xrl_error* error = nullptr;
  const int Z = SymbolToAtomicNumber(s.c_str(), &error);
  const bool failed = error != nullptr;
  if (failed) xrl_error_free(error);
  if (failed || Z < 1 || Z > kMaxZ)
    throw std::invalid_argument("\"" + s + "\" is not the symbol of an element");
  return Z;
}

double AtomicWeight(int Z)
{
  if (Z < 1 || Z > kMaxZ)
    throw std::invalid_argument("no element with atomic number " + std::to_string(Z));
  return detail::XrlCall([&] { return "AtomicWeight(Z=" + std::to_string(Z) + ")"; }, ::AtomicWeight, Z);
}

}  // namespace vorn::physics
