// Where the app tests may write: the build tree's artifacts folder (pictures a person looks
// at) and a private folder of their own in the system temp folder, removed afterwards.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

#include <sys/wait.h>

namespace demo::testing {

// Keeps `image` as build/artifacts/<name>; a picture that cannot be kept fails the test.
inline void SaveArtifact(const QImage& image, const QString& name) {
  const QString dir = QStringLiteral(TEST_ARTIFACTS_DIR);
  ASSERT_TRUE(QDir().mkpath(dir)) << "cannot create " << dir.toStdString();
  EXPECT_TRUE(image.save(dir + "/" + name)) << "cannot write " << (dir + "/" + name).toStdString();
}

// A new folder of this test's own in the system temp folder.
class TTempDir {
 public:
  TTempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "spectrum_demo_test-XXXXXX").string();
    if (mkdtemp(pattern.data())) FPath = pattern;
  }
  TTempDir(const TTempDir&) = delete;
  TTempDir& operator=(const TTempDir&) = delete;
  ~TTempDir() {
    std::error_code ignored;
    if (!FPath.empty()) std::filesystem::remove_all(FPath, ignored);
  }
  // Empty when the folder could not be made.
  const std::filesystem::path& Path() const { return FPath; }

 private:
  std::filesystem::path FPath;
};

inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A shell command's exit status, standard output, and the standard error it wrote to `err`.
struct TRun {
  int Status = -1;
  std::string Out, Err;
};

inline TRun RunCommand(const std::string& command, const std::filesystem::path& err) {
  TRun run;
  if (FILE* p = popen(command.c_str(), "r")) {
    char buf[256];
    while (fgets(buf, sizeof buf, p)) run.Out += buf;
    const int status = pclose(p);
    run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  run.Err = ReadFile(err);
  return run;
}

}  // namespace demo::testing
