// The table window's form: five typed texts, read and validated as the form
// does. Input: the texts of latitude, longitude, height, points and step,
// separated by line breaks.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_checks.h"
#include "table/table_parameters.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarvel;
    std::vector<std::string> fields(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n' && fields.size() < 5) {
            fields.emplace_back();
        } else {
            fields.back() += static_cast<char>(data[i]);
        }
    }
    fields.resize(5);
    const TableFormTexts form{fields[0], fields[1], fields[2], fields[3], fields[4]};
    TableParameters p;
    const TableValidation v = ReadTableForm(form, p, TableTexts{});
    if (!v.ok()) {
        fuzz::ExpectOneLine(v.message);
        return 0;
    }
    fuzz::ExpectWithin("latitude", p.latitude, kLatitudeBounds);
    fuzz::ExpectWithin("longitude", p.longitude, kLongitudeBounds);
    fuzz::ExpectWithin("height", p.height, kTableMinHeight, kTableMaxHeight);
    fuzz::ExpectWithin("pointCount", p.pointCount, 1, 1000);
    fuzz::ExpectWithin("stepValue", p.stepValue, 0.01, 60);
    return 0;
}
