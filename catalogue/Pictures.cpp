#include "catalogue/Pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>

#include <array>

#include "ui/Window.h"

namespace pictures {

namespace {

// One cache per picture, indexed by ID - FirstId; nullptr until loaded.
std::array<QPixmap*, Count> caches{};

// Empty: the default folder beside the executable.
QString folderOverride;

bool InCatalogue(int id) { return id >= FirstId && id <= LastId; }

// The cache of a picture in the catalogue.
QPixmap*& Cache(int id) { return caches[static_cast<std::size_t>(id - FirstId)]; }

}  // namespace

QString Folder() {
  if (!folderOverride.isEmpty()) return folderOverride;
  if (QCoreApplication::instance() == nullptr) return QString();
  return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("pictures"));
}

void SetFolder(const QString& folder) { folderOverride = folder; }

const QPixmap* Picture(int id) {
  if (!InCatalogue(id)) return nullptr;
  QPixmap*& cache = Cache(id);
  if (cache != nullptr) return cache;
  // A pixmap needs the GUI application; before it exists nothing can load.
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return nullptr;
  const QString folder = Folder();
  if (folder.isEmpty()) return nullptr;
  QImageReader reader(QDir(folder).filePath(QString::number(id) + QStringLiteral(".png")),
                      "png");
  const QImage image = reader.read();
  if (image.isNull()) return nullptr;
  cache = new QPixmap(QPixmap::fromImage(image));
  return cache;
}

bool Loaded(int id) {
  return InCatalogue(id) && Cache(id) != nullptr;
}

void Install() { ui::SetPictureSource(&Picture); }

void ReleaseAll(const std::function<void(int id)>& released) {
  for (int id = FirstId; id <= LastId; ++id) {
    QPixmap*& cache = Cache(id);
    delete cache;
    cache = nullptr;
    if (released) released(id);
  }
}

}  // namespace pictures
