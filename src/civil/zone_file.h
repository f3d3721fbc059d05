// The compiled zone files of the system's tz database (TZif, RFC 8536),
// checked before the date/tz library reads one: the library trusts a file's
// structure, and an empty, truncated or garbled file, or a pipe in its place,
// would make it assert, throw or wait for ever.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarvel {

// The folder of the compiled zone files; the date/tz library reads the same
// one (it takes no other).
inline constexpr const char* kZoneInfoFolder = "/usr/share/zoneinfo";

// The largest zone file read (the biggest of the database is a few KiB).
inline constexpr std::size_t kZoneFileMaxBytes = 1 << 20;

// Why bytes are not a whole, consistent zone file: null when they are one.
// Checked: the magic "TZif", a version (none, '2', '3' or '4'), the six
// counts within limits and the length of the data block they describe; for a
// version from '2' on the second header (same version) and its data block,
// then the footer, a line between two newlines that ends the file. In each
// data block transition times strictly ascending, every transition's type
// below the type count, each type's offset not -2^31 and its summer flag 0
// or 1, each abbreviation index inside the abbreviation characters with a
// NUL after it, leap-second occurrences strictly ascending, the
// standard/wall and UT/local indicators 0 or 1 (UT only with standard).
const char* ZoneFileFault(std::string_view bytes);

inline bool IsValidZoneFile(std::string_view bytes) {
    return ZoneFileFault(bytes) == nullptr;
}

// A zone name that names a file under the zone folder: relative, its
// components not empty, ".", or "..", no NUL.
bool IsSafeZoneName(std::string_view name);

// What lies in the zone folder under a zone's name.
enum class ZoneFileState {
    kValid,    // a regular file that passes ZoneFileFault
    kAbsent,   // nothing (or a folder, or a name refused by IsSafeZoneName)
    kSpecial,  // a pipe, socket or device: never read
    kDamaged,  // a regular file that cannot be read, is too large or fails the check
};

// Opens the zone's file under the folder without waiting (a pipe in its place
// never blocks), and reads and checks a regular file of at most
// kZoneFileMaxBytes whole. Symbolic links are followed, as the library does.
ZoneFileState CheckZoneFile(std::string_view name, const std::string& folder = kZoneInfoFolder);

}  // namespace tarvel
