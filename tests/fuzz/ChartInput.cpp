#include "fuzz/ChartInput.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <exception>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "chart/core/Exceptions.h"
#include "chart/registry/ChartModules.h"
#include "chart/registry/SeriesTypes.h"
#include "chart/seriestypes/BarSeries.h"
#include "chart/seriestypes/AreaSeries.h"
#include "chart/seriestypes/FastLineSeries.h"
#include "chart/seriestypes/PointSeries.h"
#include "chart/seriestypes/HorizBarSeries.h"
#include "chart/seriestypes/PieSeries.h"
#include "chart/series/ZelFunction.h"
#include "fuzz/ChartPaint.h"
#include "fuzz/FuzzReader.h"

namespace fuzz {

namespace {

using namespace chart;

// Bounds that keep one input well under a second with sanitizers on.
constexpr long long MaxPointsPerInput = 250000;
constexpr int MaxPointsPerCall = 100000;
constexpr int MaxRecordedPaints = 4;
// Comparing the area pictures draws every area point by point on Qt, a polygon per point.
constexpr int MaxAreaComparisons = 2;
constexpr int MaxQtPaints = 2;
constexpr int MaxOps = 400;
constexpr std::size_t MaxTypedSeries = 4;
// Marks format and measure a text per point on every paint (bar series show them from the
// start): a series of more points than this loses its marks before a paint, so that an input
// stays fast.
constexpr int MaxMarkedPoints = 2000;
// A pointer is a shape per point (a box of three faces in 3D), and an input paints on Qt up
// to eight times: a series of more points than this loses its pointers before a paint.
constexpr int MaxPointerPoints = 20000;

bool Same(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b)); }
template <class T>
bool Same(const T& a, const T& b) { return a == b; }

// What a series holds; compared around the calls that may reject their arguments.
struct TSeriesState {
  std::vector<double> X, Y;
  std::vector<TColor> Colors;
  int Labels = 0;
  bool operator==(const TSeriesState& o) const {
    if (X.size() != o.X.size() || Colors != o.Colors || Labels != o.Labels) return false;
    for (std::size_t i = 0; i < X.size(); ++i)
      if (!Same(X[i], o.X[i]) || !Same(Y[i], o.Y[i])) return false;
    return true;
  }
};

TSeriesState StateOf(const TChartSeries& s) {
  TSeriesState st;
  const auto& x = s.XValues();
  const auto& y = s.YValues();
  st.X.assign(x.Data(), x.Data() + x.Count());
  st.Y.assign(y.Data(), y.Data() + y.Count());
  st.Colors.assign(s.StoredColors(), s.StoredColors() + s.StoredColorCount());
  st.Colors.resize(static_cast<std::size_t>(s.ColorCount()), clDefault);
  st.Labels = s.LabelCount();
  return st;
}

// Runs `call`; an exception must be one the engine documents, and `unchanged` must hold after it.
template <class Call, class Unchanged>
void Guarded(const char* what, Call call, Unchanged unchanged, bool dateTimeConversion = false) {
  bool rejected = false;
  try {
    call();
  } catch (const ChartException&) {
    rejected = true;
  } catch (const EListError&) {
    rejected = true;
  } catch (const std::invalid_argument& e) {
    if (!dateTimeConversion) Fail(std::string(what) + ": undocumented exception: " + e.what());
    rejected = true;
  }
  if (rejected && !unchanged()) Fail(std::string(what) + ": a rejected call changed the object");
}

// A setter: when it rejects the value, the getter still gives the old one.
template <class Get, class Set, class V>
void Prop(const char* what, Get get, Set set, V v, bool dateTimeConversion = false) {
  const auto old = get();
  Guarded(what, [&] { set(v); }, [&] { return Same(get(), old); }, dateTimeConversion);
}

// A call on a series that may reject its index: the series keeps its points.
template <class Call>
void SeriesCall(const char* what, TChartSeries& s, Call call) {
  const TSeriesState before = StateOf(s);
  Guarded(what, call, [&] { return StateOf(s) == before; });
}

class TDecoder {
 public:
  TDecoder(TReader& in, TChartSession& s) : In(in), S(s) {}

  void Run() {
    for (int op = 0; op < MaxOps && !In.Empty(); ++op) Step();
    // Every input ends with a paint, so that whatever it set up is drawn.
    Paint(false);
  }

 private:
  TReader& In;
  TChartSession& S;
  long long Points = 0;
  int RecordedPaints = 0;
  int AreaComparisons = 0;
  int QtPaints = 0;

  TLineSeries& AnySeries() { return *S.Series[In.Byte() % S.Series.size()]; }
  // One of the chart's axes: the five standard ones, then its custom axes.
  TCustomChartAxis& AnyAxis() {
    const auto& axes = S.Chart.AxisList();
    return *axes[In.Byte() % axes.size()];
  }
  TColor Color() {
    static constexpr TColor colors[] = {clDefault, clNone, clBlack, clWhite, clRed, clBtnFace, 0xFF000008u,
                                        0xFF0000FFu, 0x12345678u};
    const std::uint8_t sel = In.Byte();
    return sel < 200 ? colors[sel % std::size(colors)] : In.U32();
  }
  // A coordinate, mostly on or near the chart.
  int Coordinate(int extent) {
    const std::uint8_t sel = In.Byte();
    if (sel < 200) return static_cast<int>(In.U32() % static_cast<std::uint32_t>(std::max(extent, 0) + 41)) - 20;
    return In.Int();
  }
  int Index(const TChartSeries& s) {
    const std::uint8_t sel = In.Byte();
    if (sel < 220) return s.Count() > 0 ? static_cast<int>(In.U32() % static_cast<unsigned>(s.Count() + 1)) - (sel & 1) : sel % 3 - 1;
    return In.Int();
  }
  std::string Label() { return In.Bool() ? std::string() : In.Text(64); }

  void Step() {
    // The top bytes were added last, so that older inputs mostly decode as before.
    const std::uint8_t op = In.Byte();
    if (op >= 240) {
      Functions();
      return;
    }
    switch (op % 40) {
      case 0: AddPoint(); break;
      case 1: {
        TLineSeries& s = AnySeries();
        const double v = In.Double();
        const std::string label = Label();
        s.Add(v, label, Color());
        ++Points;
        break;
      }
      case 2: {
        TLineSeries& s = AnySeries();
        if (In.Bool()) {
          s.AddNullValue(Label());
        } else {
          const double x = In.Double(), y = In.Double();
          s.AddNullPoint(x, y, Label());
        }
        ++Points;
        break;
      }
      case 3: AppendMany(); break;
      case 4: {
        TLineSeries& s = AnySeries();
        const int i = Index(s);
        SeriesCall("Delete", s, [&] { s.Delete(i); });
        break;
      }
      case 5: AnySeries().Clear(); break;
      case 6: {
        TLineSeries& s = AnySeries();
        const int a = Index(s), b = Index(s);
        SeriesCall("SwapPoints", s, [&] { s.SwapPoints(a, b); });
        break;
      }
      case 7: {
        TLineSeries& s = AnySeries();
        TChartValueList& list = In.Bool() ? s.XValues() : s.YValues();
        const int i = Index(s);
        const double v = In.Double();
        SeriesCall("SetValue", s, [&] { list.SetValue(i, v); });
        break;
      }
      case 8: {
        TLineSeries& s = AnySeries();
        const int i = Index(s);
        const TColor c = Color();
        SeriesCall("SetValueColor", s, [&] { s.SetValueColor(i, c); });
        break;
      }
      case 9: SeriesProperty(AnySeries()); break;
      case 10: {
        TLineSeries& s = AnySeries();
        if (s.ParentChart()) S.Chart.RemoveSeries(s);
        else S.Chart.AddSeries(s);
        break;
      }
      case 11: AxisRange(AnyAxis()); break;
      case 12: AxisScale(AnyAxis()); break;
      case 13: AxisLabels(AnyAxis()); break;
      case 14: AxisTicks(AnyAxis()); break;
      case 15: Size(); break;
      case 16: Panel(); break;
      case 17: View3D(); break;
      case 18: Titles(); break;
      case 19: ChartOptions(); break;
      case 20: Mouse(0); break;
      case 21: Mouse(1); break;
      case 22: Mouse(2); break;
      case 23: Mouse(3); break;
      case 24: Paint(false); break;
      case 25: Paint(true); break;
      case 26: Events(); break;
      case 27: HitTests(); break;
      case 28: ValueLists(AnySeries()); break;
      case 29: Looks(); break;
      case 30: Copies(); break;
      case 31: CustomAxes(); break;
      case 32: Legend(); break;
      case 33: Marks(AnySeries()); break;
      case 34: CanvasDrawing(); break;
      case 35: TypedSeries(); break;
      case 36: AxisTicks(AnyAxis()); break;
      case 37: AxisLabels(AnyAxis()); break;
      case 38: Mouse(In.Byte() % 4); break;
      case 39: SeriesProperty(AnySeries()); break;
    }
  }

