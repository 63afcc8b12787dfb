// Text files in the process's current folder, written line by line with Unix
// line endings. Every step reports whether it worked, and why not.
#pragma once

#include <QString>

#include <memory>

namespace ui {

class TextOutputStream {
 public:
  virtual ~TextOutputStream() = default;
  // Writes the text and a line end; false when the write failed.
  virtual bool WriteLine(const QString& text) = 0;
  // Flushes and closes; false when anything written was not stored.
  virtual bool Close() = 0;
  // Why the first failed step failed, in the system's words ("No space
  // left on device"); no further line is written after it.
  virtual QString Error() const = 0;
};

class FolderItem {
 public:
  explicit FolderItem(QString path) : path_(std::move(path)) {}
  const QString& Path() const { return path_; }
  // A new text file, replacing one of that name; nullptr on failure, with
  // the reason in Error().
  std::unique_ptr<TextOutputStream> CreateTextFile();
  // A new text file that takes the place of the file of this name only when
  // its Close() succeeds: the lines go to a temporary file created
  // exclusively beside it (never through an existing file or link); Close()
  // has it written out to the disk and renames it over the name only when
  // every line, the write-out and the close succeeded. A stream destroyed
  // before Close(), or any failure (reported with the system's reason, "No
  // space left on device"), leaves the folder as it was. A name that is a
  // symbolic link is refused ("is a link"), so the text never lands
  // elsewhere.
  std::unique_ptr<TextOutputStream> ReplaceTextFile();
  QString Error() const { return error_; }

 private:
  QString path_;
  QString error_;
};

// A file object for a bare name in the default folder (the current folder).
// Texts are written in the Windows ANSI code page (1252), each line ended by
// LF; a character the code page lacks is written as "?". A name with a
// folder part is refused ("not a plain file name").
FolderItem GetFolderItem(const QString& name);

}  // namespace ui
