// The program's own copies of the string members it calls. The runtime
// library carries them ready-made, but only as whole classes: one call to any
// member brings every member of that class into the program, with its unwind
// tables (about 35 KB for each class), and unwind tables keep the linker from
// dropping what is never called. Made here, only these are in the program.
//
// Linked into the programs as an object of its own, ahead of the runtime
// library, so that these copies are the ones the program's calls find. A
// member missing here is still found in the library: the list only saves
// bytes, it cannot break the link.
#include <string>

using S = std::string;
using W = std::wstring;

template void S::_M_dispose();
template S& S::_M_append(const char*, S::size_type);
template void S::_M_assign(const S&);
template void S::_M_construct(S::size_type, char);
template S::pointer S::_M_create(S::size_type&, S::size_type);
template S& S::_M_replace(S::size_type, S::size_type, const char*, const S::size_type);
template void S::_S_copy(char*, const char*, S::size_type);
template S& S::append(const char*);
template S& S::append(const char*, S::size_type);
template S& S::append(const S&);
template S::basic_string(const S&);
template S::basic_string(S&&);
template int S::compare(const char*) const;
template int S::compare(const S&) const;
template int S::compare(S::size_type, S::size_type, const char*) const;
template S::size_type S::find(const char*, S::size_type) const;
template S::size_type S::find(char, S::size_type) const;
template S::size_type S::find_first_of(const char*, S::size_type) const;
template S::size_type S::find_last_of(const char*, S::size_type) const;
template S::iterator S::insert(S::const_iterator, char);
template S& S::insert(S::size_type, const char*);
template S& S::insert(S::size_type, const S&);
template void S::pop_back();
template void S::push_back(char);
template void S::reserve(S::size_type);
template void S::resize(S::size_type);
template S::size_type S::rfind(char, S::size_type) const;
template S S::substr(S::size_type, S::size_type) const;
template void S::swap(S&);
template void W::_M_assign(const W&);
template void W::_M_construct(W::size_type, wchar_t);
template void W::_M_dispose();
template W::basic_string(W&&);
template W::const_iterator W::end() const;
template void W::resize(W::size_type);
template bool S::_M_disjunct(const char*) const;
template S::size_type S::find_last_of(const char*, S::size_type, S::size_type) const;
template S::size_type S::find_first_of(const char*, S::size_type, S::size_type) const;
template S::size_type S::find(const char*, S::size_type, S::size_type) const;
template S& S::_M_replace_aux(S::size_type, S::size_type, S::size_type, char);
template void S::resize(S::size_type, char);
template void S::_S_move(char*, const char*, S::size_type);
template S& S::replace(S::size_type, S::size_type, const char*, S::size_type);
template void S::_M_erase(S::size_type, S::size_type);
template void S::_M_mutate(S::size_type, S::size_type, const char*, S::size_type);
template void S::_S_assign(char*, S::size_type, char);
template S::basic_string(const S&, S::size_type, S::size_type);
template void W::_M_set_length(W::size_type);
template void W::resize(W::size_type, wchar_t);
template void W::_S_copy(wchar_t*, const wchar_t*, W::size_type);
template W::pointer W::_M_create(W::size_type&, W::size_type);
template void W::_S_assign(wchar_t*, W::size_type, wchar_t);
template W& W::_M_replace_aux(W::size_type, W::size_type, W::size_type, wchar_t);
template void W::_S_move(wchar_t*, const wchar_t*, W::size_type);
template void W::_M_mutate(W::size_type, W::size_type, const wchar_t*, W::size_type);

// One helper cannot be named above: a member template of the same name makes
// the instantiation ambiguous. The calls the compiler leaves to it elsewhere
// would still bring a whole library class in, so it is defined here under its
// linker name, mergeable as the library's own copy is, and doing what it does.
void CopyStringChars(char* to, const char* from, const char* end) __asm__(
    "__ZNSt7__cxx1112basic_stringIcSt11char_traitsIcESaIcEE13_S_copy_charsEPcPKcS7_");
__attribute__((used)) inline void CopyStringChars(char* to, const char* from, const char* end) {
    std::char_traits<char>::copy(to, from, static_cast<std::size_t>(end - from));
}
