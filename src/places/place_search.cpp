#include "places/place_search.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <unordered_map>

#include "places/gazetteer_format.h"
#include "places/name_fold.h"

namespace tarvel {

namespace {

namespace gz = gazetteer;

constexpr const char* kIndexName = "tarvel_places.idx";

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

// Whether `prefix` begins `list` or one of its words (after a blank or a line
// break).
bool BeginsAWord(std::string_view list, std::string_view prefix) {
    for (std::size_t at = list.find(prefix); at != std::string_view::npos;
         at = list.find(prefix, at + 1)) {
        if (at == 0 || list[at - 1] == ' ' || list[at - 1] == '\n') return true;
    }
    return false;
}

// The gazetteer's file, mapped read-only once and never changed: any thread
// reads it at once.
class Gazetteer {
  public:
    static const Gazetteer& Instance() {
        static const Gazetteer gazetteer;
        return gazetteer;
    }

    const std::string& Problem() const { return problem_; }
    const std::string& Missing() const { return missing_; }
    std::uint32_t PlaceCount() const { return header_.placeCount; }
    std::uint32_t KeyCount() const { return header_.keyCount; }
    std::uint32_t AreaCount() const { return header_.areaCount; }

    // Key `index` as the data writes it.
    std::string Key(std::uint32_t index) const {
        std::string key;
        const std::uint32_t block = index / gz::kKeysPerBlock;
        const unsigned char* at =
            bytes_ + header_.offset[gz::kKeyBytes] + Word(gz::kKeyBlocks, block);
        const unsigned char* end =
            bytes_ + header_.offset[gz::kKeyBytes] + Word(gz::kKeyBlocks, block + 1);
        for (std::uint32_t i = block * gz::kKeysPerBlock; i <= index; ++i) {
            std::size_t shared = 0;
            if (i % gz::kKeysPerBlock != 0) shared = std::min(Leb128(at, end), key.size());
            const std::size_t rest = std::min<std::size_t>(Leb128(at, end), end - at);
            key.resize(shared);
            key.append(reinterpret_cast<const char*>(at), rest);
            at += rest;
        }
        return key;
    }

    // The first key whose folding `before` does not hold for; `before` holds
    // for every key before it and for none after (keys are sorted by folding).
    template <typename Before>
    std::uint32_t PartitionPoint(const Before& before) const {
        std::uint32_t low = 0, high = header_.blockCount;  // the first block whose head fails
        while (low < high) {
            const std::uint32_t middle = low + (high - low) / 2;
            if (before(FoldName(Key(middle * gz::kKeysPerBlock)))) {
                low = middle + 1;
            } else {
                high = middle;
            }
        }
        if (low == 0) return 0;
        std::uint32_t index = (low - 1) * gz::kKeysPerBlock + 1;
        const std::uint32_t end = std::min(low * gz::kKeysPerBlock, header_.keyCount);
        while (index < end && before(FoldName(Key(index)))) ++index;
        return index;
    }

    std::uint32_t PlaceOfKey(std::uint32_t key) const { return Bytes3(gz::kKeyPlaces, key); }
    std::uint32_t NameKey(std::uint32_t place) const { return Bytes3(gz::kNameKeys, place); }
    std::uint32_t Population(std::uint32_t place) const { return Word(gz::kPopulations, place); }
    bool IsCapital(std::uint32_t place) const {
        const auto* first =
            reinterpret_cast<const std::uint32_t*>(bytes_ + header_.offset[gz::kCapitals]);
        return std::binary_search(first, first + header_.size[gz::kCapitals] / 4, place);
    }
    std::uint16_t AreaOf(std::uint32_t place) const { return Half(gz::kAreas, place); }
    gz::Area AreaRecord(std::uint16_t area) const {
        return Record<gz::Area>(gz::kAreaRecords, area);
    }
    gz::Country CountryRecord(std::uint16_t country) const {
        return Record<gz::Country>(gz::kCountries, country);
    }
    std::string_view String(std::uint32_t offset) const {
        if (offset >= header_.size[gz::kStrings]) return {};
        return reinterpret_cast<const char*>(bytes_ + header_.offset[gz::kStrings] + offset);
    }

