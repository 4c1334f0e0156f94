#include "messages/language.h"
#include "ui/form/frictionapp.h"
#include "ui/qt/qtchinese.h"
#include "vendrel/version.h"

#include <QApplication>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char kUsage[] = R"(Usage: vendrel [--circuit [FILE] | --help | --version]

Opens the calculator for the friction loss of air-conditioning water pipes
(计算空调水管比摩阻). With --circuit, opens the hydraulic calculation of a
circuit (管路水力计算) instead, with FILE, a circuit file as vendrel-calc
--circuit reads it, if one is given. It needs a graphical desktop session; in
a terminal or a script use vendrel-calc (see 'vendrel-calc --help').
)";

using vendrel::messages::Message;
using vendrel::messages::MessageId;

// What is said on a terminal before there is a window, in the locale's language.
void Say(const Message& message)
{
    const vendrel::messages::Language language = vendrel::messages::LanguageOfLocale(
        std::getenv("LANGUAGE"), std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
    std::fprintf(stderr, "vendrel: %s\n", message.Text(language).c_str());
}

// Answers --help and --version without a window. Returns the exit status, or
// -1 to go on and open the dialog.
int AnswerWithoutWindow(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const bool help = std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0;
        if (!help && std::strcmp(argv[i], "--version") != 0)
            continue;
        if (help)
            std::fputs(kUsage, stdout);
        else
            std::printf("vendrel %s\n", VENDREL_VERSION);
        if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
            Say(Message(MessageId::CannotWriteOutput, {{"reason", std::strerror(errno)}}));
            return 1;
        }
        return 0;
    }
    return -1;
}

bool HaveDisplay()
{
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    // A platform chosen by hand (offscreen, vnc…) is Qt's to judge.
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

// Qt ends a program that finds no usable display with an abort and advice to
// reinstall it; say plainly what is missing instead, and exit with status 1.
void StartupMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
        return;
    }
    Say(Message(MessageId::DisplayUnusable));
    // Qt is half set up here: leave without running its destructors.
    std::fflush(nullptr);
    std::_Exit(1);
}

} // namespace

int main(int argc, char* argv[])
{
    if (const int status = AnswerWithoutWindow(argc, argv); status >= 0)
        return status;
    if (!HaveDisplay()) {
        Say(Message(MessageId::NoDisplay));
        return 1;
    }
    qInstallMessageHandler(StartupMessages);
    QApplication application(argc, argv);
    qInstallMessageHandler(nullptr);
    QApplication::setOrganizationName(QStringLiteral(VENDREL_PRODUCT_NAME)); // ~/.config/Vendrel/ for settings
    QApplication::setApplicationName(QStringLiteral(VENDREL_PRODUCT_NAME));
    QApplication::setApplicationVersion(QStringLiteral(VENDREL_VERSION));
    // The menu entry a window belongs to, for the desktop's task switcher.
    const bool circuit = QCoreApplication::arguments().contains(QStringLiteral("--circuit"));
    QApplication::setDesktopFileName(
        circuit ? QStringLiteral("org.vendrel.Vendrel.Circuit") : QStringLiteral("org.vendrel.Vendrel"));
    vendrel::ui::InstallQtChineseTranslation(application);
    vendrel::ui::theApp.InitInstance();
    return 0;
}
