#include "app/win32/dropped_list.h"

#include "app/win32/system.h"

namespace winview {

void DroppedList::open(HWND list)
{
    m_list = list;
    m_item = int(SendMessageW(list, CB_GETCURSEL, 0, 0));
    m_text = textOf(list);
    m_selection = DWORD(SendMessageW(list, CB_GETEDITSEL, 0, 0));
}

void DroppedList::restore(HWND list, int &writing)
{
    if (list == nullptr || list != m_list)
        return;
    m_list = nullptr;
    if (SendMessageW(list, CB_GETCURSEL, 0, 0) == m_item && textOf(list) == m_text)
        return;
    const Writing written(writing);
    SendMessageW(list, CB_SETCURSEL, WPARAM(m_item), 0);
    if (textOf(list) != m_text)
        SetWindowTextW(list, m_text.c_str());
    SendMessageW(list, CB_SETEDITSEL, 0, LPARAM(m_selection));
}

} // namespace winview
