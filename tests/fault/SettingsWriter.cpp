// Saves the settings file or a scheme file over and over, alternating between two states, until
// it is killed. After each completed save it writes the letter of the state saved, A or B, to
// its standard output.
//
//   fault_writer settings FOLDER   myset.cfg in FOLDER, through the store the program saves
//                                  its settings with at exit
//   fault_writer scheme FILE       a scheme file, saved as File > Save Scheme saves it

#include "FaultRecords.h"

#include "core/SettingsRecord.h"
#include "core/SettingsStore.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string_view>
#include <unistd.h>

int main(int argc, char* argv[])
{
    using namespace orvane;
    if (argc != 3) {
        std::fprintf(stderr, "Usage: %s settings FOLDER | scheme FILE\n", argv[0]);
        return 2;
    }
    const std::string_view mode = argv[1];
    const std::filesystem::path where = argv[2];

    std::function<bool(const AppState&)> save;
    if (mode == "settings") {
        // The program folder is writable here, so a save that lands in the fallback folder is a
        // failed save of myset.cfg.
        const SettingsStore store(where, where / "fallback");
        save = [store](const AppState& state) { return store.save(state) == store.programFile(); };
    } else if (mode == "scheme") {
        save = [where](const AppState& state) { return SaveSettings(where, state); };
    } else {
        std::fprintf(stderr, "Unknown mode: %s\n", argv[1]);
        return 2;
    }

    const AppState states[] = {fault::faultState(fault::Which::A),
                               fault::faultState(fault::Which::B)};
    const char letters[] = {'A', 'B'};
    for (int next = 0;; next = 1 - next) {
        if (!save(states[next])) {
            std::fprintf(stderr, "Saving %s failed\n", where.c_str());
            return 1;
        }
        if (::write(STDOUT_FILENO, &letters[next], 1) != 1)
            return 1;
    }
}
