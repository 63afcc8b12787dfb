#include "ui/TextFile.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// The system's own words for an error number ("No space left on device").
QString SystemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// Writes every byte, going on after a partial write or an interrupted call;
// false, with errno set, as soon as the system refuses to store more.
bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) {  // nothing stored and no reason given: never loop on it
      errno = EIO;
      return false;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// Lines written straight to an open file descriptor, each converted and
// ended by LF. Nothing is held back in a buffer, so a line the system does
// not store fails at its own WriteLine. The first failure is kept with its
// reason: later lines are refused and every later Close() reports it.
class DescriptorStream : public TextOutputStream {
 public:
  bool WriteLine(const QString& text) override {
    if (fd_ < 0) return Fail(QStringLiteral("file is closed"));
    if (failed_) return false;
    const QByteArray line = ToWindowsAnsi(text) + '\n';
    if (!WriteAll(fd_, line.constData(), static_cast<std::size_t>(line.size())))
      return Fail(SystemReason(errno));
    return true;
  }

  QString Error() const override { return error_; }

 protected:
  bool Fail(const QString& why) {
    failed_ = true;
    error_ = why.isEmpty() ? QStringLiteral("write failed") : why;
    return false;
  }

  // Closes the descriptor; false, with the reason kept, when the system
  // reports that something written was not stored.
  bool CloseDescriptor() {
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 && errno != EINTR) return Fail(SystemReason(errno));
    return true;
  }

  int fd_ = -1;
  bool failed_ = false;

 private:
  QString error_;
};

class FileStream : public DescriptorStream {
 public:
  explicit FileStream(const QString& path) : path_(QFile::encodeName(path)) {}
  ~FileStream() override {
    if (fd_ >= 0) ::close(fd_);
  }

  bool Open(QString* error) {
    fd_ = ::open(path_.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd_ >= 0) return true;
    *error = SystemReason(errno);
    return false;
  }

  bool Close() override {
    if (fd_ >= 0) CloseDescriptor();
    return !failed_;
  }

 private:
  QByteArray path_;
};

// A file written in full under a temporary name beside its own and renamed
// over that name on Close(), once every line, the write-out to the disk and
// the close have been seen to succeed. Destroyed before that, or after any
// failure, it removes the temporary file: the file of the final name is
// then exactly as it was before.
class ReplacingStream : public DescriptorStream {
 public:
  explicit ReplacingStream(const QString& path) : path_(QFile::encodeName(path)) {}
  ~ReplacingStream() override { Discard(); }

  // Creates the temporary file exclusively (never through an existing file
  // or link), with the permissions of the file it will replace, if any.
  bool Open(QString* error) {
    int reason = EEXIST;
    for (int attempt = 0; attempt < 16 && fd_ < 0 && reason == EEXIST; ++attempt) {
      temp_ = "." + path_ + "." + QByteArray::number(QRandomGenerator::global()->generate(), 16) + ".tmp";
      fd_ = ::open(temp_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
      if (fd_ < 0) reason = errno;
    }
    if (fd_ < 0) {
      temp_.clear();
      *error = SystemReason(reason);
      return false;
    }
    struct stat old {};
    if (::stat(path_.constData(), &old) == 0 && S_ISREG(old.st_mode)) ::fchmod(fd_, old.st_mode & 07777);
    return true;
  }

  bool Close() override {
    if (fd_ < 0) return !failed_;
    if (failed_) {
      Discard();
      return false;
    }
    // The data must be on the disk before the name moves: a disk that fills
    // while the system writes it out reports it here, not at the write.
    if (::fsync(fd_) != 0) {
      Fail(SystemReason(errno));
      Discard();
      return false;
    }
    if (!CloseDescriptor() || ::rename(temp_.constData(), path_.constData()) != 0) {
      if (!failed_) Fail(SystemReason(errno));
      Discard();
      return false;
    }
    temp_.clear();
    return true;
  }

 private:
  void Discard() {
    if (fd_ >= 0) {
      ::close(fd_);
      fd_ = -1;
    }
    if (!temp_.isEmpty()) ::unlink(temp_.constData());
    temp_.clear();
  }

  QByteArray path_;
  QByteArray temp_;
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
  // A link of this name stands for a file elsewhere: replacing the link by
  // a file of its own would silently cut that tie, writing through it would
  // put the text outside this folder. Neither is what the user asked for.
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
