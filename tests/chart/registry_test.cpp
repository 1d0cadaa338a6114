// The series type list and the class registry that start-up fills: the gallery order, the
// duplicate rule, the cut of long names, creation by class name and the counted start-up.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "chart/core/Exceptions.h"
#include "chart/registry/ChartClasses.h"
#include "chart/registry/ChartModules.h"
#include "chart/registry/ClassRegistry.h"
#include "chart/registry/ScreenCursors.h"
#include "chart/registry/SeriesTypes.h"
#include "chart/series/ZelFunction.h"
#include "chart/seriestypes/LineSeries.h"

namespace chart {
namespace {

class TTestFunction : public TZelFunction {
 public:
  void AddPoints(TChartSeries&) override {}
};
const TChartClass TestFunctionClass{"TTestFunction", nullptr, []() -> std::unique_ptr<TZelFunction> {
                                      return std::make_unique<TTestFunction>();
                                    }};

struct RegistryTest : ::testing::Test {
  void SetUp() override { ChartModulesInit(); }
  void TearDown() override { ChartModulesDone(); }
};

// class name, gallery page, description, gallery series count
using TEntry = std::tuple<std::string, std::string, std::string, int>;

std::vector<TEntry> Listed() {
  std::vector<TEntry> out;
  for (int i = 0; i < SeriesTypeCount(); ++i) {
    const TZelSeriesType& t = SeriesTypeAt(i);
    const TChartClass* cls = t.SeriesClass ? t.SeriesClass : t.FunctionClass;
    out.emplace_back(std::string(cls->Name), t.GalleryPage, t.Description, t.NumGallerySeries);
  }
  return out;
}

TEST_F(RegistryTest, StartUpListsTheExistingTypesInGalleryOrder) {
  const TEntry all[] = {
      {"TAddZelFunction", "Functions", "Add", 2},
      {"TSubtractZelFunction", "Functions", "Subtract", 2},
      {"TMultiplyZelFunction", "Functions", "Multiply", 2},
      {"TDivideZelFunction", "Functions", "Divide", 2},
      {"THighZelFunction", "Functions", "High", 2},
      {"TLowZelFunction", "Functions", "Low", 2},
      {"TAverageZelFunction", "Functions", "Average", 2},
      {"TLineSeries", "Standard", "Line", 2},
      {"TBarSeries", "Standard", "Bar", 2},
      {"THorizBarSeries", "Standard", "Horiz. Bar", 2},
      {"TAreaSeries", "Standard", "Area", 2},
      {"TPointSeries", "Standard", "Point", 2},
      {"TPieSeries", "Standard", "Pie", 1},
      {"TFastLineSeries", "Standard", "Fast Line", 2},
  };
  std::vector<TEntry> existing;
  for (const TEntry& e : all)
    if (FindChartClass(std::get<0>(e))) existing.push_back(e);
  ASSERT_NE(FindChartClass("TLineSeries"), nullptr);
  EXPECT_EQ(Listed(), existing);
  EXPECT_THROW(SeriesTypeAt(SeriesTypeCount()), EListError);
}

TEST_F(RegistryTest, OnlyANewPairOfSeriesAndFunctionClassIsAdded) {
  struct Case {
    const char* name;
    const TChartClass* series;
    const TChartClass* function;
    bool added;
  };
  const Case cases[] = {
      {"line again", &LineSeriesClass, nullptr, false},
      {"line with a function", &LineSeriesClass, &TestFunctionClass, true},
      {"that pair again", &LineSeriesClass, &TestFunctionClass, false},
      {"the function alone", nullptr, &TestFunctionClass, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const int before = SeriesTypeCount();
    AddSeriesTypeEntry(c.series, c.function, "Other", 1, "Page");
    ASSERT_EQ(SeriesTypeCount(), before + (c.added ? 1 : 0));
    if (!c.added) continue;
    const TZelSeriesType& t = SeriesTypeAt(before);
    EXPECT_EQ(t.SeriesClass, c.series);
    EXPECT_EQ(t.FunctionClass, c.function);
  }
}

TEST_F(RegistryTest, NamesAreCutToTwentyCharacters) {
  const std::string cyrillic25 = "ЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖ";
  const std::pair<std::string, std::string> cases[] = {
      {"abcdefghijklmnopqrstuvwxy", "abcdefghijklmnopqrst"},
      {"exactly twenty chars", "exactly twenty chars"},
      {"", ""},
      {cyrillic25, cyrillic25.substr(0, 40)},  // two bytes each
  };
  for (const auto& [text, cut] : cases) EXPECT_EQ(FirstCharacters(text, MaxTypeNameLength), cut) << text;

  RegisterFunctionType(TestFunctionClass, "A description too long", "A page name too long!", 2);
  const TZelSeriesType& t = SeriesTypeAt(SeriesTypeCount() - 1);
  EXPECT_EQ(t.Description, "A description too lo");
  EXPECT_EQ(t.GalleryPage, "A page name too long");
}

TEST_F(RegistryTest, ClassesAreCreatedByName) {
  RegisterStandardFunction(TestFunctionClass, "Test");
  EXPECT_NE(dynamic_cast<TLineSeries*>(CreateSeriesByName("TLineSeries").get()), nullptr);
  EXPECT_NE(dynamic_cast<TTestFunction*>(CreateFunctionByName("TTestFunction").get()), nullptr);
  // Unknown names, owned parts and classes of the other kind give nothing.
  for (const char* name : {"TNoSuchSeries", "TChartAxis", "TTestFunction", ""})
    EXPECT_EQ(CreateSeriesByName(name), nullptr) << name;
  EXPECT_EQ(CreateFunctionByName("TLineSeries"), nullptr);
  EXPECT_EQ(FindChartClass("TChartAxis")->Name, "TChartAxis");
  EXPECT_NE(FindChartClass("TChartLegend"), nullptr);
}

TEST_F(RegistryTest, OnlyTheOutermostStartUpAndFinalisationWork) {
  const std::vector<TEntry> started = Listed();
  ChartModulesInit();
  EXPECT_EQ(Listed(), started);
  ChartModulesDone();
  EXPECT_EQ(Listed(), started);
  EXPECT_EQ(ScreenCursor(crZelHand), crHandPoint);

  ChartModulesDone();
  EXPECT_EQ(SeriesTypeCount(), 0);
  EXPECT_EQ(FindChartClass("TLineSeries"), nullptr);
  EXPECT_EQ(ScreenCursor(crZelHand), crDefault);
  ChartModulesDone();  // one too many: nothing to undo, and the next start-up still works
  ChartModulesInit();
  EXPECT_EQ(Listed(), started);
}

}  // namespace
}  // namespace chart
