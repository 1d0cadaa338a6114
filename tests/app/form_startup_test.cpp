// Start-up and shut-down order of the program's modules.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "app/Modules.h"

namespace demo {
namespace {

TEST(Modules, FinaliseInExactlyTheReverseOrder) {
  std::vector<std::string> log;
  {
    TModules m;
    for (std::string name : {"registry", "fft", "app"})
      m.Start([&log, name] { log.push_back("init " + name); }, [&log, name] { log.push_back("done " + name); });
    log.push_back("loop");
  }
  EXPECT_EQ(log, (std::vector<std::string>{"init registry", "init fft", "init app", "loop", "done app", "done fft",
                                           "done registry"}));
}

TEST(Modules, FailedStartFinalisesOnlyWhatStarted) {
  std::vector<std::string> log;
  try {
    TModules m;
    m.Start([&] { log.push_back("init a"); }, [&] { log.push_back("done a"); });
    m.Start([] { throw std::runtime_error("b"); }, [&] { log.push_back("done b"); });
    log.push_back("unreachable");
  } catch (const std::runtime_error&) {
    log.push_back("caught");
  }
  EXPECT_EQ(log, (std::vector<std::string>{"init a", "done a", "caught"}));
}

}  // namespace
}  // namespace demo
