#include "widget_painting.h"

#include <string>

namespace platform {
namespace win32 {

namespace {

void PaintLabel(HDC dc, const NativeWidget& w, RECT rc) {
    std::string text = WindowText(w.hwnd);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc,
                   ::GetSysColor(::IsWindowEnabled(w.hwnd) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    UINT format = DT_NOPREFIX | (w.centred ? DT_CENTER : DT_LEFT);
    format |= w.wordWrap ? DT_WORDBREAK : DT_SINGLELINE;
    if (w.centred && w.wordWrap) {
        // DT_VCENTER works on single lines only: centre the wrapped block by hand.
        RECT measured = rc;
        ::DrawTextA(dc, text.c_str(), -1, &measured, format | DT_CALCRECT);
        int spare = (rc.bottom - rc.top) - (measured.bottom - measured.top);
        if (spare > 0) rc.top += spare / 2;
    } else if (w.centred) {
        format |= DT_VCENTER;
    }
    ::DrawTextA(dc, text.c_str(), -1, &rc, format);
}

void PaintGroupBox(HDC dc, const NativeWidget& w, RECT rc) {
    std::string text = WindowText(w.hwnd);
    SIZE extent = {0, 0};
    ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    RECT frame = rc;
    frame.top += extent.cy / 2;
    ::DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (text.empty()) return;
    RECT caption = {8, 0, 8 + extent.cx + 4, extent.cy};
    ::FillRect(dc, &caption, ::GetSysColorBrush(COLOR_BTNFACE));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc,
                   ::GetSysColor(::IsWindowEnabled(w.hwnd) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    ::TextOutA(dc, 10, 0, text.c_str(), static_cast<int>(text.size()));
}

void PaintPicture(HDC dc, const NativeWidget& w) {
    if (w.picture == nullptr) return;
    BITMAP bm;
    ::GetObjectA(w.picture, sizeof(bm), &bm);
    HDC source = ::CreateCompatibleDC(dc);
    HGDIOBJ old = ::SelectObject(source, w.picture);
    ::BitBlt(dc, 0, 0, bm.bmWidth, bm.bmHeight, source, 0, 0, SRCCOPY);
    ::SelectObject(source, old);
    ::DeleteDC(source);
}

}  // namespace

void PaintWidget(NativeWidget& w) {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(w.hwnd, &ps);
    RECT rc;
    ::GetClientRect(w.hwnd, &rc);
    ::FillRect(dc, &rc, ::GetSysColorBrush(COLOR_BTNFACE));
    HGDIOBJ oldFont = w.font ? ::SelectObject(dc, w.font) : nullptr;
    if (!w.isForm) {
        switch (w.kind) {
            case WidgetKind::Label:
                PaintLabel(dc, w, rc);
                break;
            case WidgetKind::GroupBox:
                PaintGroupBox(dc, w, rc);
                break;
            case WidgetKind::Panel:
                ::DrawEdge(dc, &rc, BDR_RAISEDINNER, BF_RECT);
                break;
            case WidgetKind::Picture:
                PaintPicture(dc, w);
                break;
            default:
                break;
        }
    }
    if (oldFont) ::SelectObject(dc, oldFont);
    ::EndPaint(w.hwnd, &ps);
}

}  // namespace win32
}  // namespace platform
