#include "ui/qt/qtchinese.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace vendrel::ui {

bool InstallQtChineseTranslation(QCoreApplication& application)
{
    auto translator = std::make_unique<QTranslator>();
    const QLocale chinese(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China);
    // Qt's own dates and sizes too (the file dialog's): our numbers never go through QLocale.
    QLocale::setDefault(chinese);
    if (!translator->load(
            chinese, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    translator->setParent(&application);
    return QCoreApplication::installTranslator(translator.release());
}

} // namespace vendrel::ui
