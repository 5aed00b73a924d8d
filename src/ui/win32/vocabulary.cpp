// The toolkit's own names for keys, hit-test answers, system commands and message boxes,
// translated to and from Win32's numbers: nothing above this folder knows the latter.
#include "ui/win32/win32_internal.h"

namespace win32ui {

namespace {

struct KeyPair {
    TKey key;
    WORD virtualKey;
};

constexpr KeyPair kKeys[] = {
    {TKey::Back, VK_BACK},     {TKey::Tab, VK_TAB},         {TKey::Return, VK_RETURN},
    {TKey::Shift, VK_SHIFT},   {TKey::Control, VK_CONTROL}, {TKey::Alt, VK_MENU},
    {TKey::Escape, VK_ESCAPE}, {TKey::PageUp, VK_PRIOR},    {TKey::PageDown, VK_NEXT},
    {TKey::End, VK_END},       {TKey::Home, VK_HOME},       {TKey::Left, VK_LEFT},
    {TKey::Up, VK_UP},         {TKey::Right, VK_RIGHT},     {TKey::Down, VK_DOWN},
    {TKey::Delete, VK_DELETE},
};

}  // namespace

TKey KeyOf(WPARAM virtualKey)
{
    // Space, digits and letters: Win32 numbers them as their upper-case characters too.
    if (virtualKey == VK_SPACE || (virtualKey >= '0' && virtualKey <= '9') ||
        (virtualKey >= 'A' && virtualKey <= 'Z'))
        return static_cast<TKey>(virtualKey);
    if (virtualKey >= VK_F1 && virtualKey <= VK_F12)
        return static_cast<TKey>(static_cast<unsigned>(TKey::F1) + (virtualKey - VK_F1));
    for (const KeyPair& pair : kKeys)
        if (pair.virtualKey == virtualKey)
            return pair.key;
    return TKey::None;
}

int VirtualKeyOf(TKey key)
{
    const auto code = static_cast<unsigned>(key);
    if (code < 0x100)
        return static_cast<int>(code);
    if (key >= TKey::F1 && key <= TKey::F12)
        return VK_F1 + static_cast<int>(code - static_cast<unsigned>(TKey::F1));
    for (const KeyPair& pair : kKeys)
        if (pair.key == key)
            return pair.virtualKey;
    return 0;
}

LRESULT HitTestCode(THitTest hit)
{
    switch (hit) {
    case THitTest::Nowhere:
        return HTNOWHERE;
    case THitTest::Caption:
        return HTCAPTION;
    case THitTest::Client:
        break;
    }
    return HTCLIENT;
}

std::optional<TSysCommand> SysCommandOf(UINT msg, WPARAM wParam)
{
    if (msg == WM_CLOSE)
        return TSysCommand::Close;
    if (msg != WM_SYSCOMMAND)
        return std::nullopt;
    // The low four bits are the system's own.
    switch (wParam & 0xFFF0) {
    case SC_MINIMIZE:
        return TSysCommand::Minimize;
    case SC_RESTORE:
        return TSysCommand::Restore;
    default:
        return std::nullopt;
    }
}

UINT MessageBoxStyle(TMsgBoxButtons buttons, TMsgBoxIcon icon)
{
    UINT style = buttons == TMsgBoxButtons::OkCancel ? MB_OKCANCEL
                 : buttons == TMsgBoxButtons::YesNo  ? MB_YESNO
                                                     : MB_OK;
    switch (icon) {
    case TMsgBoxIcon::Error:
        return style | MB_ICONERROR;
    case TMsgBoxIcon::Warning:
        return style | MB_ICONWARNING;
    case TMsgBoxIcon::Information:
        return style | MB_ICONINFORMATION;
    case TMsgBoxIcon::None:
        break;
    }
    return style;
}

TMsgBoxResult MessageBoxResult(int answer)
{
    switch (answer) {
    case IDCANCEL:
        return TMsgBoxResult::Cancel;
    case IDYES:
        return TMsgBoxResult::Yes;
    case IDNO:
        return TMsgBoxResult::No;
    default:
        return TMsgBoxResult::Ok;
    }
}

}  // namespace win32ui