  // Marks of a series: every setting, texts the program replaces, positions it fixes.
  void Marks(TChartSeries& s) {
    TSeriesMarks& m = s.Marks();
    switch (In.Byte() % 16) {
      case 0: Prop("Visible", [&] { return m.Visible(); }, [&](auto v) { m.SetVisible(v); }, In.Bool()); break;
      case 1: Prop("Clip", [&] { return m.Clip(); }, [&](auto v) { m.SetClip(v); }, In.Bool()); break;
      case 2: Prop("Style", [&] { return m.Style(); }, [&](auto v) { m.SetStyle(v); }, static_cast<TSeriesMarksStyle>(In.Byte() % 9)); break;
      case 3: Prop("Transparent", [&] { return m.Transparent(); }, [&](auto v) { m.SetTransparent(v); }, In.Bool()); break;
      case 4: Prop("ArrowLength", [&] { return m.ArrowLength(); }, [&](auto v) { m.SetArrowLength(v); }, In.Int()); break;
      case 5: Prop("BackColor", [&] { return m.BackColor(); }, [&](auto v) { m.SetBackColor(v); }, Color()); break;
      case 6: Prop("Visible", [&] { return m.Arrow().Visible(); }, [&](auto v) { m.Arrow().SetVisible(v); }, In.Bool()); break;
      case 7: Prop("Color", [&] { return m.Arrow().Color(); }, [&](auto v) { m.Arrow().SetColor(v); }, Color()); break;
      case 8: Prop("Width", [&] { return m.Frame().Width(); }, [&](auto v) { m.Frame().SetWidth(v); }, In.Int()); break;
      case 9: Prop("Visible", [&] { return m.Frame().Visible(); }, [&](auto v) { m.Frame().SetVisible(v); }, In.Bool()); break;
      case 10: Prop("Size", [&] { return m.Font().Size(); }, [&](auto v) { m.Font().SetSize(v); }, In.Int()); break;
      case 11:
        if (In.Bool()) {
          s.OnGetMarkText = nullptr;
        } else {
          // Texts of any length and line count, or none for some points.
          s.OnGetMarkText = [text = In.Text(200), every = In.Byte() % 4 + 1](TChartSeries*, int index, std::string& mark) {
            mark = index % every == 0 ? text : std::string();
          };
        }
        break;
      case 12: {
        const int i = Index(s);
        const int before = m.Positions().Count();
        Guarded("PositionOf", [&] {
          TSeriesMarkPosition& p = m.PositionOf(i);
          p.Custom = In.Bool();
          p.LeftTop = {Coordinate(S.Host.Client.Width()), Coordinate(S.Host.Client.Height())};
          p.ArrowFrom = {Coordinate(S.Host.Client.Width()), Coordinate(S.Host.Client.Height())};
          p.Width = In.Byte() < 200 ? In.Byte() : In.Int();
          p.Height = In.Byte() < 200 ? In.Byte() : In.Int();
        }, [&] { return m.Positions().Count() == before; });
        break;
      }
      case 13: {
        const int i = Index(s);
        SeriesCall("MarkText", s, [&] { (void)m.MarkText(i); });
        break;
      }
      case 14: TSeriesMarks::ArrowContrast = In.Bool(); break;
      case 15: {
        TLineSeries& from = AnySeries();
        m.Assign(from.Marks());
        break;
      }
    }
  }

  // A program drawing its own shapes on the chart's canvas after each paint: every solid the
  // series types use, with any size and depth, in 2D and 3D.
  void CanvasDrawing() {
    if (In.Bool()) {
      S.Chart.OnAfterDraw = nullptr;
      return;
    }
    const int kind = In.Byte() % 12;
    const TRect r{Coordinate(S.Host.Client.Width()), Coordinate(S.Host.Client.Height()),
                  Coordinate(S.Host.Client.Width()), Coordinate(S.Host.Client.Height())};
    const int z0 = In.Byte() % 2 ? In.Int() : In.Byte(), z1 = In.Byte() % 2 ? In.Int() : In.Byte();
    const bool flag = In.Bool(), dark = In.Bool();
    const int extra = In.Byte() % 2 ? In.Int() : In.Byte();
    const double a0 = In.Double(), a1 = In.Double();
    const std::string text = In.Text(20);
    const TColor color = Color();
    TChart* chart = &S.Chart;
    S.Chart.OnAfterDraw = [=](TCustomZelPanel*) {
      TCanvas3D& c = chart->Canvas();
      c.Brush().SetColor(color);
      const TPoint a{r.Left, r.Top}, b{r.Right, r.Bottom};
      switch (kind) {
        case 0: c.DrawCube(r, z0, z1, dark); break;
        case 1: c.DrawCylinder(flag, r, z0, z1, dark); break;
        case 2: c.DrawCone(flag, r, z0, z1, dark, extra); break;
        case 3: c.DrawPyramid(flag, r, z0, z1, dark); break;
        case 4: c.DrawPie3D(r.Left, r.Top, r.Right, r.Bottom, z0, z1, a0, a1, dark, flag); break;
        case 5: c.DrawArrow(flag, a, b, extra, z1, z0); break;
        case 6: c.DrawSphere(r.Left, r.Top, z0, a0); break;
        case 7: c.DrawTriangle3D({TPoint3D{r.Left, r.Top, z0}, TPoint3D{r.Right, r.Bottom, z1}, TPoint3D{r.Left, r.Bottom, extra}},
                                 {color, clRed, clNone}); break;
        case 8: c.DrawQuad3D({a, b, TPoint{r.Left, r.Bottom}, TPoint{r.Right, r.Top}}, z0, z1); break;
        case 9: c.DrawRotatedText3D(r.Left, r.Top, z0, text, extra); break;
        case 10: c.DrawFloorPlane(r.Left, r.Top, r.Right, z0, z1); c.DrawSidePlane(r.Left, r.Top, r.Bottom, z0, z1); break;
        case 11: c.PutPixel3D(r.Left, r.Top, z0, color); c.DrawEllipseAtDepth(r.Left, r.Top, r.Right, r.Bottom, z1); break;
      }
    };
  }

  // Axes the program adds; a series may draw against them, and they may go again.
  void CustomAxes() {
    TChart& c = S.Chart;
    switch (In.Byte() % 4) {
      case 0:
        if (c.CustomAxisCount() < 4) {
          const bool horizontal = In.Bool();
          c.CreateCustomAxis(horizontal, In.Bool());
        }
        break;
      case 1: c.RemoveCustomAxis(AnyAxis()); break;
      case 2: {
        TLineSeries& s = AnySeries();
        TCustomChartAxis* axis = In.Bool() ? &AnyAxis() : nullptr;
        Prop("CustomHorizAxis", [&] { return s.CustomHorizAxis(); }, [&](TCustomChartAxis* v) { s.SetCustomHorizAxis(v); }, axis);
        break;
      }
      case 3: {
        TLineSeries& s = AnySeries();
        TCustomChartAxis* axis = In.Bool() ? &AnyAxis() : nullptr;
        Prop("CustomVertAxis", [&] { return s.CustomVertAxis(); }, [&](TCustomChartAxis* v) { s.SetCustomVertAxis(v); }, axis);
        break;
      }
    }
  }

  // Handlers a program may attach: replaced label texts and custom label values.
  void Events() {
    TChart& c = S.Chart;
    switch (In.Byte() % 6) {
      case 0:
        if (In.Bool()) {
          c.OnGetAxisLabel = nullptr;
        } else {
          c.OnGetAxisLabel = [text = In.Text(200)](TCustomChartAxis*, TChartSeries*, int, std::string& label) {
            label = text;
          };
        }
        break;
      case 1:
        if (In.Bool()) {
          c.OnGetNextAxisLabel = nullptr;
        } else {
          const int stopAt = In.Int();
          const double start = In.Double(), step = In.Double();
          c.OnGetNextAxisLabel = [=](TCustomChartAxis*, int index, double& value, bool& stop) {
            stop = index >= stopAt;
            value = start + step * index;
          };
        }
        break;
      case 2: {
        TLineSeries& s = AnySeries();
        const int refuseFrom = In.Int();
        s.OnBeforeAdd = [&s, refuseFrom](TChartSeries*) { return s.Count() < refuseFrom; };
        break;
      }
      case 3: AnySeries().OnBeforeAdd = nullptr; break;
      case 4: {
        // Click handlers that may claim the click, so the chart's own work is skipped.
        const bool claim = In.Bool();
        c.OnClickSeries = [claim](TCustomChart* sender, TChartSeries*, int, TMouseButton, TShiftState, int, int) {
          sender->SetMouseHandled(claim);
        };
        c.OnClickAxis = [claim](TCustomChart* sender, TCustomChartAxis*, TMouseButton, TShiftState, int, int) {
          sender->SetMouseHandled(claim);
        };
        c.OnClickBackground = [claim](TCustomChart* sender, TMouseButton, TShiftState, int, int) {
          sender->SetMouseHandled(claim);
        };
        break;
      }
      case 5: {
        // A scroll handler that vetoes or stretches the new range.
        const bool allow = In.Bool();
        const double stretch = In.Double();
        c.OnAllowScroll = [allow, stretch](TCustomChartAxis*, double& lo, double& hi, bool& ok) {
          ok = allow;
          hi += stretch;
          (void)lo;
        };
        break;
      }
    }
  }

