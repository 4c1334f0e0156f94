#pragma once

#include "book/bookpages.h"

#include <windows.h>

#include <string>
#include <vector>

namespace vendrel::ui {

// Asks for a printer with the common print dialog and prints the calculation
// book's pages on it with GDI, as the PDF lays them out, each page in its
// own orientation. False with why where printing failed; true where it was
// done or the user cancelled.
bool PrintBookPages(HWND owner, const std::vector<book::BookPage>& pages, const std::string& title, std::string& error);

} // namespace vendrel::ui
