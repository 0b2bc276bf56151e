// Linked without -static on purpose: the shape check must reject a program
// that needs the compiler's run-time DLLs.
#include <string>

int main(int argc, char** argv) { return static_cast<int>(std::string(argv[argc - 1]).size()); }