  void HitTests() {
    const int x = Coordinate(S.Host.Client.Width());
    const int y = Coordinate(S.Host.Client.Height());
    switch (In.Byte() % 3) {
      case 0: S.Chart.PartAtPoint(x, y); break;
      case 1: AnySeries().Clicked(x, y); break;
      case 2: AnyAxis().Clicked(x, y); break;
    }
  }

  void ValueLists(TLineSeries& s) {
    TChartValueList& list = In.Bool() ? s.XValues() : s.YValues();
    switch (In.Byte() % 6) {
      case 0: list.Sort(); break;
      case 1: list.FillWithIndices(); break;
      case 2: list.Rotate(); break;
      case 3: list.SetMultiplier(In.Double()); break;
      case 4: list.IndexOfValue(In.Double()); break;
      case 5: {
        const int i = Index(s);
        SeriesCall("Value", s, [&] { (void)list.Value(i); });
        break;
      }
    }
  }

  // Painting options that take other drawing paths: gradients, pictures, pen modes, fonts.
  void Looks() {
    TChart& c = S.Chart;
    switch (In.Byte() % 9) {
      case 0: c.Gradient().SetVisible(In.Bool()); break;
      case 1: c.Gradient().SetDirection(static_cast<TGradientDirection>(In.Byte() % 7)); break;
      case 2: {
        const int w = In.Byte() % 40, h = In.Byte() % 40;
        std::vector<TColor> pixels(static_cast<std::size_t>(w * h), Color());
        c.SetBackImage(std::make_shared<TPicture>(w, h, std::move(pixels)));
        break;
      }
      case 3: c.SetBackImageMode(static_cast<TZelBackImageMode>(In.Byte() % 3)); break;
      case 4: c.SetBackImageInside(In.Bool()); break;
      case 5: AnySeries().LinePen().SetMode(static_cast<TPenMode>(In.Byte() % 16)); break;
      case 6: AnyAxis().LabelsFont().SetOrientation(In.Int()); break;
      case 7: AnyAxis().LabelsFont().SetName(In.Text(40)); break;
      case 8: c.BackWall().Brush().SetStyle(static_cast<TBrushStyle>(In.Byte() % 8)); break;
    }
  }

  // A percentage: mostly near the accepted 0 .. 100, sometimes any int.
  int Percent() { return In.Bool() ? static_cast<int>(In.Byte() % 111) - 5 : In.Int(); }
  int Small() { return In.Bool() ? static_cast<int>(In.Byte() % 16) - 2 : In.Int(); }

  // The legend: every setting (the checked ones with any value), its events, clicks on it.
  void Legend() {
    TChart& c = S.Chart;
    TChartLegend& l = c.Legend();
    switch (In.Byte() % 24) {
      case 0: Prop("Visible", [&] { return l.Visible(); }, [&](auto v) { l.SetVisible(v); }, In.Bool()); break;
      case 1: Prop("Alignment", [&] { return l.Alignment(); }, [&](auto v) { l.SetAlignment(v); }, static_cast<TLegendAlignment>(In.Byte() % 4)); break;
      case 2: Prop("LegendStyle", [&] { return l.LegendStyle(); }, [&](auto v) { l.SetLegendStyle(v); }, static_cast<TLegendStyle>(In.Byte() % 4)); break;
      case 3: Prop("TextStyle", [&] { return l.TextStyle(); }, [&](auto v) { l.SetTextStyle(v); }, static_cast<TLegendTextStyle>(In.Byte() % 6)); break;
      case 4: Prop("Color", [&] { return l.Color(); }, [&](auto v) { l.SetColor(v); }, Color()); break;
      case 5: Prop("Style", [&] { return l.Brush().Style(); }, [&](auto v) { l.Brush().SetStyle(v); }, static_cast<TBrushStyle>(In.Byte() % 8)); break;
      case 6: Prop("Color", [&] { return l.Brush().Color(); }, [&](auto v) { l.Brush().SetColor(v); }, Color()); break;
      case 7: Prop("Visible", [&] { return l.Frame().Visible(); }, [&](auto v) { l.Frame().SetVisible(v); }, In.Bool()); break;
      case 8: Prop("Width", [&] { return l.Frame().Width(); }, [&](auto v) { l.Frame().SetWidth(v); }, Small()); break;
      case 9: Prop("Visible", [&] { return l.DividingLines().Visible(); }, [&](auto v) { l.DividingLines().SetVisible(v); }, In.Bool()); break;
      case 10: Prop("ColorWidth", [&] { return l.ColorWidth(); }, [&](int v) { l.SetColorWidth(v); }, Percent()); break;
      case 11: Prop("FirstValue", [&] { return l.FirstValue(); }, [&](int v) { l.SetFirstValue(v); }, Small()); break;
      case 12: Prop("Inverted", [&] { return l.Inverted(); }, [&](auto v) { l.SetInverted(v); }, In.Bool()); break;
      case 13: Prop("MaxNumRows", [&] { return l.MaxNumRows(); }, [&](auto v) { l.SetMaxNumRows(v); }, Small()); break;
      case 14: Prop("TopPos", [&] { return l.TopPos(); }, [&](int v) { l.SetTopPos(v); }, Percent()); break;
      case 15: Prop("HorizMargin", [&] { return l.HorizMargin(); }, [&](auto v) { l.SetHorizMargin(v); }, Small()); break;
      case 16: Prop("VertMargin", [&] { return l.VertMargin(); }, [&](auto v) { l.SetVertMargin(v); }, Small()); break;
      case 17: Prop("ResizeChart", [&] { return l.ResizeChart(); }, [&](auto v) { l.SetResizeChart(v); }, In.Bool()); break;
      case 18: Prop("ShadowColor", [&] { return l.ShadowColor(); }, [&](auto v) { l.SetShadowColor(v); }, Color()); break;
      case 19: Prop("ShadowSize", [&] { return l.ShadowSize(); }, [&](auto v) { l.SetShadowSize(v); }, Small()); break;
      case 20: Prop("Size", [&] { return l.Font().Size(); }, [&](auto v) { l.Font().SetSize(v); }, Small()); break;
      case 21: {
        TLineSeries& s = AnySeries();
        Prop("ShowInLegend", [&] { return s.ShowInLegend(); }, [&](auto v) { s.SetShowInLegend(v); }, In.Bool());
        break;
      }
      case 22: LegendEvents(); break;
      case 23: LegendClick(); break;
    }
  }

  void LegendEvents() {
    TChart& c = S.Chart;
    switch (In.Byte() % 4) {
      case 0:
        if (In.Bool()) {
          c.OnGetLegendText = nullptr;
        } else {
          std::string text = In.Text(200);
          const int only = Small();
          c.OnGetLegendText = [text = std::move(text), only](TCustomChart*, TLegendStyle, int index, std::string& t) {
            if (only < 0 || index == only) t = text;
          };
        }
        break;
      case 1:
        if (In.Bool()) {
          c.OnGetLegendPos = nullptr;
        } else {
          const int dx = Small(), dy = Small(), color = Small();
          const bool setColor = In.Bool();
          c.OnGetLegendPos = [=](TCustomChart*, int, int& x, int& y, int& xColor) {
            x = static_cast<int>(std::clamp<long long>(static_cast<long long>(x) + dx, INT_MIN, INT_MAX));
            y = static_cast<int>(std::clamp<long long>(static_cast<long long>(y) + dy, INT_MIN, INT_MAX));
            if (setColor) xColor = color;
          };
        }
        break;
      case 2:
        if (In.Bool()) {
          c.OnGetLegendRect = nullptr;
        } else {
          const TRect r{Small(), Small(), Small(), Small()};
          const bool replace = In.Bool();
          c.OnGetLegendRect = [=](TCustomChart*, TRect& box) {
            if (replace) box = r;
            else box = InflateRect(box, r.Left % 64, r.Top % 64);
          };
        }
        break;
      case 3: {
        // A legend click handler that may claim the press or let it go on.
        const bool claim = In.Bool();
        c.OnClickLegend = [claim](TCustomChart* sender, TMouseButton, TShiftState, int, int) {
          sender->SetMouseHandled(claim);
        };
        break;
      }
    }
  }

  // A press at or just around the legend box of the last paint.
  void LegendClick() {
    TChart& c = S.Chart;
    const TRect b = c.Legend().LegendBounds();
    auto around = [&](int from, int to) {
      const long long span = std::max(0LL, static_cast<long long>(to) - from) + 3;
      return static_cast<int>(from - 1 + static_cast<long long>(In.U32() % static_cast<std::uint64_t>(span)));
    };
    const int x = around(b.Left, b.Right), y = around(b.Top, b.Bottom);
    switch (In.Byte() % 3) {
      case 0: {
        const int slot = c.Legend().Clicked(x, y);
        const long long slots = static_cast<long long>(c.Legend().RowCount()) * std::max(c.Legend().ColumnCount(), 1);
        if (slot < -1 || slot >= slots) Fail("legend click outside its slots");
        break;
      }
      case 1: c.PartAtPoint(x, y); break;
      case 2: {
        const auto button = static_cast<TMouseButton>(In.Byte() % 3);
        c.MouseDown(button, 0, x, y);
        c.MouseUp(button, 0, x, y);
        break;
      }
    }
  }

