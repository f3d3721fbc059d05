// Saving a file so that a failure never leaves a half-written file: the one
// writer of every file the program saves (tables, charts).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tarvel {

// Writes bytes to a new temporary file in the target's directory, flushes it to
// the disk and renames it over the target: the target then holds either its
// old content or all the new bytes, never a part of them. The path is taken as
// the file system's bytes, whatever their encoding. A new file gets the
// permissions of the file it replaces, or the usual ones (0666 less the umask)
// when there was none. Returns an empty string on success, otherwise a
// message naming the file and the reason: failureText with "%1" replaced by
// the path and "%2" by the system's reason ("Cannot save /path/x.txt: No such
// file or directory"); the old file is then left as it was and the temporary
// file removed. A window passes the sentence in its interface language.
//
// A symbolic link is followed and the file it names written (atomically, in
// that file's folder); a pipe or a character device (/dev/null) is written
// directly, without a temporary file; a folder or any other kind of file is
// refused. A replaced file keeps its owner and group where the process may
// set them. A file-size limit is reported as an error, never as a signal; a
// full disk or a read-only file system with the system's reason.
std::string WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                                std::string_view failureText = "Cannot save %1: %2");

}  // namespace tarvel
