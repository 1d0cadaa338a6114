// Start-up and shut-down order of the program's modules.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "app/Modules.h"
#include "app/core/ProgramModules.h"
#include "chart/registry/SeriesTypes.h"
#include "fft/uFFTasm.h"

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

TEST(Modules, TheProgramStartsTheChartEngineThenTheFftEngineAndFinalisesBoth) {
  std::vector<std::string> names;
  for (const TProgramModule& m : ProgramModules()) names.emplace_back(m.Name);
  EXPECT_EQ(names, (std::vector<std::string>{"chart engine", "fft engine", "application"}));

  // A 2-point forward transform of (1, 0): (1, 1) while the engine is up, untouched otherwise.
  const auto transformed = [] {
    uFFTasm::TComplexSingle data[2] = {{1, 0}, {0, 0}};
    uFFTasm::ComplexFFT(data, 2, false, false, false);
    return data[1].Re == 1;
  };
  {
    TModules m;
    for (const TProgramModule& p : ProgramModules()) m.Start(p.Init, p.Done);
    EXPECT_GT(chart::SeriesTypeCount(), 0);
    EXPECT_TRUE(transformed());
  }
  EXPECT_EQ(chart::SeriesTypeCount(), 0);
  EXPECT_FALSE(transformed());
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