    Place MakePlace(std::uint32_t place, std::uint32_t matchedKey, bool exact,
                    PlaceNames names) const {
        Place result;
        result.name = Key(NameKey(place) < header_.keyCount ? NameKey(place) : matchedKey);
        const gz::Area area = AreaRecord(AreaOf(place));
        const gz::Country country = CountryRecord(area.country);
        result.region = String(area.name);
        result.country = String(country.name);
        result.local = {result.name, result.region, result.country};
        if (names != PlaceNames::kEnglish) {
            // The language's names where the data has them, the English ones
            // for the others.
            const std::uint32_t language =
                names == PlaceNames::kItalian ? gz::kItalian : gz::kPortuguese;
            const auto local = [&](std::string& text, std::uint32_t offset) {
                if (offset != 0 && !String(offset).empty()) text = String(offset);
            };
            local(result.local.region, area.local[language]);
            local(result.local.country, country.local[language]);
            if (const std::optional<gz::LocalNames> own = LocalNamesOf(place)) {
                local(result.local.name, own->local[language]);
            }
        }
        result.countryCode = std::string(country.code, 2);
        const std::uint16_t zone = Half(gz::kZones, place);
        if (zone < header_.zoneCount) result.timeZone = String(Word(gz::kZoneNames, zone));
        result.latitude = static_cast<std::int32_t>(Word(gz::kLatitudes, place)) / 1e5;
        result.longitudeEast = static_cast<std::int32_t>(Word(gz::kLongitudes, place)) / 1e5;
        result.population = Population(place);
        result.matchedName = Key(matchedKey);
        result.exactMatch = exact;
        return result;
    }

  private:
    // The place's names in the other languages, when it has any.
    std::optional<gz::LocalNames> LocalNamesOf(std::uint32_t place) const {
        std::uint32_t low = 0, high = header_.size[gz::kLocalNames] / sizeof(gz::LocalNames);
        while (low < high) {
            const std::uint32_t middle = low + (high - low) / 2;
            const gz::LocalNames record = Record<gz::LocalNames>(gz::kLocalNames, middle);
            if (record.place == place) return record;
            if (record.place < place) {
                low = middle + 1;
            } else {
                high = middle;
            }
        }
        return std::nullopt;
    }

    Gazetteer() {
        std::vector<std::string> candidates;
        if (const char* chosen = std::getenv("TARVEL_PLACES_INDEX");
            chosen != nullptr && *chosen != '\0') {
            candidates.push_back(chosen);  // that one only
        } else {
            std::error_code error;
            const std::filesystem::path program =
                std::filesystem::read_symlink("/proc/self/exe", error);
            if (!error) {
                candidates.push_back((program.parent_path() / kIndexName).string());
                // Where the installed program keeps it first: the one named
                // when none is found.
                candidates.insert(candidates.begin(),
                                  (program.parent_path() / "../share/tarvel" / kIndexName)
                                      .lexically_normal()
                                      .string());
            }
#ifdef TARVEL_PLACES_BUILD_INDEX
            candidates.push_back(TARVEL_PLACES_BUILD_INDEX);  // the build tree's, for its tests
#endif
        }
        for (const std::string& path : candidates) {
            if (Map(path)) return;
        }
        missing_ = candidates.empty() ? std::string(kIndexName) : candidates.front();
        problem_ = "the places' index " + missing_ +
                   " is missing or damaged: no place can be found by name (reinstall the program)";
    }
    Gazetteer(const Gazetteer&) = delete;
    Gazetteer& operator=(const Gazetteer&) = delete;

