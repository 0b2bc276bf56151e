#include "host/random_file.h"

#include "host/random_source.h"
#include "platform/files.h"

std::string CreateFileNamedAtRandom(const std::string& folder, const std::string& prefix,
                                    int letters, const std::string& suffix, int attempts) {
    for (int attempt = 0; attempt < attempts; ++attempt) {
        std::string path = folder + prefix;
        for (int i = 0; i < letters; ++i) path += RandomLowercaseLetter();
        path += suffix;
        const platform::ErrorCode e =
            platform::WriteWholeFile(path, "", 0, platform::CreateMode::CreateNew);
        if (e == platform::kSuccess) return path;
        if (e != platform::kErrorFileExists && e != platform::kErrorAlreadyExists) return "";
    }
    return "";
}
