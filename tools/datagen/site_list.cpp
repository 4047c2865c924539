// The Japanese examination-site list.
#include <string>
#include <vector>

#include "tools/datagen/deterministic_tables.h"
#include "tools/datagen/text_out.h"

namespace vorn::datagen {

// The sites of the English edition's fixed list, in the same order.
std::vector<std::string> SiteNames()
{
  return {"頭部正面", "頭部側面", "頸部正面", "頸部側面", "胸部正面", "胸部側面",
          "腹部正面", "腹部側面", "腰椎正面", "腰椎側面", "骨盤正面"};
}

std::string SiteList()
{
  std::string out;
  for (const std::string& name : SiteNames()) out += name + std::string(kCrLf);
  return out;
}

}  // namespace vorn::datagen
