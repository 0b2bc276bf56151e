#include "fake_registry.h"

#include "fake_util.h"

using platform::ErrorCode;
using platform::RegKey;
using platform::RegRoot;
using platform::RegValueType;

namespace fake {
namespace {

std::string RootName(RegRoot root) { return root == RegRoot::LocalMachine ? "HKLM" : "HKCU"; }

std::string Join(const std::string& root, const std::string& path) {
    std::string p = WithoutTrailingBackslashes(path);
    return p.empty() ? root : root + "\\" + p;
}

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
    return platform::SameName(text.substr(0, prefix.size()), prefix);
}

}  // namespace

FakeRegistry& Registry() {
    static FakeRegistry registry;
    return registry;
}

void FakeRegistry::Reset() { *this = FakeRegistry{}; }

std::string FakeRegistry::Resolve(RegRoot root, const std::string& path,
                                  std::uint32_t access) const {
    std::string full = Join(RootName(root), path);
    // Only HKLM\Software is redirected, and not when the path already names the node.
    const std::string software = "HKLM\\Software";
    bool below = StartsWithNoCase(full, software) &&
                 (full.size() == software.size() || full[software.size()] == '\\');
    bool wants64 = (access & platform::kKeyWow64_64Key) != 0;
    bool namesNode = StartsWithNoCase(full, software + "\\WOW6432Node");
    if (wow64Process && below && !wants64 && !namesNode) {
        return software + "\\WOW6432Node" + full.substr(software.size());
    }
    return full;
}

void FakeRegistry::CreateKey(const std::string& key) {
    // Parents exist whenever a child does, as in the real registry.
    std::string path = WithoutTrailingBackslashes(key);
    std::string::size_type pos = 0;
    while (true) {
        pos = path.find('\\', pos + 1);
        std::string prefix = path.substr(0, pos);
        Key& k = keys_[platform::FoldedName(prefix)];
        if (k.displayPath.empty()) k.displayPath = prefix;
        if (pos == std::string::npos) break;
    }
}

bool FakeRegistry::KeyExists(const std::string& key) const {
    return keys_.count(platform::FoldedName(WithoutTrailingBackslashes(key))) != 0;
}

const RegValue* FakeRegistry::Value(const std::string& key, const std::string& name) const {
    auto k = keys_.find(platform::FoldedName(WithoutTrailingBackslashes(key)));
    if (k == keys_.end()) return nullptr;
    auto v = k->second.values.find(platform::FoldedName(name));
    return v == k->second.values.end() ? nullptr : &v->second;
}

bool FakeRegistry::HasValue(const std::string& key, const std::string& name) const {
    return Value(key, name) != nullptr;
}

std::string FakeRegistry::String(const std::string& key, const std::string& name) const {
    const RegValue* v = Value(key, name);
    return v ? v->text : std::string();
}

std::vector<std::string> FakeRegistry::ValueNamesInOrder(const std::string& key) const {
    auto k = keys_.find(platform::FoldedName(WithoutTrailingBackslashes(key)));
    return k == keys_.end() ? std::vector<std::string>{} : k->second.order;
}

void FakeRegistry::SetString(const std::string& key, const std::string& name,
                             const std::string& value, RegValueType type) {
    CreateKey(key);
    Key& k = keys_[platform::FoldedName(WithoutTrailingBackslashes(key))];
    if (!k.values.count(platform::FoldedName(name))) k.order.push_back(name);
    k.values[platform::FoldedName(name)] = RegValue{type, value, 0};
}

void FakeRegistry::SetDword(const std::string& key, const std::string& name, std::uint32_t value) {
    CreateKey(key);
    Key& k = keys_[platform::FoldedName(WithoutTrailingBackslashes(key))];
    if (!k.values.count(platform::FoldedName(name))) k.order.push_back(name);
    k.values[platform::FoldedName(name)] = RegValue{RegValueType::Dword, "", value};
}

void FakeRegistry::SetOther(const std::string& key, const std::string& name) {
    CreateKey(key);
    Key& k = keys_[platform::FoldedName(WithoutTrailingBackslashes(key))];
    if (!k.values.count(platform::FoldedName(name))) k.order.push_back(name);
    k.values[platform::FoldedName(name)] = RegValue{RegValueType::Other, "", 0};
}

