// The demo without a display, started as `make run` starts it: the picture goes into a new
// file of its own in the temp folder, never through a name someone else planted there, and
// a temp folder it cannot write to ends the program with the reason instead of a path.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <sys/wait.h>

#include "TestFiles.h"

namespace demo {
namespace {

namespace fs = std::filesystem;

using testing::TRun;

// Runs the demo offscreen with TMPDIR set to `tmpdir`; its stderr goes into `scratch`.
// The toolkit's runtime folder goes there too: by default it lies in the temp folder, and a
// TMPDIR that does not exist would put it at the file system's root.
TRun RunOffscreenDemo(const fs::path& tmpdir, const fs::path& scratch) {
  const fs::path err = scratch / "stderr.txt";
  const fs::path runtime = scratch / "runtime";
  fs::create_directory(runtime);
  fs::permissions(runtime, fs::perms::owner_all);
  const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen TMPDIR='" +
                              tmpdir.string() + "' XDG_RUNTIME_DIR='" + runtime.string() +
                              "' LSAN_OPTIONS=suppressions=" LSAN_SUPPRESSIONS_FILE " timeout 120 " SPECTRUM_DEMO_PATH
                              " 2>'" + err.string() + "'";
  return testing::RunCommand(command, err);
}

TEST(OffscreenDemo, WritesANewPictureFileAndNeverFollowsAPlantedLink) {
  const testing::TTempDir scratch;
  ASSERT_FALSE(scratch.Path().empty());
  const fs::path folder = scratch.Path() / "tmp";
  const fs::path victim = scratch.Path() / "victim.txt";
  const fs::path planted = folder / "spectrum_demo.png";
  fs::create_directory(folder);
  std::ofstream(victim) << "keep me";
  fs::create_symlink(victim, planted);

  const TRun run = RunOffscreenDemo(folder, scratch.Path());
  ASSERT_EQ(run.Status, 0) << run.Err;
  ASSERT_FALSE(run.Out.empty());
  ASSERT_EQ(run.Out.back(), '\n');
  const fs::path picture = run.Out.substr(0, run.Out.size() - 1);
  EXPECT_EQ(picture.parent_path(), folder);
  EXPECT_FALSE(fs::is_symlink(picture)) << picture;
  EXPECT_TRUE(fs::is_regular_file(picture)) << picture;
  EXPECT_TRUE(testing::ReadFile(picture).starts_with(std::string("\x89PNG\r\n\x1a\n", 8)));
  const QImage image(QString::fromStdString(picture.string()), "PNG");
  EXPECT_EQ(image.size(), QSize(905, 577));  // the window's client area
  // What was planted is as it was.
  EXPECT_TRUE(testing::ReadFile(victim) == "keep me") << "the planted link was followed";
  EXPECT_TRUE(fs::is_symlink(planted));
}

TEST(OffscreenDemo, UnwritableTempFolderFailsWithTheReason) {
  const testing::TTempDir scratch;
  ASSERT_FALSE(scratch.Path().empty());
  // Root may write anywhere, so the folders below are ones that cannot hold a file at all.
  const fs::path file = scratch.Path() / "a-file";
  std::ofstream(file) << "not a folder";
  for (const fs::path& tmpdir : {file, scratch.Path() / "missing" / "folder"}) {
    const TRun run = RunOffscreenDemo(tmpdir, scratch.Path());
    EXPECT_NE(run.Status, 0) << tmpdir;
    EXPECT_EQ(run.Out, "") << tmpdir;
    EXPECT_NE(run.Err.find("spectrum_demo: cannot create a picture file in " + tmpdir.string() + ": "),
              std::string::npos)
        << run.Err;
  }
}

}  // namespace
}  // namespace demo