    bool Map(const std::string& path) {
        const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (file < 0) return false;
        struct stat status {};
        void* mapped = MAP_FAILED;
        if (::fstat(file, &status) == 0 &&
            status.st_size >= static_cast<off_t>(sizeof(gz::Header)) &&
            status.st_size < (off_t{1} << 32)) {
            mapped = ::mmap(nullptr, static_cast<std::size_t>(status.st_size), PROT_READ,
                            MAP_PRIVATE, file, 0);
        }
        ::close(file);
        if (mapped == MAP_FAILED) return false;
        const auto* bytes = static_cast<const unsigned char*>(mapped);
        const auto size = static_cast<std::size_t>(status.st_size);
        std::memcpy(&header_, bytes, sizeof header_);
        bytes_ = bytes;
        if (Valid(size)) return true;
        ::munmap(mapped, size);
        bytes_ = nullptr;
        header_ = {};
        return false;
    }

    // Every section inside the file and as long as its counts say, so that
    // no read goes astray whatever the file holds.
    bool Valid(std::size_t fileSize) const {
        const gz::Header& h = header_;
        if (h.magic != gz::kMagic) return false;
        for (std::uint32_t s = 0; s < gz::kSectionCount; ++s) {
            if (h.offset[s] % 4 != 0 || std::size_t{h.offset[s]} + h.size[s] > fileSize)
                return false;
        }
        const std::size_t places = h.placeCount, keys = h.keyCount;
        const bool sizes =
            places > 0 && keys > 0 && h.size[gz::kLatitudes] == 4 * places &&
            h.size[gz::kLongitudes] == 4 * places && h.size[gz::kPopulations] == 4 * places &&
            h.size[gz::kNameKeys] == 3 * places && h.size[gz::kZones] == 2 * places &&
            h.size[gz::kAreas] == 2 * places && h.size[gz::kCapitals] % 4 == 0 &&
            h.blockCount == (keys + gz::kKeysPerBlock - 1) / gz::kKeysPerBlock &&
            h.size[gz::kKeyBlocks] == 4 * (std::size_t{h.blockCount} + 1) &&
            h.size[gz::kKeyPlaces] == 3 * keys &&
            h.size[gz::kZoneNames] == 4 * std::size_t{h.zoneCount} &&
            h.size[gz::kCountries] == sizeof(gz::Country) * h.countryCount &&
            h.size[gz::kAreaRecords] == sizeof(gz::Area) * h.areaCount &&
            h.size[gz::kLocalNames] % sizeof(gz::LocalNames) == 0 && h.size[gz::kStrings] > 0 &&
            bytes_[h.offset[gz::kStrings] + h.size[gz::kStrings] - 1] == '\0';
        if (!sizes) return false;
        for (std::uint32_t b = 0; b <= h.blockCount; ++b) {
            const std::uint32_t at = Word(gz::kKeyBlocks, b);
            if (at > h.size[gz::kKeyBytes] || (b > 0 && at < Word(gz::kKeyBlocks, b - 1)))
                return false;
        }
        for (std::uint32_t place = 0; place < h.placeCount; ++place) {
            if (AreaOf(place) >= h.areaCount) return false;
        }
        for (std::uint32_t area = 0; area < h.areaCount; ++area) {
            if (AreaRecord(static_cast<std::uint16_t>(area)).country >= h.countryCount)
                return false;
        }
        return true;
    }

    std::uint32_t Word(gz::Section section, std::uint32_t index) const {
        std::uint32_t word = 0;
        std::memcpy(&word, bytes_ + header_.offset[section] + 4 * std::size_t{index}, 4);
        return word;
    }
    std::uint16_t Half(gz::Section section, std::uint32_t index) const {
        std::uint16_t half = 0;
        std::memcpy(&half, bytes_ + header_.offset[section] + 2 * std::size_t{index}, 2);
        return half;
    }
    std::uint32_t Bytes3(gz::Section section, std::uint32_t index) const {
        const unsigned char* at = bytes_ + header_.offset[section] + 3 * std::size_t{index};
        return at[0] | (at[1] << 8) | (std::uint32_t{at[2]} << 16);
    }
    template <typename T>
    T Record(gz::Section section, std::uint32_t index) const {
        T record{};
        std::memcpy(&record, bytes_ + header_.offset[section] + sizeof(T) * std::size_t{index},
                    sizeof(T));
        return record;
    }
    static std::size_t Leb128(const unsigned char*& at, const unsigned char* end) {
        std::size_t value = 0;
        for (int shift = 0; at < end && shift < 35; shift += 7) {
            const unsigned char byte = *at++;
            value |= std::size_t{byte & 0x7fu} << shift;
            if (!(byte & 0x80)) break;
        }
        return value;
    }

