// The two editions built from one source.
#pragma once

namespace vorn {

enum class Edition { Japanese, English };

}  // namespace vorn
