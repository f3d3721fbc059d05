// The gazetteer's file: the places of GeoNames' cities1000 with every name a
// query can match, compiled at build time by tools/gazetteer and read in place
// (memory-mapped, nothing parsed per query). Shared by its writer and reader.
//
// The file is a header of 32-bit little-endian words followed by sections,
// each starting on a multiple of 4 bytes:
//   places, one entry per place in each array (index = place number):
//     latitude and longitude (int32, 1e-5 degree, longitude positive east),
//     population (uint32), the key of its own name (3 bytes, little-endian),
//     its zone (uint16), its area (uint16: country and first-level region);
//     the capitals (the seats of countries' governments, GeoNames' PPLC): their
//     place numbers, ascending (uint32);
//   keys: every distinct folded name of every place once (its name, its ASCII
//     form, its alternate names), as written in the data, sorted by
//     FoldName() then by bytes; kept in blocks of kKeysPerBlock, each block
//     front-coded (first key: length, bytes; the next: bytes shared with the
//     previous key, length of the rest, the rest; lengths as LEB128), the
//     block starts (uint32, blockCount + 1 of them), and the place of each key
//     (3 bytes, little-endian);
//   zones (uint32 string offsets), countries (code in two bytes, then the
//     offsets of the English name and of the names a query matches), areas
//     (country number, offsets of the English region name and of the names a
//     query matches);
//   local names: the places' names in the interface's other languages
//     (LocalNames, sorted by place; only places that have such a name);
//   strings: NUL-terminated UTF-8. A list of names a query matches holds the
//     folded names one per line (English, the other languages, the code).
// The names in the interface's other languages (Italian, Portuguese) come from
// the catalogues of libgeonames, as the English names of countries and regions.
#pragma once

#include <cstdint>

namespace tarvel::gazetteer {

inline constexpr std::uint32_t kMagic = 0x32475654;  // "TVG2"
inline constexpr std::uint32_t kKeysPerBlock = 16;

enum Section : std::uint32_t {
    kLatitudes,
    kLongitudes,
    kPopulations,
    kNameKeys,
    kZones,
    kAreas,
    kCapitals,
    kKeyBlocks,
    kKeyBytes,
    kKeyPlaces,
    kZoneNames,
    kCountries,
    kAreaRecords,
    kStrings,
    kLocalNames,
    kSectionCount
};

struct Header {
    std::uint32_t magic;
    std::uint32_t placeCount;
    std::uint32_t keyCount;
    std::uint32_t blockCount;
    std::uint32_t zoneCount;
    std::uint32_t countryCount;
    std::uint32_t areaCount;
    std::uint32_t reserved;
    std::uint32_t offset[kSectionCount];  // from the file's start
    std::uint32_t size[kSectionCount];    // bytes
};

// The interface's languages other than English whose names are kept.
enum LocalLanguage : std::uint32_t { kItalian, kPortuguese, kLocalLanguageCount };

struct Country {
    char code[2];
    std::uint16_t reserved;
    std::uint32_t name;                        // string offset: "Italy"
    std::uint32_t matches;                     // string offset: "italy\nitalia\n...\nit"
    std::uint32_t local[kLocalLanguageCount];  // "Italia", "Itália"; 0 for none
};

struct Area {
    std::uint16_t country;
    std::uint16_t reserved;
    std::uint32_t name;     // string offset: "Lazio", empty when unknown
    std::uint32_t matches;  // string offset
    std::uint32_t local[kLocalLanguageCount];
};

struct LocalNames {
    std::uint32_t place;
    std::uint32_t local[kLocalLanguageCount];  // "Monaco di Baviera", "Munique"; 0 for none
};

}  // namespace tarvel::gazetteer