  // Copying settings between objects of the same kind.
  void Copies() {
    switch (In.Byte() % 6) {
      case 0: {
        TCustomChartAxis& to = AnyAxis();
        to.Assign(AnyAxis());
        break;
      }
      case 1: S.Chart.Title().Assign(S.Chart.Foot()); break;
      case 2: {
        TLineSeries& to = AnySeries();
        to.Assign(AnySeries());
        break;
      }
      case 3: {
        TLineSeries& to = AnySeries();
        to.XValues().Assign(AnySeries().YValues());
        break;
      }
      case 4: {
        // Linking may be refused (no chart, a cycle): the old link stays.
        TLineSeries& to = AnySeries();
        TLineSeries& from = AnySeries();
        TChartComponent* source = In.Bool() ? &from : nullptr;
        Prop("DataSource", [&] { return to.DataSource(); }, [&](TChartComponent* v) { to.SetDataSource(v); }, source);
        break;
      }
      case 5: AnySeries().RefreshLinkedSeries(); break;
    }
  }

  void AddPoint() { AddPoint(AnySeries()); }

  void AddPoint(TChartSeries& s) {
    const double x = In.Double(), y = In.Double();
    const std::string label = Label();
    s.AddPoint(x, y, label, Color());
    ++Points;
  }

  // Many points at once: in order, against the order, scattered or equal, with extremes.
  void AppendMany() { AppendMany(AnySeries()); }

  void AppendMany(TChartSeries& s) {
    const int n = static_cast<int>(std::min<long long>(In.Size(MaxPointsPerCall), MaxPointsPerInput - Points));
    if (n <= 0) return;
    Points += n;
    const std::uint8_t shape = In.Byte();
    const double a = In.Double(), b = In.Double();
    std::uint32_t state = In.U32() | 1u;
    auto next = [&] {
      state ^= state << 13, state ^= state >> 17, state ^= state << 5;
      return state;
    };
    auto value = [&](int i) -> double {
      switch (shape % 6) {
        case 0: return a + b * i;
        case 1: return a - b * i;
        case 2: return a + b * static_cast<double>(next() % 1000);
        case 3: return (next() & 1) ? a : b;
        case 4: return std::sin(i * 0.01) * a;
        default: return (next() % 7 == 0) ? b : a * i;
      }
    };
    if (shape & 0x80) {
      std::vector<double> ys(static_cast<std::size_t>(n));
      for (int i = 0; i < n; ++i) ys[static_cast<std::size_t>(i)] = value(i);
      if (shape & 0x40) {
        // Points with their own X: in one pass as long as X goes on rising.
        std::vector<double> xs(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) xs[static_cast<std::size_t>(i)] = value(n - i);
        s.AppendPoints(xs, ys);
      } else {
        s.AppendValues(ys);
      }
    } else {
      const bool descending = shape & 0x40;
      for (int i = 0; i < n; ++i) s.AddPoint(descending ? -static_cast<double>(i) : value(i), value(n - i));
    }
  }

  // Series of every registered type besides the three line series: made, filled, set,
  // clicked, taken off the chart and freed, in any order.
  TChartSeries* AnyTyped() {
    if (S.Typed.empty()) return nullptr;
    return S.Typed[In.Byte() % S.Typed.size()].get();
  }

  void TypedSeries() {
    const int op = In.Byte() % 8;
    if (op == 0) {
      const std::vector<const TChartClass*> types = RegisteredClasses(&TZelSeriesType::SeriesClass);
      if (S.Typed.size() >= MaxTypedSeries || types.empty()) return;
      S.Typed.push_back(types[In.Byte() % types.size()]->NewSeries());
      if (In.Bool()) S.Chart.AddSeries(*S.Typed.back());
      return;
    }
    TChartSeries* typed = AnyTyped();
    if (!typed) return;
    TChartSeries& s = *typed;
    switch (op) {
      case 1:
        if (In.Bool()) {
          AddPoint(s);
        } else {
          const double v = In.Double();
          const std::string label = Label();
          s.Add(v, label, Color());
          ++Points;
        }
        break;
      case 2: AppendMany(s); break;
      case 3: {
        const int i = Index(s), j = Index(s);
        switch (In.Byte() % 6) {
          case 0: SeriesCall("Delete", s, [&] { s.Delete(i); }); break;
          case 1: SeriesCall("SwapPoints", s, [&] { s.SwapPoints(i, j); }); break;
          case 2: SeriesCall("SetValueColor", s, [&] { s.SetValueColor(i, Color()); }); break;
          case 3: SeriesCall("DeleteRange", s, [&] { s.DeleteRange(i, j); }); break;
          case 4: SeriesCall("DeleteRange", s, [&] { s.DeleteRange(0, std::min(j, s.Count())); }); break;
          default: s.Clear(); break;
        }
        break;
      }
      case 4: TypeProperty(s); break;
      case 5: Marks(s); break;
      case 6: s.Clicked(Coordinate(S.Host.Client.Width()), Coordinate(S.Host.Client.Height())); break;
      default:
        switch (In.Byte() % 3) {
          case 0:
            if (s.ParentChart()) S.Chart.RemoveSeries(s);
            else S.Chart.AddSeries(s);
            break;
          case 1: {
            // Freed while it may still be on the chart, as a form frees a series.
            const auto it = std::find_if(S.Typed.begin(), S.Typed.end(), [&](const auto& p) { return p.get() == &s; });
            S.Typed.erase(it);
            break;
          }
          default: Prop("Active", [&] { return s.Active(); }, [&](auto v) { s.SetActive(v); }, In.Bool()); break;
        }
    }
  }

  // The classes of the registered entries that make a series (or a function), in
  // registration order.
  static std::vector<const TChartClass*> RegisteredClasses(const TChartClass* TZelSeriesType::*which) {
    std::vector<const TChartClass*> out;
    for (int i = 0; i < SeriesTypeCount(); ++i) {
      const TChartClass* c = SeriesTypeAt(i).*which;
      if (c && (c->NewSeries || c->NewFunction)) out.push_back(c);
    }
    return out;
  }

  // Any series of the input: the three line series, then those of other types.
  TChartSeries& AnyOfAll() {
    const std::size_t k = In.Byte() % (S.Series.size() + S.Typed.size());
    return k < S.Series.size() ? static_cast<TChartSeries&>(*S.Series[k]) : *S.Typed[k - S.Series.size()];
  }

  // Series computed from others: functions given and taken, links to one or several
  // sources in any graph (cycles refused), and the function's settings.
  void Functions() {
    TChartSeries& s = AnyOfAll();
    TZelFunction* f = s.FunctionType();
    switch (In.Byte() % 8) {
      case 0: {
        const std::vector<const TChartClass*> classes = RegisteredClasses(&TZelSeriesType::FunctionClass);
        const std::size_t k = In.Byte() % (classes.size() + 1);
        s.SetFunction(k < classes.size() ? classes[k]->NewFunction() : nullptr);
        break;
      }
      case 1: {
        std::vector<TChartComponent*> sources(In.Byte() % 4);
        for (auto& c : sources) c = &AnyOfAll();
        const std::vector<TChartSeries*> before = s.DataSources();
        Guarded("SetDataSources", [&] { s.SetDataSources(sources); }, [&] { return s.DataSources() == before; });
        break;
      }
      case 2:
        if (f) Prop("Period", [&] { return f->Period(); }, [&](auto v) { f->SetPeriod(v); }, In.Double());
        break;
      case 3:
        if (f) f->SetPeriodStyle(static_cast<TFunctionPeriodStyle>(In.Byte() % 2));
        break;
      case 4:
        if (f) f->SetPeriodAlign(static_cast<TFunctionPeriodAlign>(In.Byte() % 3));
        break;
      case 5:
        // Settings changed together rebuild once, at the end.
        if (f) {
          f->BeginUpdate();
          f->SetPeriodStyle(static_cast<TFunctionPeriodStyle>(In.Byte() % 2));
          Prop("Period", [&] { return f->Period(); }, [&](auto v) { f->SetPeriod(v); }, static_cast<double>(In.Byte() % 8));
          f->EndUpdate();
        }
        break;
      case 6: s.SetRecalcOptions(static_cast<TRecalcOptions>(In.Byte() & roAll)); break;
      default: s.CheckDataSource(); break;
    }
  }

