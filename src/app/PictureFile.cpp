#include "app/PictureFile.h"

#include <QFile>

#include <cerrno>
#include <cstdlib>  // mkostemps
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace demo {

TSavedPicture SaveNewPng(const QImage& image, const QString& folder) {
  static constexpr char Suffix[] = ".png";
  const QByteArray pattern = QFile::encodeName(folder) + "/spectrum_demo-XXXXXX" + Suffix;
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  // O_CREAT|O_EXCL under the hood: an existing name, symbolic links included, is skipped.
  const int fd = mkostemps(name.data(), static_cast<int>(std::strlen(Suffix)), O_CLOEXEC);
  if (fd < 0) {
    const int err = errno;
    return {{}, QStringLiteral("cannot create a picture file in %1: %2")
                    .arg(folder, QString::fromLocal8Bit(std::strerror(err)))};
  }
  const QString path = QFile::decodeName(name.data());
  QFile file;
  const bool opened = file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle);
  const bool written = opened && image.save(&file, "PNG") && file.flush();
  const QString reason = file.errorString();
  if (opened) {
    file.close();
  } else {
    close(fd);
  }
  if (!written) {
    unlink(name.data());
    return {{}, QStringLiteral("cannot write the picture to %1: %2").arg(path, reason)};
  }
  return {path, {}};
}

QString TempFolder() {
  const QString dir = qEnvironmentVariable("TMPDIR");
  return dir.isEmpty() ? QStringLiteral("/tmp") : dir;
}

}  // namespace demo
