// DeterministicGenerators(): each table builder written into the output folder.
#include <filesystem>
#include <string>
#include <vector>

#include "platform/files/seqfile.h"
#include "tools/datagen/deterministic_tables.h"
#include "tools/datagen/generators.h"
#include "tools/datagen/output_data_table.h"

namespace vorn::datagen {

namespace {

Generator Single(std::string name, const char* file, std::string (*build)())
{
  return Generator{std::move(name), false, [file, build](const GenContext& c) {
                     WriteFileAtomically(c.out_dir / file, build());
                   }};
}

}  // namespace

std::vector<Generator> DeterministicGenerators()
{
  std::vector<Generator> generators;
  generators.push_back(Single("Att_coeff2020", kAttCoeffFile, AttCoeffTable));
  generators.push_back(Single("ICRUSoft", kIcruSoftFile, IcruSoftTable));
  generators.push_back(Single("Primary", kPrimaryFile, PrimaryTable));
  generators.push_back(Generator{"FilterMaterials", false, [](const GenContext& c) {
                                   for (const FilterMaterialSpec& spec : FilterMaterials())
                                     WriteFileAtomically(c.out_dir / spec.file_name, FilterMaterialFile(spec));
                                   WriteFileAtomically(c.out_dir / kFilterReadmeFile, FilterReadme());
                                 }});
  generators.push_back(Single("SiteList", kSiteListFile, SiteList));
  generators.push_back(Generator{"vorn_default", false, [](const GenContext& c) { WriteDefaultOutputData(c.out_dir); }});
  return generators;
}

}  // namespace vorn::datagen
