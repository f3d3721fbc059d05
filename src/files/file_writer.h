// Saving a file so that a failure never leaves a half-written file: the one
// writer of every file the program saves (tables, charts).
#pragma once

#include <filesystem>
#include <memory>
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

// The same replacement for a text written piece by piece, too long to hold
// at once: the pieces go to the temporary file (or straight to a pipe or a
// device) as they come, and Commit renames the temporary file over the
// target. Until Commit succeeds the target keeps its old content; a failure
// of Open, Write or Commit, or a writer destroyed before Commit, removes the
// temporary file and leaves the target as it was.
class StreamedFileWriter {
  public:
    // Opens the temporary file beside the target; error() tells a failure.
    explicit StreamedFileWriter(const std::filesystem::path& path,
                                std::string_view failureText = "Cannot save %1: %2");
    ~StreamedFileWriter();
    StreamedFileWriter(const StreamedFileWriter&) = delete;
    StreamedFileWriter& operator=(const StreamedFileWriter&) = delete;

    // Appends bytes; false, with error() set, when they could not be written
    // (or an earlier step failed).
    bool Write(std::string_view bytes);
    // Flushes the file to the disk and puts it in the target's place; false,
    // with error() set, on failure.
    bool Commit();
    // Empty while nothing failed; otherwise the failure message as
    // WriteFileAtomically gives it.
    const std::string& error() const { return error_; }

  private:
    struct Open;
    std::unique_ptr<Open> open_;
    std::string error_;
};

}  // namespace tarvel