  // The settings a series type adds to those of every series.
  void TypeProperty(TChartSeries& s) {
    // Only fast line, bar, point, area and pie series read the extra byte, so inputs for
    // other types decode as before.
    if (auto* fast = dynamic_cast<TFastLineSeries*>(&s); fast && In.Bool()) {
      FastLineProperty(*fast);
      return;
    }
    if (auto* bar = dynamic_cast<TCustomBarSeries*>(&s); bar && In.Bool()) {
      BarProperty(*bar);
      return;
    }
    if (auto* custom = dynamic_cast<TCustomSeries*>(&s);
        custom && (dynamic_cast<TAreaSeries*>(&s) || dynamic_cast<TPointSeries*>(&s)) && In.Bool()) {
      CustomSeriesProperty(*custom);
      return;
    }
    if (auto* pie = dynamic_cast<TPieSeries*>(&s); pie && In.Bool()) {
      PieProperty(*pie);
      return;
    }
    switch (In.Byte() % 4) {
      case 0: Prop("SeriesColor", [&] { return s.SeriesColor(); }, [&](auto v) { s.SetSeriesColor(v); }, Color()); break;
      case 1: Prop("ColorEachPoint", [&] { return s.ColorEachPoint(); }, [&](auto v) { s.SetColorEachPoint(v); }, In.Bool()); break;
      case 2: Prop("HorizAxis", [&] { return s.HorizAxis(); }, [&](auto v) { s.SetHorizAxis(v); }, static_cast<THorizAxis>(In.Byte() % 4)); break;
      default: Prop("VertAxis", [&] { return s.VertAxis(); }, [&](auto v) { s.SetVertAxis(v); }, static_cast<TVertAxis>(In.Byte() % 4)); break;
    }
  }

  void FastLineProperty(TFastLineSeries& s) {
    TChartPen& pen = s.LinePen();
    switch (In.Byte() % 6) {
      case 0: Prop("AutoRepaint", [&] { return s.AutoRepaint(); }, [&](auto v) { s.SetAutoRepaint(v); }, In.Bool()); break;
      case 1: Prop("LinePen.Width", [&] { return pen.Width(); }, [&](auto v) { pen.SetWidth(v); }, In.Int()); break;
      case 2: Prop("LinePen.Style", [&] { return pen.Style(); }, [&](auto v) { pen.SetStyle(v); }, static_cast<TPenStyle>(In.Byte() % 7)); break;
      case 3: Prop("LinePen.Visible", [&] { return pen.Visible(); }, [&](auto v) { pen.SetVisible(v); }, In.Bool()); break;
      case 4: Prop("LinePen.Color", [&] { return pen.Color(); }, [&](auto v) { pen.SetColor(v); }, Color()); break;
      default: {
        // Settings go either way between the fast line and any series the input made.
        TChartSeries* other = AnyTyped();
        if (other && In.Bool()) s.Assign(*other);
        else if (other) other->Assign(s);
        break;
      }
    }
  }

  // Point and area series: the area, stairs and marker settings, and the shared stacking.
  void CustomSeriesProperty(TCustomSeries& s) {
    TChartPen& pen = s.AreaLinesPen();
    TSeriesPointer& p = s.Pointer();
    switch (In.Byte() % 14) {
      case 0: Prop("AreaBrush", [&] { return s.AreaBrush(); }, [&](auto v) { s.SetAreaBrush(v); }, static_cast<TBrushStyle>(In.Byte() % 8)); break;
      case 1: Prop("AreaColor", [&] { return s.AreaColor(); }, [&](auto v) { s.SetAreaColor(v); }, Color()); break;
      case 2: Prop("AreaLinesPen.Width", [&] { return pen.Width(); }, [&](auto v) { pen.SetWidth(v); }, In.Int()); break;
      case 3: Prop("AreaLinesPen.Visible", [&] { return pen.Visible(); }, [&](auto v) { pen.SetVisible(v); }, In.Bool()); break;
      case 4: Prop("AreaLinesPen.Color", [&] { return pen.Color(); }, [&](auto v) { pen.SetColor(v); }, Color()); break;
      case 5: Prop("DrawArea", [&] { return s.DrawArea(); }, [&](auto v) { s.SetDrawArea(v); }, In.Bool()); break;
      case 6: Prop("Stairs", [&] { return s.Stairs(); }, [&](auto v) { s.SetStairs(v); }, In.Bool()); break;
      case 7: Prop("InvertedStairs", [&] { return s.InvertedStairs(); }, [&](auto v) { s.SetInvertedStairs(v); }, In.Bool()); break;
      case 8: Prop("Pointer.Visible", [&] { return p.Visible(); }, [&](auto v) { p.SetVisible(v); }, In.Bool()); break;
      case 9: Prop("Pointer.Style", [&] { return p.Style(); }, [&](auto v) { p.SetStyle(v); }, static_cast<TSeriesPointerStyle>(In.Byte() % 9)); break;
      case 10: Prop("Pointer.HorizSize", [&] { return p.HorizSize(); }, [&](int v) { p.SetHorizSize(v); }, In.Bool() ? In.Size(40) : In.Int()); break;
      case 11: Prop("Pointer.Brush.Color", [&] { return p.Brush().Color(); }, [&](auto v) { p.Brush().SetColor(v); }, Color()); break;
      case 12:
        if (auto* a = dynamic_cast<TAreaSeries*>(&s))
          Prop("MultiArea", [&] { return a->MultiArea(); }, [&](auto v) { a->SetMultiArea(v); }, static_cast<TMultiArea>(In.Byte() % 3));
        else
          Series3DProperty(s);
        break;
      default: {
        // Copies go either way between any two series the input made.
        TChartSeries* other = AnyTyped();
        if (other && In.Bool()) s.Assign(*other);
        else if (other) other->Assign(s);
        break;
      }
    }
  }

  // How a line-like series looks in depth: the ribbons' brush and shading, the ribbon's
  // height and the markers' solids.
  void Series3DProperty(TCustomSeries& s) {
    TSeriesPointer& p = s.Pointer();
    switch (In.Byte() % 5) {
      case 0: Prop("Dark3D", [&] { return s.Dark3D(); }, [&](auto v) { s.SetDark3D(v); }, In.Bool()); break;
      case 1: Prop("LineBrush", [&] { return s.LineBrush(); }, [&](auto v) { s.SetLineBrush(v); }, static_cast<TBrushStyle>(In.Byte() % 8)); break;
      case 2: Prop("LineHeight", [&] { return s.LineHeight(); }, [&](auto v) { s.SetLineHeight(v); }, In.Bool() ? In.Size(40) : In.Int()); break;
      case 3: Prop("Pointer.Draw3D", [&] { return p.Draw3D(); }, [&](auto v) { p.SetDraw3D(v); }, In.Bool()); break;
      default: Prop("Pointer.Dark3D", [&] { return p.Dark3D(); }, [&](auto v) { p.SetDark3D(v); }, In.Bool()); break;
    }
  }

  // A signed percentage: mostly -101 .. 101, where the accepted ranges end, sometimes any int.
  int SignedPercent() { return In.Bool() ? static_cast<int>(In.Byte() % 203) - 101 : In.Int(); }

  void PieProperty(TPieSeries& p) {
    switch (In.Byte() % 15) {
      case 0: Prop("Circled", [&] { return p.Circled(); }, [&](auto v) { p.SetCircled(v); }, In.Bool()); break;
      case 1: Prop("CustomXRadius", [&] { return p.CustomXRadius(); }, [&](int v) { p.SetCustomXRadius(v); }, In.Bool() ? In.Size(400) : In.Int()); break;
      case 2: Prop("CustomYRadius", [&] { return p.CustomYRadius(); }, [&](int v) { p.SetCustomYRadius(v); }, In.Bool() ? In.Size(400) : In.Int()); break;
      case 3: Prop("RotationAngle", [&] { return p.RotationAngle(); }, [&](int v) { p.SetRotationAngle(v); }, In.Bool() ? SignedPercent() * 4 : In.Int()); break;
      case 4: Prop("CircleBackColor", [&] { return p.CircleBackColor(); }, [&](auto v) { p.SetCircleBackColor(v); }, Color()); break;
      case 5: Prop("Dark3D", [&] { return p.Dark3D(); }, [&](auto v) { p.SetDark3D(v); }, In.Bool()); break;
      case 6: Prop("ExplodeBiggest", [&] { return p.ExplodeBiggest(); }, [&](int v) { p.SetExplodeBiggest(v); }, SignedPercent()); break;
      case 7: Prop("OtherSlice.Style", [&] { return p.OtherSlice().Style(); }, [&](auto v) { p.OtherSlice().SetStyle(v); }, static_cast<TPieOtherStyle>(In.Byte() % 3)); break;
      case 8: Prop("OtherSlice.Value", [&] { return p.OtherSlice().Value(); }, [&](double v) { p.OtherSlice().SetValue(v); }, In.Bool() ? static_cast<double>(SignedPercent()) : In.Double()); break;
      case 9: Prop("OtherSlice.Text", [&] { return p.OtherSlice().Text(); }, [&](const std::string& v) { p.OtherSlice().SetText(v); }, Label()); break;
      case 10: Prop("PiePen.Width", [&] { return p.PiePen().Width(); }, [&](auto v) { p.PiePen().SetWidth(v); }, In.Int()); break;
      case 11: Prop("PiePen.Visible", [&] { return p.PiePen().Visible(); }, [&](auto v) { p.PiePen().SetVisible(v); }, In.Bool()); break;
      case 12: Prop("UsePatterns", [&] { return p.UsePatterns(); }, [&](auto v) { p.SetUsePatterns(v); }, In.Bool()); break;
      case 13: {
        // An exploded slice, sometimes far beyond the points.
        const int index = In.Bool() ? In.Size(64) : -static_cast<int>(In.Byte());
        p.SetExplodedSlice(index, SignedPercent());
        break;
      }
      default: {
        TChartSeries* other = AnyTyped();
        if (other && In.Bool()) p.Assign(*other);
        else if (other) other->Assign(p);
        break;
      }
    }
  }

