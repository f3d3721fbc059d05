// The check of a compiled zone file (TZif) that guards the date/tz library.
// Input: the bytes of a file. Whatever it accepts, no shorter part of it and
// nothing longer that begins with it is accepted: a cut or a tail is damage.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "civil/zone_file.h"
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarvel;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const char* fault = ZoneFileFault(bytes);
    if (fault != nullptr) {
        fuzz::ExpectOneLine(fault);
        return 0;
    }
    for (const std::size_t cut : {size - 1, size / 2, std::size_t{44}}) {
        if (cut < size && IsValidZoneFile(bytes.substr(0, cut))) {
            fuzz::Fail("accepted when cut at", static_cast<double>(cut));
        }
    }
    if (IsValidZoneFile(std::string(bytes) + '\n')) fuzz::Fail("accepted with a byte more", 1);
    return 0;
}
