#include "companions/win32/support/message_box.h"

#include "platform/win32/wide_text.h"

namespace orv::win32 {

int messageBox(HWND owner, const std::string& text, const std::string& title, UINT style)
{
    return MessageBoxW(owner, platform::widen(text).c_str(), platform::widen(title).c_str(), style);
}

}  // namespace orv::win32
