#include "installation/payload_names.h"

std::string FileNameOf(const std::string& entry) {
    std::size_t cut = entry.find_last_of("\\:");
    return cut == std::string::npos ? entry : entry.substr(cut + 1);
}

std::string ResourceNameOf(const std::string& entry) {
    std::string name = FileNameOf(entry);
    std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string ResourceTypeOf(const std::string& entry) {
    std::string name = FileNameOf(entry);
    std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}
