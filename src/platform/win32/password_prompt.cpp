#include "platform/win32/password_prompt.h"

#include <vector>

#include "platform/win32/wide_text.h"

namespace orv::platform {

namespace {

constexpr WORD EditId = 100;
constexpr WORD ButtonClass = 0x0080, EditClass = 0x0081, StaticClass = 0x0082;

// Writes an in-memory dialog template (DLGTEMPLATE and DLGITEMTEMPLATE records).
class DialogTemplate {
public:
    DialogTemplate(const std::wstring& title, short width, short height, WORD items)
    {
        addDword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | DS_SHELLFONT);
        addDword(0);
        words_.push_back(items);
        addRect(0, 0, width, height);
        words_.push_back(0);  // no menu
        words_.push_back(0);  // the standard dialog class
        addText(title);
        words_.push_back(8);  // the shell's dialog font, 8 points
        addText(L"MS Shell Dlg");
    }

    void addItem(DWORD style, short x, short y, short width, short height, WORD id, WORD windowClass,
                 const std::wstring& text)
    {
        if (words_.size() % 2)
            words_.push_back(0);  // items start on a DWORD boundary
        addDword(style | WS_CHILD | WS_VISIBLE);
        addDword(0);
        addRect(x, y, width, height);
        words_.push_back(id);
        words_.push_back(0xFFFF);
        words_.push_back(windowClass);
        addText(text);
        words_.push_back(0);  // no creation data
    }

    LPCDLGTEMPLATEW get() const { return reinterpret_cast<LPCDLGTEMPLATEW>(words_.data()); }

private:
    void addDword(DWORD value)
    {
        words_.push_back(LOWORD(value));
        words_.push_back(HIWORD(value));
    }
    void addRect(short x, short y, short width, short height)
    {
        for (short v : {x, y, width, height})
            words_.push_back(static_cast<WORD>(v));
    }
    void addText(const std::wstring& text)
    {
        words_.insert(words_.end(), text.begin(), text.end());
        words_.push_back(0);
    }

    std::vector<WORD> words_;  // WORD elements keep the template WORD-aligned, as required
};

INT_PTR CALLBACK dialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        SetFocus(GetDlgItem(dialog, EditId));
        return FALSE;  // the focus is set
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            HWND edit = GetDlgItem(dialog, EditId);
            std::vector<wchar_t> buffer(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
            const int length = GetWindowTextW(edit, buffer.data(), static_cast<int>(buffer.size()));
            auto* result = reinterpret_cast<std::string*>(GetWindowLongPtrW(dialog, DWLP_USER));
            *result = narrow(std::wstring_view(buffer.data(), static_cast<std::size_t>(length)));
            SecureZeroMemory(buffer.data(), buffer.size() * sizeof(wchar_t));
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {  // the Cancel button, Escape and the close box
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace

std::optional<std::string> askPassword(HWND owner, const PasswordPrompt& prompt)
{
    // Sizes in dialog units.
    constexpr short Width = 232, Height = 78, Margin = 7, ButtonWidth = 50, ButtonHeight = 14;
    DialogTemplate layout(widen(prompt.title), Width, Height, 4);
    layout.addItem(SS_LEFT | SS_NOPREFIX, Margin, Margin, Width - 2 * Margin, 24, 0xFFFF, StaticClass,
                   widen(prompt.text));
    layout.addItem(WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | (prompt.masked ? ES_PASSWORD : 0), Margin, 35,
                   Width - 2 * Margin, 14, EditId, EditClass, L"");
    layout.addItem(WS_TABSTOP | BS_DEFPUSHBUTTON, Width - Margin - 2 * ButtonWidth - 4, Height - Margin - ButtonHeight,
                   ButtonWidth, ButtonHeight, IDOK, ButtonClass, widen(prompt.okCaption));
    layout.addItem(WS_TABSTOP | BS_PUSHBUTTON, Width - Margin - ButtonWidth, Height - Margin - ButtonHeight,
                   ButtonWidth, ButtonHeight, IDCANCEL, ButtonClass, widen(prompt.cancelCaption));

    std::string typed;
    const INT_PTR answer = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), layout.get(), owner, dialogProcedure,
                                                   reinterpret_cast<LPARAM>(&typed));
    if (answer != IDOK)
        return std::nullopt;
    return typed;
}

}  // namespace orv::platform
