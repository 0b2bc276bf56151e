#include "host/registry_object.h"

bool Registry::OpenKey(const std::string& path, bool canCreate) {
    return key_.Open(root_, path, access_, canCreate) == platform::kSuccess;
}

bool Registry::ValueExists(const std::string& name) const {
    if (!key_.IsOpen()) return false;
    platform::RegValueType type;
    return platform::RegQueryValueType(key_.get(), name, &type) == platform::kSuccess;
}

std::string Registry::ReadString(const std::string& name) const {
    std::string value;
    platform::ErrorCode e = platform::RegReadString(key_.get(), name, &value, nullptr);
    if (e == platform::kErrorInvalidData) {
        throw RegistryError("Invalid data type for '" + name + "'");
    }
    return e == platform::kSuccess ? value : std::string();
}

void Registry::WriteString(const std::string& name, const std::string& value) {
    if (platform::RegWriteString(key_.get(), name, value) != platform::kSuccess) {
        throw RegistryError("Failed to set data for '" + name + "'");
    }
}

void Registry::WriteInteger(const std::string& name, std::int32_t value) {
    if (platform::RegWriteDword(key_.get(), name, static_cast<std::uint32_t>(value)) !=
        platform::kSuccess) {
        throw RegistryError("Failed to set data for '" + name + "'");
    }
}

bool Registry::DeleteKey(const std::string& path) {
    return platform::RegDeleteTree(root_, path, access_) == platform::kSuccess;
}
