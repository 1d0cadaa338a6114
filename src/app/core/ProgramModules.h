// The program's modules in their start-up order; they finalise in exactly the reverse.
#pragma once

#include <span>
#include <string_view>

namespace demo {

struct TProgramModule {
  std::string_view Name;
  void (*Init)();
  void (*Done)();
};

std::span<const TProgramModule> ProgramModules();

}  // namespace demo
