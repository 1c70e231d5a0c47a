#pragma once

#include <string>
#include <windows.h>

// A list with a field (a drop-down combo box) as it was when its list dropped down. Arrowing
// through the open list writes each item into the field; closing it without a pick puts back the
// item, the text and the caret it was opened with. A list that loses the focus says the same
// (CBN_SELENDCANCEL) though it was not open: then there is nothing to put back.
namespace winview {

class DroppedList {
public:
    // CBN_DROPDOWN: the list as it opens.
    void open(HWND list);
    // CBN_SELENDOK: an item picked, nothing to put back.
    void pick() { m_list = nullptr; }
    // CBN_SELENDCANCEL: the list as it was opened, if it was; `writing` counts the writes.
    void restore(HWND list, int &writing);

private:
    HWND m_list = nullptr; // the list open, if any
    int m_item = -1;
    std::wstring m_text;
    DWORD m_selection = 0; // the field's caret and selection
};

} // namespace winview
