// Linked without -static and calling a function newer than Windows XP, on
// purpose: the shape check must reject both.
#include <windows.h>

#include <string>

int main(int argc, char** argv) {
    return static_cast<int>(std::string(argv[argc - 1]).size() + ::GetTickCount64());
}
