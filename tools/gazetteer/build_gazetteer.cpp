// Builds the gazetteer's file (src/places/gazetteer_format.h) from GeoNames'
// cities1000.txt and the English and other catalogues of libgeonames (the
// names of countries and first-level regions by their codes).
//
// Usage: build_gazetteer <cities1000.txt> <locale folder> <SUPPORTED> <output file>
// (the locale folder holds libgeonames' catalogues; SUPPORTED is glibc's list
// of locales, /usr/share/i18n/SUPPORTED).
//
// Every place of the data is kept. The names a query matches: each place's
// name and ASCII name and, for the places of at least 15,000 inhabitants and
// the seats of countries and first-level regions, its alternate names, without
// the airport and station codes (three or four capitals) and the lower-case
// transcriptions the data adds to names in other scripts; names that fold
// alike are kept once per place.
#include <algorithm>
#include <bit>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "places/gazetteer_format.h"
#include "places/name_fold.h"

namespace fs = std::filesystem;
using namespace tarvel;

namespace {

constexpr long kAlternatesFromPopulation = 15000;

[[noreturn]] void Fail(const std::string& message) {
    std::cerr << "build_gazetteer: " << message << "\n";
    std::exit(1);
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    while (true) {
        const auto at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos) return parts;
        text.remove_prefix(at + 1);
    }
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) Fail("cannot read " + path.string());
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::uint32_t Word(const std::string& bytes, std::size_t at) {
    if (at + 4 > bytes.size()) Fail("a catalogue is cut short");
    std::uint32_t word = 0;
    std::memcpy(&word, bytes.data() + at, 4);
    return word;
}

// A gettext catalogue (.mo, little-endian): its message codes and texts.
std::map<std::string, std::string> ReadCatalogue(const fs::path& path) {
    const std::string bytes = ReadFile(path);
    if (Word(bytes, 0) != 0x950412de) Fail(path.string() + " is not a little-endian catalogue");
    const std::uint32_t count = Word(bytes, 8);
    const std::uint32_t originals = Word(bytes, 12);
    const std::uint32_t translations = Word(bytes, 16);
    auto text = [&](std::uint32_t table, std::uint32_t i) {
        const std::uint32_t length = Word(bytes, table + 8 * i);
        const std::uint32_t at = Word(bytes, table + 8 * i + 4);
        if (std::size_t(at) + length > bytes.size()) Fail(path.string() + " is damaged");
        return bytes.substr(at, length);
    };
    std::map<std::string, std::string> messages;
    for (std::uint32_t i = 0; i < count; ++i) messages[text(originals, i)] = text(translations, i);
    return messages;
}

