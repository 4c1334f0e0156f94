#include "ui/qt/dialogfont.h"

#include "ui/form/frictionform.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

namespace vendrel::ui {
namespace {

// Song-style (Ming) faces, preferred in this order.
const char* const kSongFamilies[] = {
    "SimSun",
    "NSimSun",
    "AR PL UMing CN",
    "AR PL UMing TW",
    "Noto Serif CJK SC",
    "Source Han Serif SC",
    "AR PL SungtiL GB",
};

QString ChineseFamily()
{
    const QStringList installed = QFontDatabase::families();
    const QString preferred = QString::fromUtf8(form::FrictionForm().fontFamily);
    if (installed.contains(preferred, Qt::CaseInsensitive))
        return preferred;
    for (const char* family : kSongFamilies) {
        if (installed.contains(QLatin1String(family), Qt::CaseInsensitive))
            return QLatin1String(family);
    }
    const QStringList chinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
    return chinese.isEmpty() ? QString() : chinese.first();
}

} // namespace

QFont DialogFont()
{
    QFont font;
    const QString family = ChineseFamily();
    if (!family.isEmpty())
        font.setFamilies({family});
    font.setPointSize(form::FrictionForm().fontPointSize);
    return font;
}

form::DialogUnits DialogUnitsForFont(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int alphabet
        = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return form::DialogUnits((alphabet / 26 + 1) / 2, metrics.height());
}

} // namespace vendrel::ui
