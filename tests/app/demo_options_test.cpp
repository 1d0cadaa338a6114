// The demo's command line: what the parser takes and refuses, and the program run with it
// (usage on stdout or stderr, exit status, the chart written without a display).
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>
#include <string>
#include <vector>

#include <sys/wait.h>

#include "TestFiles.h"
#include "app/core/DemoOptions.h"

namespace demo {
namespace {

namespace fs = std::filesystem;

TEST(DemoOptions, TakesOutputSizeScaleAndHelpAndRefusesTheRest) {
  struct TCase {
    std::vector<std::string_view> Args;
    const char* Error;  // part of the error; empty: accepted
    TDemoOptions Expected;
  };
  const TCase cases[] = {
      {{}, "", {}},
      {{"--help"}, "", {.Help = true, .Output = ""}},
      {{"-h", "--output", "a.png"}, "", {.Help = true, .Output = "a.png"}},
      {{"--output", "chart.PDF"}, "", {.Output = "chart.PDF"}},
      {{"--output=dir.v2/c.svg", "--size=640x400"}, "", {.Output = "dir.v2/c.svg", .Width = 640, .Height = 400}},
      {{"--output", "c.png", "--size", "1x32767", "--scale", "2.5"},
       "",
       {.Output = "c.png", .Width = 1, .Height = 32767, .Scale = 2.5}},
      {{"--bogus"}, "unknown option '--bogus'", {}},
      {{"-o", "c.png"}, "unknown option '-o'", {}},
      {{"c.png"}, "unknown option 'c.png'", {}},
      {{"--output"}, "'--output' needs a value", {}},
      {{"--output", "c.txt"}, "bad value 'c.txt' for --output", {}},
      {{"--output", "png"}, "bad value 'png'", {}},
      {{"--output", "v1.d/png"}, "bad value 'v1.d/png'", {}},
      {{"--output", "c.png", "--size", "640"}, "bad value '640' for --size", {}},
      {{"--output", "c.png", "--size", "0x400"}, "bad value '0x400'", {}},
      {{"--output", "c.png", "--size", "640x-4"}, "bad value '640x-4'", {}},
      {{"--output", "c.png", "--size", "640x400x2"}, "bad value '640x400x2'", {}},
      {{"--output", "c.png", "--size", "99999999999x4"}, "bad value '99999999999x4'", {}},
      {{"--output", "c.png", "--scale", "0"}, "bad value '0' for --scale", {}},
      {{"--output", "c.png", "--scale", "nan"}, "bad value 'nan'", {}},
      {{"--output", "c.png", "--scale", "17"}, "bad value '17'", {}},
      {{"--size", "640x400"}, "need --output", {}},
  };
  for (const TCase& t : cases) {
    const TParsedOptions p = ParseDemoOptions(t.Args);
    std::string args;
    for (auto a : t.Args) args += std::string(a) + ' ';
    if (*t.Error) {
      EXPECT_NE(p.Error.find(t.Error), std::string::npos) << args << "-> " << p.Error;
      continue;
    }
    EXPECT_EQ(p.Error, "") << args;
    EXPECT_EQ(p.Options.Help, t.Expected.Help) << args;
    EXPECT_EQ(p.Options.Output, t.Expected.Output) << args;
    EXPECT_EQ(p.Options.Width, t.Expected.Width) << args;
    EXPECT_EQ(p.Options.Height, t.Expected.Height) << args;
    EXPECT_EQ(p.Options.Scale, t.Expected.Scale) << args;
  }
}

using testing::TRun;

// The demo with `args`, without a display; `env` goes before the program.
TRun RunDemo(const std::string& args, const fs::path& scratch, const std::string& env = "") {
  const fs::path err = scratch / "stderr.txt";
  const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR='" +
                              scratch.string() + "' LSAN_OPTIONS=suppressions=" LSAN_SUPPRESSIONS_FILE " " + env +
                              " timeout 120 " SPECTRUM_DEMO_PATH " " + args + " 2>'" + err.string() + "'";
  return testing::RunCommand(command, err);
}

QSize PictureSize(const QString& path) {
  if (path.endsWith(".svg")) return QSvgRenderer(path).viewBox().size();
  if (path.endsWith(".png")) return QImage(path).size();
  return {};
}

TEST(DemoOptions, TheProgramWritesTheChartOrSaysHowToCallIt) {
  const testing::TTempDir scratch;
  ASSERT_FALSE(scratch.Path().empty());
  fs::permissions(scratch.Path(), fs::perms::owner_all);
  const std::string artifacts = TEST_ARTIFACTS_DIR;
  fs::create_directories(artifacts);
  struct TCase {
    std::string Args;
    int Status;
    const char* Out;  // the start of stdout
    const char* Err;  // part of stderr
    const char* File;
    QSize Size;
  };
  const TCase cases[] = {
      {"--help", 0, "Usage: spectrum_demo", "", nullptr, {}},
      {"--frobnicate", 2, "", "unknown option '--frobnicate'\n\nUsage: spectrum_demo", nullptr, {}},
      {"--output chart.png --size big", 2, "", "Usage: spectrum_demo", nullptr, {}},
      {"--output " + artifacts + "/demo_output.png", 0, "", "", "demo_output.png", {905, 525}},
      {"--output " + artifacts + "/demo_output_x2.png --size 640x400 --scale 2", 0, "", "", "demo_output_x2.png",
       {1280, 800}},
      {"--output " + artifacts + "/demo_output.svg --size 640x400", 0, "", "", "demo_output.svg", {640, 400}},
      {"--output " + artifacts + "/demo_output.pdf", 0, "", "", "demo_output.pdf", {}},
      {"--output " + scratch.Path().string() + "/missing/c.png", 1, "", "cannot save the chart as", nullptr, {}},
  };
  for (const TCase& t : cases) {
    if (t.File) fs::remove(artifacts + "/" + t.File);
    const TRun run = RunDemo(t.Args, scratch.Path());
    EXPECT_EQ(run.Status, t.Status) << t.Args << "\n" << run.Err;
    EXPECT_TRUE(run.Out.starts_with(t.Out)) << t.Args << "\n" << run.Out;
    EXPECT_NE(run.Err.find(t.Err), std::string::npos) << t.Args << "\n" << run.Err;
    if (!t.File) continue;
    const QString path = QString::fromStdString(artifacts + "/" + t.File);
    EXPECT_EQ(run.Out, path.toStdString() + "\n");
    EXPECT_TRUE(QFile::exists(path)) << t.Args;
    if (t.Size.isValid()) {
      EXPECT_EQ(PictureSize(path), t.Size) << t.Args;
    } else {
      EXPECT_TRUE(testing::ReadFile(path.toStdString()).starts_with("%PDF-")) << t.Args;
    }
  }
}

// On a screen of twice the density the window's picture has twice the pixels, and its text
// is drawn at that resolution: some 2 x 2 blocks of the title band are not of one colour.
TEST(DemoOptions, WithoutOptionsOnADenseScreenTheWindowPictureHasTheScreensPixels) {
  const testing::TTempDir scratch;
  ASSERT_FALSE(scratch.Path().empty());
  fs::permissions(scratch.Path(), fs::perms::owner_all);
  const TRun run = RunDemo("", scratch.Path(), "QT_SCALE_FACTOR=2 TMPDIR='" + scratch.Path().string() + "'");
  ASSERT_EQ(run.Status, 0) << run.Err;
  const QImage image(QString::fromStdString(run.Out.substr(0, run.Out.size() - 1)));
  ASSERT_EQ(image.size(), QSize(1810, 1154));
  testing::SaveArtifact(image, "demo_hidpi.png");
  int mixed = 0;
  for (int y = 0; y < 80; y += 2)
    for (int x = 0; x < image.width(); x += 2) {
      const QRgb a = image.pixel(x, y);
      if (a != image.pixel(x + 1, y) || a != image.pixel(x, y + 1) || a != image.pixel(x + 1, y + 1)) ++mixed;
    }
  EXPECT_GT(mixed, 50);
}

}  // namespace
}  // namespace demo
