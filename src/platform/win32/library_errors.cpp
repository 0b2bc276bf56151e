// How the standard library's containers and strings raise their errors in
// the shipped programs. The library calls these helpers (declared in its
// <bits/functexcept.h> for exactly this purpose) instead of throwing itself;
// its own definitions throw std::length_error and its relatives, whose text
// lives in a second, reference-counted string class, and bring that class,
// the library's prebuilt std::string and a formatted-output engine into the
// program: about 80 KB of setup.exe for errors that only report a fault of
// the program. These throw an exception that carries the library's text, and
// the program's frame reports it as it reports any other.
//
// Only the helpers the programs' code calls are here. Should a later library
// call another one, the link pulls in the library's own file of them and
// stops with a duplicate definition, so nothing is missed silently.
#include <exception>
#include <new>

namespace {

class LibraryError : public std::exception {
  public:
    explicit LibraryError(const char* text) : text_(text) {}
    const char* what() const noexcept override { return text_; }

  private:
    const char* text_;
};

}  // namespace

namespace std {

void __throw_bad_alloc() { throw bad_alloc(); }

void __throw_bad_array_new_length() { throw bad_array_new_length(); }

void __throw_length_error(const char* text) { throw LibraryError(text); }

void __throw_logic_error(const char* text) { throw LibraryError(text); }

// The text is a format with the position and the size in it; the format
// alone says which operation went wrong.
void __throw_out_of_range_fmt(const char* format, ...) { throw LibraryError(format); }

}  // namespace std
