// GDI+ started for the lifetime of one object; the pictures it made must be gone before
// the object is. Kept in this header so that only programs that draw with GDI+ link it.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

namespace orv::win32 {

class GdiplusSession {
public:
    GdiplusSession()
    {
        Gdiplus::GdiplusStartupInput input;
        ok_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
    }
    ~GdiplusSession()
    {
        if (ok_)
            Gdiplus::GdiplusShutdown(token_);
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

    bool started() const { return ok_; }

private:
    ULONG_PTR token_ = 0;
    bool ok_ = false;
};

}  // namespace orv::win32
