#include "ui/dialogfont.h"

#include "ui/dialogtemplate.h"

#include <QFontDatabase>
#include <QStringList>

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
    const QString preferred = QString::fromUtf8(FrictionDialogTemplate().fontFamily);
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
    font.setPointSize(FrictionDialogTemplate().fontPointSize);
    return font;
}
