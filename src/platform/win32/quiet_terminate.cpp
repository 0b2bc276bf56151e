// What an exception that nobody catches ends in. The runtime's own handler
// names the exception on the standard error stream, which a GUI program does
// not have, and brings a symbol demangler and a formatted-output engine into
// the program for it (about 50 KB). This one only ends the process, as the
// runtime's handler does after its message.
//
// Linked into the programs as an object of its own rather than from the
// platform library: the runtime asks for the handler only after the
// library's members have been chosen.
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {

void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
