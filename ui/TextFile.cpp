#include "TextFile.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace ui {

namespace {

// A text in the Windows ANSI code page (1252): ASCII and Latin-1 letters
// unchanged, the 1252 specials in 0x80..0x9F, anything else "?".
QByteArray ToWindowsAnsi(const QString& text) {
  static const char16_t specials[32] = {
      0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
  QByteArray out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
      out.append(static_cast<char>(c));
      continue;
    }
    char byte = '?';
    for (int k = 0; k < 32; ++k)
      if (specials[k] != 0 && specials[k] == c) byte = static_cast<char>(0x80 + k);
    // A character outside the basic plane is two UTF-16 units but one "?".
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
    out.append(byte);
  }
  return out;
}

// A bare file name: no folder part, nothing that names a folder itself.
bool IsBareName(const QString& name) {
  return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
         !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

// Lines written to a file device, each converted and ended by LF; a failed
// step is kept with its reason, and every later Close() reports it.
class DeviceStream : public TextOutputStream {
 public:
  bool WriteLine(const QString& text) override {
    QFileDevice& file = Device();
    if (!file.isOpen()) return Fail(QStringLiteral("file is closed"));
    const QByteArray line = ToWindowsAnsi(text) + '\n';
    if (file.write(line) != line.size()) return Fail(file.errorString());
    return true;
  }

  QString Error() const override { return error_; }

 protected:
  virtual QFileDevice& Device() = 0;

  bool Fail(const QString& why) {
    failed_ = true;
    error_ = why.isEmpty() ? QStringLiteral("write failed") : why;
    return false;
  }

  bool failed_ = false;

 private:
  QString error_;
};

class FileStream : public DeviceStream {
 public:
  explicit FileStream(const QString& path) : file_(path) {}
  ~FileStream() override {
    if (file_.isOpen()) file_.close();
  }

  bool Open(QString* error) {
    // Unbuffered: a failed write (disk full) shows at the WriteLine that made it.
    if (file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) return true;
    *error = file_.errorString();
    return false;
  }

  bool Close() override {
    if (!file_.isOpen()) return !failed_;
    bool ok = file_.flush();
    if (!ok) Fail(file_.errorString());
    file_.close();
    if (file_.error() != QFileDevice::NoError) ok = Fail(file_.errorString());
    return ok && !failed_;
  }

 protected:
  QFileDevice& Device() override { return file_; }

 private:
  QFile file_;
};

// A file written in full under a temporary name and renamed over its own
// name on Close(); discarded when destroyed before that, or when a line
// failed.
class ReplacingStream : public DeviceStream {
 public:
  explicit ReplacingStream(const QString& path) : file_(path) {}

  bool Open(QString* error) {
    if (file_.open(QIODevice::WriteOnly)) return true;
    *error = file_.errorString();
    return false;
  }

  bool Close() override {
    if (!file_.isOpen()) return !failed_;
    if (failed_) {
      file_.cancelWriting();
      file_.commit();  // after cancelWriting this only removes the temporary file
      return false;
    }
    if (!file_.commit()) return Fail(file_.errorString());
    return true;
  }

 protected:
  QFileDevice& Device() override { return file_; }

 private:
  QSaveFile file_;
};

}  // namespace

std::unique_ptr<TextOutputStream> FolderItem::CreateTextFile() {
  error_.clear();
  if (!IsBareName(path_)) {
    error_ = QStringLiteral("not a plain file name");
    return nullptr;
  }
  auto stream = std::make_unique<FileStream>(path_);
  if (!stream->Open(&error_)) return nullptr;
  return stream;
}

std::unique_ptr<TextOutputStream> FolderItem::ReplaceTextFile() {
  error_.clear();
  if (!IsBareName(path_)) {
    error_ = QStringLiteral("not a plain file name");
    return nullptr;
  }
  // The temporary file cannot be redirected, but the final rename would
  // write through a link of this name to wherever it points.
  if (QFileInfo(path_).isSymLink()) {
    error_ = QStringLiteral("is a link");
    return nullptr;
  }
  auto stream = std::make_unique<ReplacingStream>(path_);
  if (!stream->Open(&error_)) return nullptr;
  return stream;
}

FolderItem GetFolderItem(const QString& name) { return FolderItem(name); }

}  // namespace ui
