// Fuzz target: the optional filter's material files (*.ele, *.mix): the name
// the dialog lists, the table and the coefficients made from it.
#include "fuzz/fuzz_input.h"
#include "mainwin/filter_material.h"
#include "platform/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  using namespace vorn;
  const auto path = fuzz::PutInput("Fuzz.mix", fuzz::Bytes(data, size));
  try {
    mainwin::ReadFilterMaterialName(path);
  } catch (const Error&) {
  }
  try {
    mainwin::OtherFilterMuOf(mainwin::ReadFilterMaterialFile(path));
  } catch (const Error&) {
  }
  return 0;
}
