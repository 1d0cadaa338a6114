// The offscreen demo's picture file. The shared temp folder is writable by everyone, so the
// picture goes into a file this process creates itself under a fresh name: whatever another
// user planted there (a symbolic link to one of our files, say) is never opened.
#pragma once

#include <QImage>
#include <QString>

namespace demo {

struct TSavedPicture {
  QString Path;   // the new file, empty when nothing was written
  QString Error;  // why nothing was written
};

// Writes `image` as a PNG into a new file "spectrum_demo-XXXXXX.png" in `folder`.
TSavedPicture SaveNewPng(const QImage& image, const QString& folder);

// The user's temp folder: TMPDIR as given, /tmp when it is unset or empty. Unlike the
// toolkit's answer it is never empty, which would put the picture at the file system's root.
QString TempFolder();

}  // namespace demo
