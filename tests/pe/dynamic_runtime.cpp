// Linked without -static, importing the common controls and calling a
// function newer than Windows XP, on purpose: the shape check must reject all
// three.
#include <windows.h>

#include <commctrl.h>

#include <string>

int main(int argc, char** argv) {
    ::InitCommonControls();
    return static_cast<int>(std::string(argv[argc - 1]).size() + ::GetTickCount64());
}
