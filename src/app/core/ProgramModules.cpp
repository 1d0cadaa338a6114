#include "app/core/ProgramModules.h"

#include "chart/registry/ChartModules.h"
#include "fft/uFFTasm.h"

namespace demo {

namespace {

// This program's own module: nothing to set up or release.
void AppModuleInit() {}
void AppModuleDone() {}

// The chart engine's registrations come before the FFT engine's tables, and this
// program's module last.
constexpr TProgramModule Modules[] = {
    {"chart engine", chart::ChartModulesInit, chart::ChartModulesDone},
    {"fft engine", uFFTasm::FFTInit, uFFTasm::FFTDone},
    {"application", AppModuleInit, AppModuleDone},
};

}  // namespace

std::span<const TProgramModule> ProgramModules() { return Modules; }

}  // namespace demo
