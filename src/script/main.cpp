// zarvokan-script: plays scenario files against the headless game.
//
//   zarvokan-script [--program-dir DIR] [--trace] FILE...
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "script/Scenario.h"

int main(int argc, char** argv) {
    script::RunOptions options;
    options.out = &std::cout;
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    options.programDir = error ? std::filesystem::current_path() : self.parent_path();
    std::vector<std::filesystem::path> files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--trace") {
            options.trace = &std::cout;
        } else if (arg == "--program-dir" && i + 1 < argc) {
            options.programDir = argv[++i];
        } else if (arg.rfind("--", 0) == 0) {
            std::cerr << "usage: zarvokan-script [--program-dir DIR] [--trace] FILE...\n";
            return 2;
        } else {
            files.emplace_back(arg);
        }
    }
    if (files.empty()) {
        std::cerr << "usage: zarvokan-script [--program-dir DIR] [--trace] FILE...\n";
        return 2;
    }
    script::Driver headless;
    return script::runScenarioFiles(files, options, headless);
}
