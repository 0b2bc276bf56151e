// What the screen shows: pictures of it, and which window has the foreground.
#include <windows.h>

#include <vector>

#include "context.h"
#include "text.h"
#include "window_query.h"

namespace nv {
namespace {

// Makes every missing folder on the way to the file.
void MakeParentFolders(const std::string& file) {
    for (size_t slash = file.find('\\', 3); slash != std::string::npos;
         slash = file.find('\\', slash + 1))
        CreateDirectoryA(file.substr(0, slash).c_str(), nullptr);
}

void WriteBmp(const std::string& path, int width, int height, const std::vector<char>& rows) {
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;  // bottom-up, as GetDIBits delivered them
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = DWORD(rows.size());
    BITMAPFILEHEADER header = {};
    header.bfType = 0x4D42;  // "BM"
    header.bfOffBits = sizeof header + sizeof info;
    header.bfSize = header.bfOffBits + DWORD(rows.size());

    MakeParentFolders(path);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw Failure("cannot create " + Quoted(path) + ", error " +
                      std::to_string(GetLastError()));
    DWORD written = 0;
    BOOL ok = WriteFile(file, &header, sizeof header, &written, nullptr) &&
              WriteFile(file, &info, sizeof info, &written, nullptr) &&
              WriteFile(file, rows.data(), DWORD(rows.size()), &written, nullptr);
    CloseHandle(file);
    if (!ok) throw Failure("cannot write " + Quoted(path));
}

// Asks a window to paint itself now: RDW_UPDATENOW sends the paint messages,
// so the window's owner has painted by the time this returns.
BOOL CALLBACK PaintNow(HWND window, LPARAM) {
    if (IsWindowVisible(window))
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return TRUE;
}

// screenshot FILE: the whole screen as a 24-bit BMP, every window painted first
void Screenshot(Context&, const Command& cmd) {
    cmd.ExpectArgs(1, 1);
    EnumWindows(PaintNow, 0);
    int width = GetSystemMetrics(SM_CXSCREEN);
    int height = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BOOL copied = BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    SelectObject(memory, previous);

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    size_t stride = (size_t(width) * 3 + 3) & ~size_t(3);
    std::vector<char> rows(stride * size_t(height));
    int lines =
        copied ? GetDIBits(memory, bitmap, 0, UINT(height), rows.data(), &info, DIB_RGB_COLORS) : 0;
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (lines != height)
        throw Failure("cannot copy the screen, error " + std::to_string(GetLastError()));
    WriteBmp(cmd.Arg(0), width, height, rows);
    Log("screenshot " + std::to_string(width) + "x" + std::to_string(height));
}

// expect_foreground ALIAS: the window, or one of its children, has the foreground
void ExpectForeground(Context& context, const Command& cmd) {
    cmd.ExpectArgs(1, 1);
    HWND window = context.Window(cmd.Arg(0));
    HWND foreground = GetForegroundWindow();
    if (foreground == nullptr) throw Failure("no window has the foreground");
    if (GetAncestor(foreground, GA_ROOT) != window)
        throw Failure("the foreground window is " + Describe(foreground));
}

}  // namespace

void AddScreenCommands(CommandTable& table) {
    table["screenshot"] = {Screenshot, "FILE (24-bit BMP of the whole screen)"};
    table["expect_foreground"] = {ExpectForeground, "ALIAS"};
}

}  // namespace nv
