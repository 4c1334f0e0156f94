#pragma once

#include "book/bookpages.h"

#include <windows.h>

#include <string>
#include <vector>

namespace vendrel::ui {

// The book's print preview, as Windows has none of its own: a page at a
// time, fitted to the window, with 上一页, 下一页, 打印… (the print dialog)
// and 关闭; Page Up, Page Down and Esc do the same. Returns when it is closed.
void ShowBookPreview(HWND owner, const std::vector<book::BookPage>& pages, const std::string& title);

} // namespace vendrel::ui
