#pragma once
// Writing files so that a failure never costs the previous content, and writing to standard
// output with every failure seen. Every file the program and kvxtool write goes through here.

#include <QByteArray>
#include <string>
#include <string_view>

namespace kvx {

// Writes bytes as the whole new content of path. Throws TFileError, and then the previous file
// is as it was, except in the one case where no temporary file can be made (below).
// - Only a regular file (links followed to one) or a new name is written: a folder gives
//   EISDIR, a pipe, device or socket a refusal, and they stay untouched.
// - Normally through QSaveFile: a temporary file in the same folder, every write checked,
//   renamed over the old file at the end (links followed).
// - A writable file in a folder that refuses new files: the new size is reserved first
//   (posix_fallocate; its failure is reported and the file stays as it was), then the file is
//   overwritten in place, each write checked and the data flushed to the disk.
void WriteFileSafely(const std::string& path, const QByteArray& bytes);

// Writes all bytes to a descriptor (standard output: 1), retrying interrupted and partial
// writes. Throws TFileError with the system's error (a full disk, /dev/full, a closed or
// broken pipe; SIGPIPE must be ignored for the last to reach here).
void WriteAllToDescriptor(int descriptor, std::string_view bytes);

} // namespace kvx
