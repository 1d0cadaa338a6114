// The objects built for an instruction set share no external symbol (weak ones included) with
// any other object of the library. Were an inline function or a template instance defined in
// both, the linker could keep the AVX copy and a portable caller would run AVX instructions
// on a processor without them; this holds in every build type, unoptimised ones included.

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace fft_test {
namespace {

struct Symbol {
    std::string object;
    std::string name;
};

// Every defined external symbol of the library, from `nm -A -g --defined-only`, whose lines
// read "<archive>:<object>:<address> <type> <name>".
std::vector<Symbol> LibrarySymbols() {
    std::vector<Symbol> symbols;
    const std::string command = std::string(NM_TOOL) + " -A -g --defined-only '" + FFT_LIBRARY_FILE + "' 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return symbols;
    char line[4096];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        const std::string text(line);
        const std::size_t space = text.find(' ');
        const std::size_t addressColon = text.rfind(':', space);
        const std::size_t objectColon = addressColon == std::string::npos ? std::string::npos : text.rfind(':', addressColon - 1);
        const std::size_t nameStart = text.find(' ', space + 1);
        if (objectColon == std::string::npos || nameStart == std::string::npos) continue;
        std::string name = text.substr(nameStart + 1);
        while (!name.empty() && (name.back() == '\n' || name.back() == '\r')) name.pop_back();
        symbols.push_back({text.substr(objectColon + 1, addressColon - objectColon - 1), name});
    }
    pclose(pipe);
    return symbols;
}

struct IsaObject {
    const char* name;
    const char* object;  // object file name in the archive
    const char* entry;   // the one function the rest of the library calls
};

const IsaObject IsaObjects[] = {
    {"avx2", "Engine_avx2.cpp.o", "_ZN7uFFTasm8Avx2PathEv"},
    {"avx512", "Engine_avx512.cpp.o", "_ZN7uFFTasm10Avx512PathEv"},
};

class IsaSymbolsTest : public testing::TestWithParam<IsaObject> {};

TEST_P(IsaSymbolsTest, NoSymbolOfTheIsaObjectIsDefinedElsewhere) {
    const IsaObject& isa = GetParam();
    std::map<std::string, std::set<std::string>> definers;
    for (const Symbol& s : LibrarySymbols()) definers[s.name].insert(s.object);
    ASSERT_TRUE(definers.count(isa.entry) == 1 && definers[isa.entry].count(isa.object) == 1)
        << isa.object << " does not define " << isa.entry << " (nm " << NM_TOOL << " on " << FFT_LIBRARY_FILE << ")";
    for (const auto& [name, objects] : definers) {
        if (objects.count(isa.object) == 0) continue;
        EXPECT_EQ(objects.size(), 1u) << name << " is defined in " << isa.object << " and in "
                                      << (*objects.begin() == isa.object ? *objects.rbegin() : *objects.begin());
    }
}

INSTANTIATE_TEST_SUITE_P(EngineFiles, IsaSymbolsTest, testing::ValuesIn(IsaObjects),
                         [](const testing::TestParamInfo<IsaObject>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fft_test
