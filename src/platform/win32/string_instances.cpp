// The program's own copies of the string classes' members. The runtime
// library carries them ready-made, but only whole: one call to any of them
// brings every member of that string class into the program, with its unwind
// tables (about 35 KB for each class). Made here, each member sits in a
// section of its own, and the linker keeps only the members in use.
//
// Linked into the programs as an object of its own, ahead of the runtime
// library, so that these copies are the ones the program's calls find.
#include <string>

template class std::basic_string<char>;
template class std::basic_string<wchar_t>;