  void BarProperty(TCustomBarSeries& b) {
    switch (In.Byte() % 17) {
      case 0: Prop("AutoBarSize", [&] { return b.AutoBarSize(); }, [&](auto v) { b.SetAutoBarSize(v); }, In.Bool()); break;
      case 1: Prop("AutoMarkPosition", [&] { return b.AutoMarkPosition(); }, [&](auto v) { b.SetAutoMarkPosition(v); }, In.Bool()); break;
      case 2: Prop("BarBrush.Color", [&] { return b.BarBrush().Color(); }, [&](auto v) { b.BarBrush().SetColor(v); }, Color()); break;
      case 3: Prop("BarBrush.Style", [&] { return b.BarBrush().Style(); }, [&](auto v) { b.BarBrush().SetStyle(v); }, static_cast<TBrushStyle>(In.Byte() % 8)); break;
      case 4: Prop("BarPen.Width", [&] { return b.BarPen().Width(); }, [&](auto v) { b.BarPen().SetWidth(v); }, In.Int()); break;
      case 5: Prop("BarPen.Visible", [&] { return b.BarPen().Visible(); }, [&](auto v) { b.BarPen().SetVisible(v); }, In.Bool()); break;
      case 6: Prop("BarStyle", [&] { return b.BarStyle(); }, [&](auto v) { b.SetBarStyle(v); }, static_cast<TBarStyle>(In.Byte() % 7)); break;
      case 7: Prop("BarWidthPercent", [&] { return b.BarWidthPercent(); }, [&](int v) { b.SetBarWidthPercent(v); }, SignedPercent()); break;
      case 8: Prop("OffsetPercent", [&] { return b.OffsetPercent(); }, [&](int v) { b.SetOffsetPercent(v); }, SignedPercent()); break;
      case 9: Prop("Dark3D", [&] { return b.Dark3D(); }, [&](auto v) { b.SetDark3D(v); }, In.Bool()); break;
      case 10: Prop("MultiBar", [&] { return b.MultiBar(); }, [&](auto v) { b.SetMultiBar(v); }, static_cast<TMultiBar>(In.Byte() % 4)); break;
      case 11: Prop("SideMargins", [&] { return b.SideMargins(); }, [&](auto v) { b.SetSideMargins(v); }, In.Bool()); break;
      case 12: Prop("UseYOrigin", [&] { return b.UseYOrigin(); }, [&](auto v) { b.SetUseYOrigin(v); }, In.Bool()); break;
      case 13: Prop("YOrigin", [&] { return b.YOrigin(); }, [&](double v) { b.SetYOrigin(v); }, In.Double()); break;
      case 14: {
        const int size = In.Bool() ? In.Size(400) : In.Int();
        if (auto* v = dynamic_cast<TBarSeries*>(&b)) v->SetCustomBarWidth(size);
        else if (auto* h = dynamic_cast<THorizBarSeries*>(&b)) h->SetCustomBarHeight(size);
        break;
      }
      case 15: {
        // A style per bar, from the input, or the event taken away again.
        if (In.Bool()) {
          b.OnGetBarStyle = nullptr;
        } else {
          const unsigned pick = In.Byte();
          b.OnGetBarStyle = [pick](TCustomBarSeries*, int index, TBarStyle& style) {
            style = static_cast<TBarStyle>((pick + static_cast<unsigned>(index)) % 7);
          };
        }
        break;
      }
      default: {
        // The copy goes either way between any two series the input made.
        TChartSeries* other = AnyTyped();
        if (other && In.Bool()) b.Assign(*other);
        else if (other) other->Assign(b);
        break;
      }
    }
  }

  void SeriesProperty(TLineSeries& s) {
    switch (In.Byte() % 25) {
      case 0: Prop("Active", [&] { return s.Active(); }, [&](auto v) { s.SetActive(v); }, In.Bool()); break;
      case 1: Prop("SeriesColor", [&] { return s.SeriesColor(); }, [&](auto v) { s.SetSeriesColor(v); }, Color()); break;
      case 2: Prop("ColorEachPoint", [&] { return s.ColorEachPoint(); }, [&](auto v) { s.SetColorEachPoint(v); }, In.Bool()); break;
      case 3: Prop("HorizAxis", [&] { return s.HorizAxis(); }, [&](auto v) { s.SetHorizAxis(v); }, static_cast<THorizAxis>(In.Byte() % 4)); break;
      case 4: Prop("VertAxis", [&] { return s.VertAxis(); }, [&](auto v) { s.SetVertAxis(v); }, static_cast<TVertAxis>(In.Byte() % 4)); break;
      case 5: Prop("Title", [&] { return s.Title(); }, [&](auto v) { s.SetTitle(v); }, In.Text(300)); break;
      case 6: Prop("ValueFormat", [&] { return s.ValueFormat(); }, [&](auto v) { s.SetValueFormat(v); }, In.Format()); break;
      case 7: Prop("Visible", [&] { return s.Pointer().Visible(); }, [&](auto v) { s.Pointer().SetVisible(v); }, In.Bool()); break;
      case 8: {
        TSeriesPointer& p = s.Pointer();
        Prop("Pointer.HorizSize", [&] { return p.HorizSize(); }, [&](int v) { p.SetHorizSize(v); }, In.Int());
        break;
      }
      case 9: {
        TSeriesPointer& p = s.Pointer();
        Prop("Pointer.VertSize", [&] { return p.VertSize(); }, [&](int v) { p.SetVertSize(v); }, In.Int());
        break;
      }
      case 10: Prop("Style", [&] { return s.Pointer().Style(); }, [&](auto v) { s.Pointer().SetStyle(v); }, static_cast<TSeriesPointerStyle>(In.Byte() % 9)); break;
      case 11: Prop("Stairs", [&] { return s.Stairs(); }, [&](auto v) { s.SetStairs(v); }, In.Bool()); break;
      case 12: Prop("InvertedStairs", [&] { return s.InvertedStairs(); }, [&](auto v) { s.SetInvertedStairs(v); }, In.Bool()); break;
      case 13: Prop("Width", [&] { return s.LinePen().Width(); }, [&](auto v) { s.LinePen().SetWidth(v); }, In.Int()); break;
      case 14: Prop("Style", [&] { return s.LinePen().Style(); }, [&](auto v) { s.LinePen().SetStyle(v); }, static_cast<TPenStyle>(In.Byte() % 7)); break;
      case 15: Prop("Visible", [&] { return s.LinePen().Visible(); }, [&](auto v) { s.LinePen().SetVisible(v); }, In.Bool()); break;
      case 16: (In.Bool() ? s.XValues() : s.YValues()).SetDateTime(In.Bool()); break;
      case 17: Prop("Order", [&] { return s.XValues().Order(); }, [&](auto v) { s.XValues().SetOrder(v); }, static_cast<TChartListOrder>(In.Byte() % 3)); break;
      case 18: Prop("Draw3D", [&] { return s.Pointer().Draw3D(); }, [&](auto v) { s.Pointer().SetDraw3D(v); }, In.Bool()); break;
      case 19: Series3DProperty(s); break;
      case 20: Prop("DrawArea", [&] { return s.DrawArea(); }, [&](auto v) { s.SetDrawArea(v); }, In.Bool()); break;
      case 21: Prop("AreaBrush", [&] { return s.AreaBrush(); }, [&](auto v) { s.SetAreaBrush(v); }, static_cast<TBrushStyle>(In.Byte() % 8)); break;
      case 22: Prop("LineHeight", [&] { return s.LineHeight(); }, [&](auto v) { s.SetLineHeight(v); }, In.Int()); break;
      case 23: Prop("ClickableLine", [&] { return s.ClickableLine(); }, [&](auto v) { s.SetClickableLine(v); }, In.Bool()); break;
      case 24: Prop("InflateMargins", [&] { return s.Pointer().InflateMargins(); }, [&](auto v) { s.Pointer().SetInflateMargins(v); }, In.Bool()); break;
    }
  }

  void AxisRange(TCustomChartAxis& a) {
    switch (In.Byte() % 7) {
      case 0: Prop("Minimum", [&] { return a.Minimum(); }, [&](double v) { a.SetMinimum(v); }, In.Double()); break;
      case 1: Prop("Maximum", [&] { return a.Maximum(); }, [&](double v) { a.SetMaximum(v); }, In.Double()); break;
      case 2: {
        const double lo = In.Double(), hi = In.Double();
        a.SetRange(lo, hi);
        break;
      }
      case 3: Prop("Automatic", [&] { return a.Automatic(); }, [&](auto v) { a.SetAutomatic(v); }, In.Bool()); break;
      case 4: Prop("AutomaticMinimum", [&] { return a.AutomaticMinimum(); }, [&](auto v) { a.SetAutomaticMinimum(v); }, In.Bool()); break;
      case 5: Prop("AutomaticMaximum", [&] { return a.AutomaticMaximum(); }, [&](auto v) { a.SetAutomaticMaximum(v); }, In.Bool()); break;
      case 6: {
        const double offset = In.Double();
        a.ShiftRange(offset, In.Bool());
        break;
      }
    }
  }