    gz::Header header_{};
    const unsigned char* bytes_ = nullptr;
    std::string problem_;
    std::string missing_;
};

// The keys whose folding begins with `folded`: [begin, end), the keys whose
// folding is the whole of it first, up to exactEnd.
struct KeyRange {
    std::uint32_t begin = 0, exactEnd = 0, end = 0;
};

KeyRange RangeOf(const Gazetteer& gazetteer, const std::string& folded) {
    KeyRange range;
    range.begin = gazetteer.PartitionPoint([&](const std::string& key) { return key < folded; });
    range.exactEnd =
        gazetteer.PartitionPoint([&](const std::string& key) { return key <= folded; });
    range.end = gazetteer.PartitionPoint(
        [&](const std::string& key) { return key.compare(0, folded.size(), folded) <= 0; });
    range.exactEnd = std::max(range.exactEnd, range.begin);
    range.end = std::max(range.end, range.exactEnd);
    return range;
}

struct Candidate {
    std::uint32_t place;
    std::uint32_t key;
    bool exact;
    bool capital;
    std::uint32_t population;
};

// The places of a key range, each once (by its best key), best first: a
// whole name before a beginning, then capitals, then the most populous.
// `allowed` says which areas the places may lie in.
template <typename Allowed>
std::vector<Candidate> Ranked(const Gazetteer& gazetteer, const KeyRange& range,
                              const Allowed& allowed, std::size_t limit) {
    std::unordered_map<std::uint32_t, std::size_t> seen;
    std::vector<Candidate> candidates;
    for (std::uint32_t key = range.begin; key < range.end; ++key) {
        const std::uint32_t place = gazetteer.PlaceOfKey(key);
        if (place >= gazetteer.PlaceCount() || !allowed(gazetteer.AreaOf(place))) continue;
        if (seen.count(place) != 0) continue;  // its earlier key is as good or better
        seen.emplace(place, candidates.size());
        candidates.push_back({place, key, key < range.exactEnd, gazetteer.IsCapital(place),
                              gazetteer.Population(place)});
    }
    const auto better = [](const Candidate& a, const Candidate& b) {
        if (a.exact != b.exact) return a.exact;
        if (a.capital != b.capital) return a.capital;
        if (a.population != b.population) return a.population > b.population;
        return a.place < b.place;
    };
    const std::size_t kept = std::min(limit, candidates.size());
    std::partial_sort(candidates.begin(), candidates.begin() + static_cast<std::ptrdiff_t>(kept),
                      candidates.end(), better);
    candidates.resize(kept);
    return candidates;
}

std::vector<std::string> Parts(std::string_view query) {
    std::vector<std::string> parts;
    while (true) {
        const auto comma = query.find(',');
        parts.push_back(FoldName(Trimmed(query.substr(0, comma))));
        if (comma == std::string_view::npos) return parts;
        query.remove_prefix(comma + 1);
    }
}

}  // namespace

PlaceNames PlaceNamesForLanguage(std::string_view code) {
    if (code == "ITA") return PlaceNames::kItalian;
    if (code == "PTB") return PlaceNames::kPortuguese;
    return PlaceNames::kEnglish;
}

namespace {

std::string LabelOf(const std::string& name, const std::string& region,
                    const std::string& country) {
    std::string label = name;
    if (!region.empty() && region != name) label += ", " + region;
    if (!country.empty()) label += ", " + country;
    return label;
}

std::string MatchLabelOf(const std::string& matched, const std::string& name,
                         const std::string& label) {
    if (matched.empty() || matched == name) return label;
    return matched + " \u2192 " + label;
}

}  // namespace

std::string Place::Label() const {
    return LabelOf(name, region, country);
}

std::string Place::MatchLabel() const {
    return MatchLabelOf(matchedName, name, Label());
}

std::string Place::LocalLabel() const {
    if (local.name.empty()) return Label();  // a place not from a search
    return LabelOf(local.name, local.region, local.country);
}

std::string Place::LocalMatchLabel() const {
    if (local.name.empty()) return MatchLabel();
    return MatchLabelOf(matchedName, local.name, LocalLabel());
}

std::string PlaceIndexProblem() {
    return Gazetteer::Instance().Problem();
}

std::string MissingPlaceIndex() {
    return Gazetteer::Instance().Missing();
}

std::vector<Place> FindPlaces(std::string_view query, std::size_t limit, PlaceNames names) {
    if (query.size() > kMaxPlaceQueryBytes || limit == 0) return {};
    const Gazetteer& gazetteer = Gazetteer::Instance();
    if (!gazetteer.Problem().empty()) return {};
    const std::vector<std::string> parts = Parts(query);
    if (parts.front().empty()) return {};
    // The areas whose region or country every part after the first names.
    std::vector<bool> allowedAreas;
    if (parts.size() > 1) {
        allowedAreas.resize(gazetteer.AreaCount());
        for (std::uint32_t area = 0; area < gazetteer.AreaCount(); ++area) {
            const gazetteer::Area record = gazetteer.AreaRecord(static_cast<std::uint16_t>(area));
            const std::string_view region = gazetteer.String(record.matches);
            const std::string_view country =
                gazetteer.String(gazetteer.CountryRecord(record.country).matches);
            allowedAreas[area] =
                std::all_of(parts.begin() + 1, parts.end(), [&](const std::string& part) {
                    return BeginsAWord(region, part) || BeginsAWord(country, part);
                });
        }
    }
    const auto allowed = [&](std::uint16_t area) {
        return allowedAreas.empty() || allowedAreas[area];
    };
    std::vector<Place> found;
    for (const Candidate& c :
         Ranked(gazetteer, RangeOf(gazetteer, parts.front()), allowed, limit)) {
        found.push_back(gazetteer.MakePlace(c.place, c.key, c.exact, names));
        // A whole name matched as the user wrote it ("München", where the
        // data may write it "Munchen" first).
        Place& place = found.back();
        if (place.exactMatch && FoldName(place.name) != parts.front()) {
            place.matchedName = Trimmed(query.substr(0, query.find(',')));
        }
    }
    return found;
}

std::vector<std::string> ClosePlaceNames(std::string_view query, std::size_t limit,
                                         PlaceNames names) {
    if (query.size() > kMaxPlaceQueryBytes) return {};
    const Gazetteer& gazetteer = Gazetteer::Instance();
    if (!gazetteer.Problem().empty()) return {};
    const std::string name = Parts(query).front();
    if (name.empty()) return {};
    // The longest beginning of the name that some key's folding shares: the
    // keys beside where the name would stand hold it.
    const std::uint32_t at =
        gazetteer.PartitionPoint([&](const std::string& key) { return key < name; });
    std::size_t shared = 0;
    for (std::uint32_t key : {at - 1, at}) {
        if (key >= gazetteer.KeyCount()) continue;  // at == 0 or at the end
        const std::string folded = FoldName(gazetteer.Key(key));
        const auto [mismatch, unused] =
            std::mismatch(name.begin(), name.end(), folded.begin(), folded.end());
        shared = std::max(shared, static_cast<std::size_t>(mismatch - name.begin()));
    }
    while (shared > 0 && (static_cast<unsigned char>(name[shared]) & 0xC0) == 0x80) --shared;
    if (shared == 0) return {};
    std::vector<std::string> labels;
    const auto all = [](std::uint16_t) { return true; };
    // Ranked by place; labels may repeat (two towns of one name and region).
    for (const Candidate& c :
         Ranked(gazetteer, RangeOf(gazetteer, name.substr(0, shared)), all, 4 * limit)) {
        const std::string label = gazetteer.MakePlace(c.place, c.key, c.exact, names).LocalLabel();
        if (std::find(labels.begin(), labels.end(), label) == labels.end()) labels.push_back(label);
        if (labels.size() == limit) break;
    }
    return labels;
}

}  // namespace tarvel
