#pragma once

class QCoreApplication;

namespace vendrel::ui {

// The dialog is always Chinese, so Qt's own texts in it (an entry's context
// menu: undo, cut, copy, paste…) must be too, whatever the user's locale.
// Installs Qt's Simplified-Chinese translation, and makes Chinese Qt's
// locale for the dates and sizes it shows; false when the translation is
// not there.
bool InstallQtChineseTranslation(QCoreApplication& application);

} // namespace vendrel::ui