  void AxisScale(TCustomChartAxis& a) {
    switch (In.Byte() % 7) {
      case 0:
        Prop("Increment", [&] { return a.Increment(); }, [&](double v) { a.SetIncrement(v); }, In.Double(), true);
        break;
      case 1:
        Prop("Logarithmic", [&] { return a.Logarithmic(); }, [&](bool v) { a.SetLogarithmic(v); }, In.Bool());
        break;
      case 2:
        Prop("LogarithmicBase", [&] { return a.LogarithmicBase(); }, [&](int v) { a.SetLogarithmicBase(v); }, In.Int());
        break;
      case 3: Prop("Inverted", [&] { return a.Inverted(); }, [&](auto v) { a.SetInverted(v); }, In.Bool()); break;
      case 4: Prop("ExactDateTime", [&] { return a.ExactDateTime(); }, [&](auto v) { a.SetExactDateTime(v); }, In.Bool()); break;
      case 5: Prop("RoundFirstLabel", [&] { return a.RoundFirstLabel(); }, [&](auto v) { a.SetRoundFirstLabel(v); }, In.Bool()); break;
      case 6: {
        // Date-time values on the series of this axis make it a date-time axis.
        const bool on = In.Bool();
        for (auto& s : S.Series) (a.IsHorizontal() ? s->XValues() : s->YValues()).SetDateTime(on);
        break;
      }
    }
  }

  void AxisLabels(TCustomChartAxis& a) {
    switch (In.Byte() % 13) {
      case 0:
        Prop("LabelsAngle", [&] { return a.LabelsAngle(); }, [&](int v) { a.SetLabelsAngle(v); }, In.Int());
        break;
      case 1: {
        TChartAxisTitle& t = a.Title();
        Prop("Title.Angle", [&] { return t.Angle(); }, [&](int v) { t.SetAngle(v); }, In.Int());
        break;
      }
      case 2: Prop("Caption", [&] { return a.Title().Caption(); }, [&](auto v) { a.Title().SetCaption(v); }, In.Text(400)); break;
      case 3:
        Prop("LabelsSeparation", [&] { return a.LabelsSeparation(); }, [&](int v) { a.SetLabelsSeparation(v); },
               In.Int());
        break;
      case 4: Prop("LabelStyle", [&] { return a.LabelStyle(); }, [&](auto v) { a.SetLabelStyle(v); }, static_cast<TAxisLabelStyle>(In.Byte() % 5)); break;
      case 5: Prop("AxisValuesFormat", [&] { return a.AxisValuesFormat(); }, [&](auto v) { a.SetAxisValuesFormat(v); }, In.Format()); break;
      case 6: Prop("DateTimeFormat", [&] { return a.DateTimeFormat(); }, [&](auto v) { a.SetDateTimeFormat(v); }, In.Format()); break;
      case 7: Prop("Labels", [&] { return a.Labels(); }, [&](auto v) { a.SetLabels(v); }, In.Bool()); break;
      case 8: Prop("LabelsMultiLine", [&] { return a.LabelsMultiLine(); }, [&](auto v) { a.SetLabelsMultiLine(v); }, In.Bool()); break;
      case 9: Prop("LabelsOnAxis", [&] { return a.LabelsOnAxis(); }, [&](auto v) { a.SetLabelsOnAxis(v); }, In.Bool()); break;
      case 10: Prop("LabelsSize", [&] { return a.LabelsSize(); }, [&](auto v) { a.SetLabelsSize(v); }, In.Int()); break;
      case 11: Prop("Size", [&] { return a.LabelsFont().Size(); }, [&](auto v) { a.LabelsFont().SetSize(v); }, In.Int()); break;
      case 12: Prop("Size", [&] { return a.Title().Font().Size(); }, [&](auto v) { a.Title().Font().SetSize(v); }, In.Int()); break;
    }
  }

  void AxisTicks(TCustomChartAxis& a) {
    switch (In.Byte() % 14) {
      case 0: Prop("TickLength", [&] { return a.TickLength(); }, [&](auto v) { a.SetTickLength(v); }, In.Int()); break;
      case 1: Prop("TickInnerLength", [&] { return a.TickInnerLength(); }, [&](auto v) { a.SetTickInnerLength(v); }, In.Int()); break;
      case 2: Prop("MinorTickLength", [&] { return a.MinorTickLength(); }, [&](auto v) { a.SetMinorTickLength(v); }, In.Int()); break;
      case 3: Prop("MinorTickCount", [&] { return a.MinorTickCount(); }, [&](int v) { a.SetMinorTickCount(v); }, In.Int()); break;
      case 4: Prop("TickOnLabelsOnly", [&] { return a.TickOnLabelsOnly(); }, [&](auto v) { a.SetTickOnLabelsOnly(v); }, In.Bool()); break;
      case 5: Prop("GridCentered", [&] { return a.GridCentered(); }, [&](auto v) { a.SetGridCentered(v); }, In.Bool()); break;
      case 6: Prop("Visible", [&] { return a.Visible(); }, [&](auto v) { a.SetVisible(v); }, In.Bool()); break;
      case 7: Prop("StartPosition", [&] { return a.StartPosition(); }, [&](double v) { a.SetStartPosition(v); }, In.Double()); break;
      case 8: Prop("EndPosition", [&] { return a.EndPosition(); }, [&](double v) { a.SetEndPosition(v); }, In.Double()); break;
      case 9: Prop("PositionPercent", [&] { return a.PositionPercent(); }, [&](double v) { a.SetPositionPercent(v); }, In.Double()); break;
      case 10: Prop("TitleSize", [&] { return a.TitleSize(); }, [&](auto v) { a.SetTitleSize(v); }, In.Int()); break;
      case 11: Prop("Width", [&] { return a.Axis().Width(); }, [&](auto v) { a.Axis().SetWidth(v); }, In.Int()); break;
      case 12: Prop("Visible", [&] { return a.Grid().Visible(); }, [&](auto v) { a.Grid().SetVisible(v); }, In.Bool()); break;
      case 13: Prop("Visible", [&] { return a.MinorGrid().Visible(); }, [&](auto v) { a.MinorGrid().SetVisible(v); }, In.Bool()); break;
    }
  }

  void Size() {
    const std::uint8_t sel = In.Byte();
    int w, h;
    if (sel < 160) w = In.Byte() * 8, h = In.Byte() * 6;
    else w = static_cast<int>(In.U32() % 100001), h = static_cast<int>(In.U32() % 60001);
    S.Host.Client = {0, 0, w, h};
    S.Chart.SetWidth(w);
    S.Chart.SetHeight(h);
  }

  void Panel() {
    TChart& c = S.Chart;
    switch (In.Byte() % 9) {
      case 0: Prop("MarginLeft", [&] { return c.MarginLeft(); }, [&](auto v) { c.SetMarginLeft(v); }, In.Int()); break;
      case 1: Prop("MarginTop", [&] { return c.MarginTop(); }, [&](auto v) { c.SetMarginTop(v); }, In.Int()); break;
      case 2: Prop("MarginRight", [&] { return c.MarginRight(); }, [&](auto v) { c.SetMarginRight(v); }, In.Int()); break;
      case 3: Prop("MarginBottom", [&] { return c.MarginBottom(); }, [&](auto v) { c.SetMarginBottom(v); }, In.Int()); break;
      case 4: Prop("BevelWidth", [&] { return c.BevelWidth(); }, [&](auto v) { c.SetBevelWidth(v); }, In.Int()); break;
      case 5: Prop("BorderWidth", [&] { return c.BorderWidth(); }, [&](auto v) { c.SetBorderWidth(v); }, In.Int()); break;
      case 6: Prop("BevelOuter", [&] { return c.BevelOuter(); }, [&](auto v) { c.SetBevelOuter(v); }, static_cast<TBevelCut>(In.Byte() % 4)); break;
      case 7: Prop("BevelInner", [&] { return c.BevelInner(); }, [&](auto v) { c.SetBevelInner(v); }, static_cast<TBevelCut>(In.Byte() % 4)); break;
      case 8: Prop("Color", [&] { return c.Color(); }, [&](auto v) { c.SetColor(v); }, Color()); break;
    }
  }

