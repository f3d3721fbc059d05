// The stored settings: any bytes as the INI file the store reads. Whatever
// loads lies within the bounds of each value and is never not-a-number; the
// stored interface language is none or one of the menu's.
#include <unistd.h>

#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "app/settings_store.h"
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path =
        "/tmp/tarvel-fuzz-settings-" + std::to_string(::getpid()) + ".ini";
    if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    } else {
        return 0;
    }
    const tarvel::SettingsStore store(QString::fromStdString(path));
    tarvel::AppSettings settings;
    store.Load(settings);
    tarvel::fuzz::ExpectObserverWithinBounds(settings);
    // The chosen language is none (0) or one of the menu's three.
    const int language = store.LoadLanguage();
    if (language != 0 && language != 1040 && language != 1033 && language != 1046) {
        tarvel::fuzz::Fail("interface language", language);
    }
    return 0;
}
