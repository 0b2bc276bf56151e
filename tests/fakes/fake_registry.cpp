#include "fake_registry.h"

#include "fake_text_code_page.h"
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

std::string FakeRegistry::Follow(const std::string& path, bool finalToo, int depth) const {
    const std::string whole = WithoutTrailingBackslashes(path);
    std::string::size_type end = whole.find('\\');
    std::string real = whole.substr(0, end);  // the root
    while (end != std::string::npos) {
        const std::string::size_type next = whole.find('\\', end + 1);
        real += whole.substr(end, next == std::string::npos ? std::string::npos : next - end);
        end = next;
        const Key* key = At(real);
        const bool last = end == std::string::npos;
        if (key != nullptr && !key->linkTarget.empty() && (finalToo || !last) &&
            depth < kMaxLinks) {
            // The target is a path of its own, with links of its own on the way.
            real = Follow(key->linkTarget, true, depth + 1);
        }
    }
    return real;
}

const FakeRegistry::Key* FakeRegistry::At(const std::string& realPath) const {
    auto k = keys_.find(platform::FoldedName(WithoutTrailingBackslashes(realPath)));
    return k == keys_.end() ? nullptr : &k->second;
}

FakeRegistry::Key& FakeRegistry::Made(const std::string& realPath) {
    // Parents exist whenever a child does, as in the real registry.
    const std::string path = WithoutTrailingBackslashes(realPath);
    std::string::size_type pos = 0;
    while (true) {
        pos = path.find('\\', pos + 1);
        const std::string prefix = path.substr(0, pos);
        Key& k = keys_[platform::FoldedName(prefix)];
        if (k.displayPath.empty()) k.displayPath = prefix;
        if (pos == std::string::npos) return k;
    }
}

void FakeRegistry::EraseTree(const std::string& realPath) {
    const std::string top = platform::FoldedName(WithoutTrailingBackslashes(realPath));
    for (auto it = keys_.begin(); it != keys_.end();) {
        // A link below goes as the link key: its target lies elsewhere.
        const bool inside = it->first == top || it->first.rfind(top + "\\", 0) == 0;
        it = inside ? keys_.erase(it) : std::next(it);
    }
}

void FakeRegistry::CreateKey(const std::string& key) { Made(Follow(key, true)); }

bool FakeRegistry::KeyExists(const std::string& key) const {
    return At(Follow(key, true)) != nullptr;
}

const RegValue* FakeRegistry::Value(const std::string& key, const std::string& name) const {
    const Key* k = At(Follow(key, true));
    if (k == nullptr) return nullptr;
    auto v = k->values.find(platform::FoldedName(name));
    return v == k->values.end() ? nullptr : &v->second;
}

bool FakeRegistry::HasValue(const std::string& key, const std::string& name) const {
    return Value(key, name) != nullptr;
}

std::string FakeRegistry::String(const std::string& key, const std::string& name) const {
    const RegValue* v = Value(key, name);
    return v ? v->text : std::string();
}

std::vector<std::string> FakeRegistry::ValueNamesInOrder(const std::string& key) const {
    const Key* k = At(Follow(key, true));
    return k == nullptr ? std::vector<std::string>{} : k->order;
}

void FakeRegistry::MakeLink(const std::string& key, const std::string& target) {
    const std::string real = Follow(key, false);
    EraseTree(real);
    Made(real).linkTarget = WithoutTrailingBackslashes(target);
}

bool FakeRegistry::IsLink(const std::string& key) const {
    const Key* k = At(Follow(key, false));
    return k != nullptr && !k->linkTarget.empty();
}

FakeRegistry::Key& FakeRegistry::ForValues(const std::string& key) {
    return Made(Follow(key, true));
}

void FakeRegistry::SetString(const std::string& key, const std::string& name,
                             const std::string& value, RegValueType type) {
    Key& k = ForValues(key);
    if (!k.values.count(platform::FoldedName(name))) k.order.push_back(name);
    k.values[platform::FoldedName(name)] = RegValue{type, value, 0};
}

void FakeRegistry::SetUnicodeString(const std::string& key, const std::string& name,
                                    const std::string& utf8, RegValueType type) {
    SetString(key, name, utf8, type);
    ForValues(key).values[platform::FoldedName(name)].unicode = true;
}

void FakeRegistry::SetDword(const std::string& key, const std::string& name, std::uint32_t value) {
    Key& k = ForValues(key);
    if (!k.values.count(platform::FoldedName(name))) k.order.push_back(name);
    k.values[platform::FoldedName(name)] = RegValue{RegValueType::Dword, "", value};
}

void FakeRegistry::SetOther(const std::string& key, const std::string& name) {
    Key& k = ForValues(key);
    if (!k.values.count(platform::FoldedName(name))) k.order.push_back(name);
    k.values[platform::FoldedName(name)] = RegValue{RegValueType::Other, "", 0};
}

ErrorCode FakeRegistry::Open(RegRoot root, const std::string& path, std::uint32_t access,
                             bool create, RegKey* key) {
    *key = platform::kNoKey;
    const std::string real = Follow(Resolve(root, path, access), false);
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
    const Key* existing = At(real);
    if (existing != nullptr && !existing->linkTarget.empty()) {
        return platform::kErrorStoppedOnSymlink;
    }
    if (existing == nullptr) {
        if (!create) return platform::kErrorFileNotFound;
        Made(real);
    }
    *key = next_++;
    open_[*key] = OpenKey{real, access};
    return platform::kSuccess;
}

ErrorCode FakeRegistry::Query(RegKey key, const std::string& name, const RegValue** value) const {
    auto o = open_.find(key);
    if (o == open_.end()) return platform::kErrorInvalidHandle;
    *value = nullptr;
    if (const Key* k = At(o->second.path)) {
        auto v = k->values.find(platform::FoldedName(name));
        if (v != k->values.end()) *value = &v->second;
    }
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
    const std::string real = Follow(Resolve(root, path, access), false);
    const Key* existing = At(real);
    if (existing == nullptr) return platform::kErrorFileNotFound;
    if (root == RegRoot::LocalMachine && hklmReadOnly) return platform::kErrorAccessDenied;
    if (!existing->linkTarget.empty()) return platform::kErrorStoppedOnSymlink;
    EraseTree(real);
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

namespace {

bool IsString(const fake::RegValue& v) {
    return v.type == RegValueType::String || v.type == RegValueType::ExpandString;
}

// The value's text in the current text code page; false when it has no exact form there.
bool TextOf(const fake::RegValue& v, std::string* text) {
    if (!v.unicode) {
        *text = v.text;
        return true;
    }
    return fake::FromUnicodeExactly(v.text, text);
}

}  // namespace

ErrorCode RegQueryValueType(RegKey key, const std::string& name, RegValueType* type) {
    const fake::RegValue* v = nullptr;
    ErrorCode e = fake::Registry().Query(key, name, &v);
    if (e != kSuccess) return e;
    std::string text;
    if (IsString(*v) && !TextOf(*v, &text)) return kErrorNoUnicodeTranslation;
    *type = v->type;
    return kSuccess;
}

ErrorCode RegReadString(RegKey key, const std::string& name, std::string* value,
                        RegValueType* type) {
    const fake::RegValue* v = nullptr;
    ErrorCode e = fake::Registry().Query(key, name, &v);
    if (e != kSuccess) return e;
    if (!IsString(*v)) return kErrorInvalidData;
    if (!TextOf(*v, value)) return kErrorNoUnicodeTranslation;
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
