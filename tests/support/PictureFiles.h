// Picture files made by the tests themselves, so the checks do not depend on
// the program's own picture files.
#pragma once

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>

namespace guitest {

// Writes <folder>/<id>.png, a plain picture of that size; true on success.
inline bool WritePicture(const QString& folder, int id, int width, int height,
                         QColor colour = QColor(30, 90, 160)) {
  QDir().mkpath(folder);
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(colour);
  return image.save(QDir(folder).filePath(QString::number(id) + ".png"), "PNG");
}

// Writes <folder>/<id>.png with bytes that are no picture at all.
inline bool WriteGarbage(const QString& folder, int id) {
  QDir().mkpath(folder);
  QFile file(QDir(folder).filePath(QString::number(id) + ".png"));
  if (!file.open(QIODevice::WriteOnly)) return false;
  return file.write("not a picture\n") > 0;
}

}  // namespace guitest
