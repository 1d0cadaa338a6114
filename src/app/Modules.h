// Module start-up in a fixed order and finalisation in exactly the reverse order: each
// module's finalisation runs when the object goes, for the modules started until then.
#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace demo {

class TModules {
 public:
  TModules() = default;
  TModules(const TModules&) = delete;
  TModules& operator=(const TModules&) = delete;
  ~TModules() {
    for (auto it = FDone.rbegin(); it != FDone.rend(); ++it) (*it)();
  }
  // Runs the initialisation; the finalisation is kept only when it returned normally.
  void Start(const std::function<void()>& init, std::function<void()> done) {
    init();
    FDone.push_back(std::move(done));
  }

 private:
  std::vector<std::function<void()>> FDone;
};

}  // namespace demo