  void View3D() {
    TChart& c = S.Chart;
    TView3DOptions& o = c.View3DOptions();
    switch (In.Byte() % 20) {
      case 0: Prop("View3D", [&] { return c.View3D(); }, [&](auto v) { c.SetView3D(v); }, In.Bool()); break;
      case 1: Prop("Chart3DPercent", [&] { return c.Chart3DPercent(); }, [&](int v) { c.SetChart3DPercent(v); }, In.Int()); break;
      case 2: Prop("Zoom", [&] { return o.Zoom(); }, [&](auto v) { o.SetZoom(v); }, In.Int()); break;
      case 3: Prop("HorizOffset", [&] { return o.HorizOffset(); }, [&](auto v) { o.SetHorizOffset(v); }, In.Int()); break;
      case 4: Prop("VertOffset", [&] { return o.VertOffset(); }, [&](auto v) { o.SetVertOffset(v); }, In.Int()); break;
      case 5: Prop("Rotation", [&] { return o.Rotation(); }, [&](auto v) { o.SetRotation(v); }, In.Int()); break;
      case 6: Prop("Elevation", [&] { return o.Elevation(); }, [&](auto v) { o.SetElevation(v); }, In.Int()); break;
      case 7: Prop("Perspective", [&] { return o.Perspective(); }, [&](auto v) { o.SetPerspective(v); }, In.Int()); break;
      case 8: Prop("Orthogonal", [&] { return o.Orthogonal(); }, [&](auto v) { o.SetOrthogonal(v); }, In.Bool()); break;
      case 9: Prop("Tilt", [&] { return o.Tilt(); }, [&](auto v) { o.SetTilt(v); }, In.Int()); break;
      case 10: (In.Bool() ? c.LeftWall() : c.BottomWall()).SetSize(In.Int()); break;
      case 11: Prop("View3DWalls", [&] { return c.View3DWalls(); }, [&](auto v) { c.SetView3DWalls(v); }, In.Bool()); break;
      case 12: Prop("ZoomText", [&] { return o.ZoomText(); }, [&](auto v) { o.SetZoomText(v); }, In.Bool()); break;
      case 13: Prop("ApplyZOrder", [&] { return c.ApplyZOrder(); }, [&](auto v) { c.SetApplyZOrder(v); }, In.Bool()); break;
      case 14: c.BackWall().SetSize(In.Int()); break;
      case 15: Wall().SetColor(Color()); break;
      case 16: Wall().SetDark3D(In.Bool()); break;
      case 17: Wall().Brush().SetStyle(static_cast<TBrushStyle>(In.Byte() % 8)); break;
      case 18: {
        TCustomChartAxis& d = *c.DepthAxis();
        switch (In.Byte() % 3) {
          case 0: d.SetVisible(In.Bool()); break;
          case 1: d.SetInverted(In.Bool()); break;
          default: d.SetLabelStyle(static_cast<TAxisLabelStyle>(In.Byte() % 5)); break;
        }
        break;
      }
      case 19: {
        // The notifications of the 3D options reach the chart's events.
        c.OnView3DScroll = [](TCustomZelPanel*, bool) {};
        c.OnView3DZoom = [](TCustomZelPanel*, int) {};
        break;
      }
    }
  }

  TChartWall& Wall() {
    TChart& c = S.Chart;
    switch (In.Byte() % 3) {
      case 0: return c.BackWall();
      case 1: return c.LeftWall();
      default: return c.BottomWall();
    }
  }

  void Titles() {
    TChartTitle& t = In.Bool() ? S.Chart.Title() : S.Chart.Foot();
    switch (In.Byte() % 8) {
      case 0: {
        std::vector<std::string> lines(static_cast<std::size_t>(In.Byte() % 6));
        for (auto& l : lines) l = In.Text(3000);
        t.SetText(std::move(lines));
        break;
      }
      case 1: Prop("Visible", [&] { return t.Visible(); }, [&](auto v) { t.SetVisible(v); }, In.Bool()); break;
      case 2: Prop("Alignment", [&] { return t.Alignment(); }, [&](auto v) { t.SetAlignment(v); }, static_cast<TAlignment>(In.Byte() % 3)); break;
      case 3: Prop("AdjustFrame", [&] { return t.AdjustFrame(); }, [&](auto v) { t.SetAdjustFrame(v); }, In.Bool()); break;
      case 4: Prop("Visible", [&] { return t.Frame().Visible(); }, [&](auto v) { t.Frame().SetVisible(v); }, In.Bool()); break;
      case 5: Prop("Width", [&] { return t.Frame().Width(); }, [&](auto v) { t.Frame().SetWidth(v); }, In.Int()); break;
      case 6: Prop("Size", [&] { return t.Font().Size(); }, [&](auto v) { t.Font().SetSize(v); }, In.Int()); break;
      case 7: Prop("Color", [&] { return t.Brush().Color(); }, [&](auto v) { t.Brush().SetColor(v); }, Color()); break;
    }
  }

  void ChartOptions() {
    TChart& c = S.Chart;
    switch (In.Byte() % 13) {
      case 0: Prop("AxisVisible", [&] { return c.AxisVisible(); }, [&](auto v) { c.SetAxisVisible(v); }, In.Bool()); break;
      case 1: Prop("ClipPoints", [&] { return c.ClipPoints(); }, [&](auto v) { c.SetClipPoints(v); }, In.Bool()); break;
      case 2: Prop("MaxPointsPerPage", [&] { return c.MaxPointsPerPage(); }, [&](int v) { c.SetMaxPointsPerPage(v); }, In.Int()); break;
      case 3: Prop("Page", [&] { return c.Page(); }, [&](auto v) { c.SetPage(v); }, In.Int()); break;
      case 4: Prop("ScaleLastPage", [&] { return c.ScaleLastPage(); }, [&](auto v) { c.SetScaleLastPage(v); }, In.Bool()); break;
      case 5: Prop("AllowZoom", [&] { return c.AllowZoom(); }, [&](auto v) { c.SetAllowZoom(v); }, In.Bool()); break;
      case 6: Prop("AllowPanning", [&] { return c.AllowPanning(); }, [&](auto v) { c.SetAllowPanning(v); }, static_cast<TPanningMode>(In.Byte() % 4)); break;
      case 7: Prop("AnimatedZoom", [&] { return c.AnimatedZoom(); }, [&](auto v) { c.SetAnimatedZoom(v); }, In.Bool()); break;
      case 8: Prop("AnimatedZoomSteps", [&] { return c.AnimatedZoomSteps(); }, [&](auto v) { c.SetAnimatedZoomSteps(v); }, In.Int()); break;
      case 9: c.MouseSettings().MinimumZoomDrag = In.Int(); break;
      case 10: Prop("Monochrome", [&] { return c.Monochrome(); }, [&](auto v) { c.SetMonochrome(v); }, In.Bool()); break;
      case 11: Prop("BackColor", [&] { return c.BackColor(); }, [&](auto v) { c.SetBackColor(v); }, Color()); break;
      case 12: c.UndoZoom(); break;
    }
  }

  void Mouse(int kind) {
    TChart& c = S.Chart;
    const auto button = static_cast<TMouseButton>(In.Byte() % 3);
    const auto shift = static_cast<TShiftState>(In.Byte() & 0x7F);
    const int x = Coordinate(S.Host.Client.Width());
    const int y = Coordinate(S.Host.Client.Height());
    switch (kind) {
      case 0: c.MouseDown(button, shift, x, y); break;
      case 1: c.MouseMove(shift, x, y); break;
      case 2: c.MouseUp(button, shift, x, y); break;
      default:
        switch (button) {
          case mbLeft: c.MouseWheelDown(shift, {x, y}); break;
          case mbRight: c.MouseWheelUp(shift, {x, y}); break;
          default: c.MouseLeave(); break;
        }
    }
  }

  void Paint(bool onQt) {
    auto bound = [](TChartSeries& s) {
      if (s.Count() > MaxMarkedPoints) s.Marks().SetVisible(false);
      if (auto* c = dynamic_cast<TCustomSeries*>(&s); c && s.Count() > MaxPointerPoints) c->Pointer().SetVisible(false);
    };
    for (const auto& s : S.Series) bound(*s);
    for (const auto& s : S.Typed) bound(*s);
    if (onQt) {
      // The first on the window's device, the next through QPainter alone.
      if (QtPaints < MaxQtPaints) QtPaints++ == 0 ? PaintOnQtImage(S) : PaintThroughPainter(S);
    } else if (RecordedPaints++ < MaxRecordedPaints) {
      if (PaintRecordedAndCompare(S, AreaComparisons < MaxAreaComparisons)) ++AreaComparisons;
    }
  }
};

}  // namespace

int RunChartInput(const std::uint8_t* data, std::size_t size) {
  // The series types a program can make by name, registered once for every input.
  static const bool registered = (ChartModulesInit(), true);
  (void)registered;
  TReader in(data, size);
  TChartSession s;
  s.Chart.SetHost(&s.Host);
  // A window that paints as soon as asked, as the animated zoom and the wheel expect.
  s.Host.OnRepaintNow = [&s] { s.Chart.Paint(); };
  // The demo's look to start from; the input changes it at will.
  s.Chart.SetView3D(false);
  s.Chart.SetBevelOuter(bvLowered);
  // A switch for every chart: each input starts from its default.
  TSeriesMarks::ArrowContrast = true;
  for (auto& series : s.Series) {
    series = std::make_unique<TLineSeries>();
    s.Chart.AddSeries(*series);
  }
  try {
    TDecoder(in, s).Run();
  } catch (const std::exception& e) {
    Fail(std::string("exception out of a call that raises nothing: ") + e.what());
  }
  return 0;
}

}  // namespace fuzz