bool IsCode(std::string_view name) {  // "ROM", "SIN": airport and station codes
    return name.size() >= 3 && name.size() <= 4 &&
           std::all_of(name.begin(), name.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

bool IsLowerAscii(std::string_view name) {
    return std::all_of(name.begin(), name.end(),
                       [](char c) { return !(c & 0x80) && !(c >= 'A' && c <= 'Z'); });
}

struct Key {
    std::string folded;
    std::string written;
    std::uint32_t place;
};

class Writer {
  public:
    explicit Writer(gazetteer::Header& header) : header_(header) {}
    void Section(gazetteer::Section section, const std::string& bytes) {
        while (body_.size() % 4 != 0) body_ += '\0';
        header_.offset[section] =
            static_cast<std::uint32_t>(sizeof(gazetteer::Header) + body_.size());
        header_.size[section] = static_cast<std::uint32_t>(bytes.size());
        body_ += bytes;
    }
    template <typename T>
    void Section(gazetteer::Section section, const std::vector<T>& values) {
        Section(section, std::string(reinterpret_cast<const char*>(values.data()),
                                     values.size() * sizeof(T)));
    }
    std::string File() const {
        return std::string(reinterpret_cast<const char*>(&header_), sizeof header_) + body_;
    }

  private:
    gazetteer::Header& header_;
    std::string body_;
};

void AppendLeb128(std::string& out, std::size_t value) {
    do {
        unsigned char byte = value & 0x7f;
        value >>= 7;
        if (value != 0) byte |= 0x80;
        out += static_cast<char>(byte);
    } while (value != 0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5)
        Fail("usage: build_gazetteer <cities1000.txt> <locale folder> <SUPPORTED> <output file>");
    static_assert(std::endian::native == std::endian::little, "the file is written little-endian");

    // Names of countries ("IT") and regions ("IT.07"): the English ones for
    // the labels; for matching, also those in the interface's languages and in
    // the languages the system's locales pair with the country ("de_AT":
    // German for Austria).
    const fs::path localeFolder = argv[2];
    auto catalogue = [&](const std::string& language) {
        return localeFolder / language / "LC_MESSAGES" / "geonames.mo";
    };
    if (!fs::exists(catalogue("en")))
        Fail("no English catalogue of libgeonames at " + catalogue("en").string());
    const std::map<std::string, std::string> englishNames = ReadCatalogue(catalogue("en"));
    std::map<std::string, std::set<std::string>> languagesOfCountry;
    {
        std::istringstream supported(ReadFile(argv[3]));
        for (std::string locale; std::getline(supported, locale);) {
            const auto underscore = locale.find('_');
            if (underscore == std::string::npos || locale.size() < underscore + 3) continue;
            languagesOfCountry[locale.substr(underscore + 1, 2)].insert(
                locale.substr(0, underscore));
        }
    }
    std::map<std::string, std::map<std::string, std::string>> catalogues;  // by folder
    auto namesIn = [&](const std::string& folder) -> const std::map<std::string, std::string>& {
        auto [it, added] = catalogues.try_emplace(folder);
        if (added && fs::exists(catalogue(folder))) it->second = ReadCatalogue(catalogue(folder));
        return it->second;
    };
    auto matches = [&](const std::string& country, const std::string& code,
                       std::string_view shortCode) {
        std::set<std::string> folders = {"en", "it", "pt", "pt_BR"};
        for (const std::string& language : languagesOfCountry[country]) {
            folders.insert(language);
            folders.insert(language + "_" + country);
        }
        std::vector<std::string> names;
        for (const std::string& folder : folders) {
            const auto& messages = namesIn(folder);
            if (const auto found = messages.find(code); found != messages.end()) {
                names.push_back(FoldName(found->second));
            }
        }
        const bool hasLetter = std::any_of(shortCode.begin(), shortCode.end(), [](char c) {
            return std::isalpha(static_cast<unsigned char>(c));
        });
        if (hasLetter) names.push_back(FoldName(shortCode));
        std::sort(names.begin(), names.end());
        names.erase(std::unique(names.begin(), names.end()), names.end());
        std::string list;
        for (const std::string& name : names) {
            if (!name.empty()) list += name + "\n";
        }
        return list;
    };

    // The names in the interface's other languages, by code: a country's
    // ("IT"), a region's ("IT.07"), a place's (its GeoNames number).
    const std::map<std::string, std::string>* localCatalogues[gazetteer::kLocalLanguageCount] = {
        &namesIn("it"), &namesIn("pt")};

    std::string strings(1, '\0');  // offset 0: the empty text
    std::unordered_map<std::string, std::uint32_t> stringOffsets{{"", 0}};
    auto stringAt = [&](const std::string& text) {
        auto [it, added] = stringOffsets.emplace(text, static_cast<std::uint32_t>(strings.size()));
        if (added) strings += text + '\0';
        return it->second;
    };

    std::vector<std::int32_t> latitudes, longitudes;
    std::vector<std::uint32_t> populations;
    std::vector<std::uint16_t> zoneOfPlace, areaOfPlace;
    std::vector<std::uint32_t> capitals;
    std::vector<Key> keys;
    std::vector<std::string> nameFolds;
    std::map<std::string, std::uint16_t> zones, countries, areas;
    std::vector<std::uint32_t> zoneNames;
    std::vector<gazetteer::Country> countryRecords;
    std::vector<gazetteer::Area> areaRecords;
    std::vector<gazetteer::LocalNames> localNames;
    // The names of code in the other languages, where they differ from the
    // English one.
    auto localNamesOf = [&](const std::string& code, const std::string& english,
                            std::uint32_t(&local)[gazetteer::kLocalLanguageCount]) {
        bool any = false;
        for (std::uint32_t language = 0; language < gazetteer::kLocalLanguageCount; ++language) {
            const auto found = localCatalogues[language]->find(code);
            local[language] = 0;
            if (found != localCatalogues[language]->end() && !found->second.empty() &&
                found->second != english) {
                local[language] = stringAt(found->second);
                any = true;
            }
        }
        return any;
    };

    const std::string cities = ReadFile(argv[1]);
    // The own names of the places, by country ("US" + "rome").
    std::set<std::string> ownNames;
    {
        std::istringstream data(cities);
        for (std::string line; std::getline(data, line);) {
            const std::vector<std::string_view> field = Split(line, '\t');
            if (field.size() != 19) continue;
            ownNames.insert(std::string(field[8]) + FoldName(field[1]));
            ownNames.insert(std::string(field[8]) + FoldName(field[2]));
        }
    }
    std::istringstream data(cities);
    std::string line;
    std::size_t lineNumber = 0;
    while (std::getline(data, line)) {
        ++lineNumber;
        if (line.empty()) continue;
        const std::vector<std::string_view> field = Split(line, '\t');
        if (field.size() != 19) Fail("line " + std::to_string(lineNumber) + " has not 19 fields");
        const std::string name(field[1]), ascii(field[2]), featureCode(field[7]);
        const std::string countryCode(field[8]), admin1(field[10]), zone(field[17]);
        std::string nameFold = FoldName(name);
        // No country, zone or name to give.
        if (countryCode.size() != 2 || zone.empty() || nameFold.empty()) continue;
        const auto place = static_cast<std::uint32_t>(latitudes.size());
        latitudes.push_back(
            static_cast<std::int32_t>(std::lround(std::stod(std::string(field[4])) * 1e5)));
        longitudes.push_back(
            static_cast<std::int32_t>(std::lround(std::stod(std::string(field[5])) * 1e5)));
        const long population = field[14].empty() ? 0 : std::stol(std::string(field[14]));
        populations.push_back(static_cast<std::uint32_t>(std::clamp(population, 0L, 4000000000L)));
        if (featureCode == "PPLC")
            capitals.push_back(static_cast<std::uint32_t>(latitudes.size() - 1));

        auto [zoneAt, newZone] = zones.emplace(zone, static_cast<std::uint16_t>(zones.size()));
        if (newZone) zoneNames.push_back(stringAt(zone));
        zoneOfPlace.push_back(zoneAt->second);

        auto [countryAt, newCountry] =
            countries.emplace(countryCode, static_cast<std::uint16_t>(countries.size()));
        if (newCountry) {
            gazetteer::Country record{};
            record.code[0] = countryCode[0];
            record.code[1] = countryCode[1];
            const auto english = englishNames.find(countryCode);
            record.name = stringAt(english != englishNames.end() ? english->second : countryCode);
            record.matches = stringAt(matches(countryCode, countryCode, countryCode));
            localNamesOf(countryCode, english != englishNames.end() ? english->second : "",
                         record.local);
            countryRecords.push_back(record);
        }
        const std::string areaCode = countryCode + "." + admin1;
        auto [areaAt, newArea] = areas.emplace(areaCode, static_cast<std::uint16_t>(areas.size()));
        if (newArea) {
            gazetteer::Area record{};
            record.country = countryAt->second;
            const auto english = englishNames.find(areaCode);
            record.name = english != englishNames.end() ? stringAt(english->second) : 0;
            record.matches = admin1.empty() ? 0 : stringAt(matches(countryCode, areaCode, admin1));
            if (english != englishNames.end())
                localNamesOf(areaCode, english->second, record.local);
            areaRecords.push_back(record);
        }
        areaOfPlace.push_back(areaAt->second);
        if (gazetteer::LocalNames local{place, {}};
            localNamesOf(std::string(field[0]), name, local.local)) {
            localNames.push_back(local);
        }

        // One written form per folding: the first the data gives.
        std::set<std::string> folds;
        auto add = [&](std::string_view written) {
            std::string folded = FoldName(written);
            if (folded.empty() || !folds.insert(folded).second) return;
            keys.push_back({std::move(folded), std::string(written), place});
        };
        add(name);
        add(ascii);
        // The names the program shows in the interface's other languages
        // find the place too (a place stored under its Italian name).
        for (const auto* catalogue : localCatalogues) {
            if (const auto found = catalogue->find(std::string(field[0]));
                found != catalogue->end()) {
                add(found->second);
            }
        }
        const std::string countryAndName = countryCode + FoldName(name);
        if (population >= kAlternatesFromPopulation || featureCode == "PPLC" ||
            featureCode == "PPLA") {
            for (std::string_view alternate : Split(field[3], ',')) {
                if (IsCode(alternate) || IsLowerAscii(alternate)) continue;
                // A nickname that is another place's own name in the same
                // country ("Rome" for Washington) would hide that place.
                const std::string owned = countryCode + FoldName(alternate);
                if (owned != countryAndName && ownNames.count(owned) != 0) continue;
                add(alternate);
            }
        }
        nameFolds.push_back(std::move(nameFold));
    }
    if (latitudes.empty()) Fail(std::string("no places in ") + argv[1]);
    if (latitudes.size() >= (1u << 24) || keys.size() >= (1u << 24) || zones.size() > 65535 ||
        areas.size() > 65535) {
        Fail("too many places, zones or areas for the file's fields");
    }

    std::sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) {
        if (a.folded != b.folded) return a.folded < b.folded;
        if (a.written != b.written) return a.written < b.written;
        return a.place < b.place;
    });
    std::vector<std::uint32_t> nameKeys(latitudes.size(), UINT32_MAX);
    std::string keyBytes, keyPlaces;
    std::vector<std::uint32_t> blocks;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const Key& key = keys[i];
        // A place's name is its only key of that folding (added first).
        if (key.folded == nameFolds[key.place]) nameKeys[key.place] = static_cast<std::uint32_t>(i);
        if (i % gazetteer::kKeysPerBlock == 0) {
            blocks.push_back(static_cast<std::uint32_t>(keyBytes.size()));
            AppendLeb128(keyBytes, key.written.size());
            keyBytes += key.written;
        } else {
            const std::string& previous = keys[i - 1].written;
            std::size_t shared = 0;
            while (shared < previous.size() && shared < key.written.size() &&
                   previous[shared] == key.written[shared]) {
                ++shared;
            }
            AppendLeb128(keyBytes, shared);
            AppendLeb128(keyBytes, key.written.size() - shared);
            keyBytes += key.written.substr(shared);
        }
        for (int byte = 0; byte < 3; ++byte)
            keyPlaces += static_cast<char>(key.place >> (8 * byte));
    }
    blocks.push_back(static_cast<std::uint32_t>(keyBytes.size()));
    for (std::size_t place = 0; place < nameKeys.size(); ++place) {
        if (nameKeys[place] == UINT32_MAX)
            Fail("a place without a name: line of place " + std::to_string(place));
    }

    gazetteer::Header header{};
    header.magic = gazetteer::kMagic;
    header.placeCount = static_cast<std::uint32_t>(latitudes.size());
    header.keyCount = static_cast<std::uint32_t>(keys.size());
    header.blockCount = static_cast<std::uint32_t>(blocks.size() - 1);
    header.zoneCount = static_cast<std::uint32_t>(zoneNames.size());
    header.countryCount = static_cast<std::uint32_t>(countryRecords.size());
    header.areaCount = static_cast<std::uint32_t>(areaRecords.size());
    Writer writer(header);
    writer.Section(gazetteer::kLatitudes, latitudes);
    writer.Section(gazetteer::kLongitudes, longitudes);
    writer.Section(gazetteer::kPopulations, populations);
    std::string nameKeyBytes;
    for (const std::uint32_t key : nameKeys) {
        for (int byte = 0; byte < 3; ++byte) nameKeyBytes += static_cast<char>(key >> (8 * byte));
    }
    writer.Section(gazetteer::kNameKeys, nameKeyBytes);
    writer.Section(gazetteer::kZones, zoneOfPlace);
    writer.Section(gazetteer::kAreas, areaOfPlace);
    writer.Section(gazetteer::kCapitals, capitals);
    writer.Section(gazetteer::kKeyBlocks, blocks);
    writer.Section(gazetteer::kKeyBytes, keyBytes);
    writer.Section(gazetteer::kKeyPlaces, keyPlaces);
    writer.Section(gazetteer::kZoneNames, zoneNames);
    writer.Section(gazetteer::kCountries, countryRecords);
    writer.Section(gazetteer::kAreaRecords, areaRecords);
    writer.Section(gazetteer::kStrings, strings);
    writer.Section(gazetteer::kLocalNames, localNames);
    const std::string file = writer.File();
    const std::string temporary = std::string(argv[4]) + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(file.data(), static_cast<std::streamsize>(file.size()));
        if (!out.flush()) Fail("cannot write " + temporary);
    }
    fs::rename(temporary, argv[4]);
    std::cout << "build_gazetteer: " << header.placeCount << " places, " << header.keyCount
              << " names, " << file.size() / 1024 << " KiB\n";
    return 0;
}