ErrorCode FakeRegistry::Open(RegRoot root, const std::string& path, std::uint32_t access,
                             bool create, RegKey* key) {
    *key = platform::kNoKey;
    std::string real = Resolve(root, path, access);
    for (const std::string& locked : lockedKeys) {
        if (platform::SameName(WithoutTrailingBackslashes(locked), real)) {
            return platform::kErrorAccessDenied;
        }
    }
    bool writeAccess =
        (access & ~(platform::kKeyRead | platform::kKeyWow64_64Key | platform::kKeyWow64_32Key)) !=
        0;
    if (root == RegRoot::LocalMachine && hklmReadOnly && writeAccess) {
        return platform::kErrorAccessDenied;
    }
    if (!KeyExists(real)) {
        if (!create) return platform::kErrorFileNotFound;
        CreateKey(real);
    }
    *key = next_++;
    open_[*key] = OpenKey{real, access};
    return platform::kSuccess;
}

ErrorCode FakeRegistry::Query(RegKey key, const std::string& name, const RegValue** value) const {
    auto o = open_.find(key);
    if (o == open_.end()) return platform::kErrorInvalidHandle;
    *value = Value(o->second.path, name);
    return *value ? platform::kSuccess : platform::kErrorFileNotFound;
}

ErrorCode FakeRegistry::Write(RegKey key, const std::string& name, const RegValue& value) {
    auto o = open_.find(key);
    if (o == open_.end()) return platform::kErrorInvalidHandle;
    if ((o->second.access & platform::kKeySetValue) == 0) return platform::kErrorAccessDenied;
    for (const std::string& ro : readOnlyKeys) {
        if (platform::SameName(WithoutTrailingBackslashes(ro), o->second.path)) {
            return platform::kErrorAccessDenied;
        }
    }
    Key& k = keys_[platform::FoldedName(o->second.path)];
    if (!k.values.count(platform::FoldedName(name))) k.order.push_back(name);
    k.values[platform::FoldedName(name)] = value;
    return platform::kSuccess;
}

ErrorCode FakeRegistry::DeleteTree(RegRoot root, const std::string& path, std::uint32_t access) {
    if (WithoutTrailingBackslashes(path).empty()) return platform::kErrorInvalidParameter;
    std::string real = platform::FoldedName(Resolve(root, path, access));
    if (!keys_.count(real)) return platform::kErrorFileNotFound;
    if (root == RegRoot::LocalMachine && hklmReadOnly) return platform::kErrorAccessDenied;
    for (auto it = keys_.begin(); it != keys_.end();) {
        bool inside = it->first == real || it->first.rfind(real + "\\", 0) == 0;
        it = inside ? keys_.erase(it) : std::next(it);
    }
    return platform::kSuccess;
}

void FakeRegistry::Close(RegKey key) { open_.erase(key); }

}  // namespace fake

// The platform calls, served by the fake.
namespace platform {

ErrorCode RegOpen(RegRoot root, const std::string& path, std::uint32_t access, bool create,
                  RegKey* key) {
    return fake::Registry().Open(root, path, access, create, key);
}

ErrorCode RegQueryValueType(RegKey key, const std::string& name, RegValueType* type) {
    const fake::RegValue* v = nullptr;
    ErrorCode e = fake::Registry().Query(key, name, &v);
    if (e == kSuccess) *type = v->type;
    return e;
}

ErrorCode RegReadString(RegKey key, const std::string& name, std::string* value,
                        RegValueType* type) {
    const fake::RegValue* v = nullptr;
    ErrorCode e = fake::Registry().Query(key, name, &v);
    if (e != kSuccess) return e;
    if (v->type != RegValueType::String && v->type != RegValueType::ExpandString) {
        return kErrorInvalidData;
    }
    *value = v->text;
    if (type) *type = v->type;
    return kSuccess;
}

ErrorCode RegReadDword(RegKey key, const std::string& name, std::uint32_t* value) {
    const fake::RegValue* v = nullptr;
    ErrorCode e = fake::Registry().Query(key, name, &v);
    if (e != kSuccess) return e;
    if (v->type != RegValueType::Dword) return kErrorInvalidData;
    *value = v->number;
    return kSuccess;
}

ErrorCode RegWriteString(RegKey key, const std::string& name, const std::string& value) {
    return fake::Registry().Write(key, name, fake::RegValue{RegValueType::String, value, 0});
}

ErrorCode RegWriteDword(RegKey key, const std::string& name, std::uint32_t value) {
    return fake::Registry().Write(key, name, fake::RegValue{RegValueType::Dword, "", value});
}

ErrorCode RegDeleteTree(RegRoot root, const std::string& path, std::uint32_t access) {
    return fake::Registry().DeleteTree(root, path, access);
}

void RegClose(RegKey key) { fake::Registry().Close(key); }

}  // namespace platform
