#include "calc/frictioncalc.h"
#include "tests/workedexamples.h"
#include "ui/form/entryaids.h"
#include "ui/form/frictionform.h"
#include "ui/qt/circuitwnd.h"
#include "ui/qt/dialogfont.h"
#include "ui/qt/frictiondlg.h"
#include "ui/qt/qtchinese.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <clocale>
#include <fstream>
#include <functional>
#include <memory>

namespace {

using namespace vendrel::form;
using vendrel::ui::CFrictionDlg;

QString Utf8(const char* text)
{
    return QString::fromUtf8(text);
}

const ControlId kEntries[] = {IDC_FLOW, IDC_DIAMETER, IDC_ROUGHNESS, IDC_VISCOSITY};
const ControlId kResults[]
    = {IDC_VELOCITY, IDC_REYNOLDS, IDC_LAMBDA, IDC_FRICTION_RATE, IDC_ROUGH_REYNOLDS, IDC_STATUS};

} // namespace

class FrictionDlgTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CFrictionDlg> m_dlg;
    QTemporaryDir m_userHome; // the user's own series and settings, for the tests only

    QLineEdit* field(ControlId id) const { return m_dlg->control(id); }
    QPushButton* button(const char* text) const
    {
        for (QPushButton* b : m_dlg->findChildren<QPushButton*>()) {
            if (b->text() == Utf8(text))
                return b;
        }
        return nullptr;
    }
    void type(ControlId id, const QString& text)
    {
        QLineEdit* edit = field(id);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; })) {
            QTest::keyClicks(edit, text);
            return;
        }
        // Chinese text arrives from an input method, composed, in one event.
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(edit, &commit);
    }
    void calculate(const QString& flow, const QString& diameter, const QString& roughness, const QString& viscosity)
    {
        type(IDC_FLOW, flow);
        type(IDC_DIAMETER, diameter);
        type(IDC_ROUGHNESS, roughness);
        type(IDC_VISCOSITY, viscosity);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    // Runs act on the next menu or modal window to open over the dialog,
    // from the event loop that window runs.
    void onNextWindow(std::function<void(QWidget*)> act)
    {
        auto* timer = new QTimer(m_dlg.get());
        connect(timer, &QTimer::timeout, m_dlg.get(), [this, timer, act] {
            QWidget* window = QApplication::activePopupWidget();
            if (window == nullptr)
                window = QApplication::activeModalWidget();
            if (window == nullptr || window == m_dlg.get())
                return;
            timer->deleteLater();
            timer->stop();
            act(window);
            // A window the action failed to close would hold the test in
            // its event loop: closed after a while, the test goes on to fail.
            QTimer::singleShot(3000, window, &QWidget::close);
        });
        timer->start(10);
    }
    // The entry's own aid: the item before the circuit window, which ends every menu.
    static QAction* aidOf(const QMenu& menu)
    {
        const QList<QAction*> actions = menu.actions();
        return actions.size() >= 3 ? actions[actions.size() - 3] : nullptr;
    }
    // Chooses the aid of an entry's menu, as a click on it would.
    std::unique_ptr<QMenu> chooseAid(ControlId entry)
    {
        std::unique_ptr<QMenu> menu = m_dlg->createEntryMenu(entry);
        aidOf(*menu)->trigger();
        return menu;
    }
    // Results as Calculate gives them, for inputs typed.
    static QString lambdaFor(const char* flow, const char* diameter, const char* roughness, const char* viscosity)
    {
        vendrel::FrictionFields fields;
        vendrel::SetInputs(fields, flow, diameter, roughness, viscosity);
        vendrel::Calculate(fields);
        return QString::fromStdString(fields.m_strLambda);
    }
    void writeUserFile(const QString& name, const char* text)
    {
        const QString path = m_userHome.filePath(QStringLiteral("data/vendrel/") + name);
        QDir().mkpath(QFileInfo(path).path());
        std::ofstream(path.toStdString(), std::ios::binary) << text;
    }
    QStringList texts(const ControlId* ids, int count) const
    {
        QStringList list;
        for (int i = 0; i < count; ++i)
            list << field(ids[i])->text();
        return list;
    }

private slots:
    void initTestCase()
    {
        // The user's series and settings in a folder of the test's own, a
        // series there: the size window offers it after the built-in ones.
        QVERIFY(m_userHome.isValid());
        qputenv("XDG_DATA_HOME", m_userHome.filePath(QStringLiteral("data")).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", m_userHome.filePath(QStringLiteral("config")).toLocal8Bit());
        QCoreApplication::setOrganizationName(QStringLiteral("Vendrel"));
        QCoreApplication::setApplicationName(QStringLiteral("Vendrel"));
        writeUserFile(QStringLiteral("series/institute.csv"),
            "标题,本院无缝钢管\n管材,steel-closed\n公称直径,外径,壁厚\nDN200,219.1,8.18\nDN250,273.0,9.27\n");
        QVERIFY(vendrel::ui::InstallQtChineseTranslation(*QCoreApplication::instance()));
        // A desktop's own font size must not change the dialog's 9 points.
        QFont desktop = QApplication::font();
        desktop.setPointSize(11);
        QApplication::setFont(desktop);
    }

    void init()
    {
        m_dlg = std::make_unique<CFrictionDlg>();
        m_dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dlg.get()));
        m_dlg->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
    }
    void cleanup() { m_dlg.reset(); }

    void opensWithDefaultsAndFocusOnFlow()
    {
        QCOMPARE(m_dlg->windowTitle(), Utf8("计算空调水管比摩阻(迭代)"));
        QCOMPARE(field(IDC_ROUGHNESS)->text(), QStringLiteral("0.2"));
        QCOMPARE(field(IDC_VISCOSITY)->text(), QStringLiteral("1.306"));
        QCOMPARE(field(IDC_FLOW)->text(), QString());
        QCOMPARE(field(IDC_DIAMETER)->text(), QString());
        for (ControlId id : kResults)
            QCOMPARE(field(id)->text(), QString());
        QCOMPARE(QApplication::focusWidget(), field(IDC_FLOW));
        QVERIFY(m_dlg->windowIcon().availableSizes().contains(QSize(256, 256)));
        QVERIFY(button("计算")->isDefault());
    }

    void tabVisitsEntriesThenButtons()
    {
        const QList<QWidget*> expected = {field(IDC_DIAMETER), field(IDC_ROUGHNESS), field(IDC_VISCOSITY),
            button("计算"), button("退出"), field(IDC_FLOW)};
        for (QWidget* next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        for (ControlId id : kResults)
            QVERIFY2(!field(id)->isEnabled(), "results are disabled, so Tab passes over them");
    }

    void enterFillsTheResults_data()
    {
        QTest::addColumn<QStringList>("inputs");  // W, D, K, ν as typed
        QTest::addColumn<QStringList>("results"); // V, Re, λ, Rf, Re*, status
        for (const vendrel::examples::Example& e : vendrel::examples::kWorkedExamples) {
            QTest::newRow(e.name) << QStringList{Utf8(e.in.flow), Utf8(e.in.diameter), Utf8(e.in.roughness),
                Utf8(e.in.viscosity)}
                                  << QStringList{Utf8(e.out.velocity), Utf8(e.out.reynolds), Utf8(e.out.lambda),
                                         Utf8(e.out.frictionRate), Utf8(e.out.roughReynolds), Utf8(e.out.status)};
        }
    }
    void enterFillsTheResults()
    {
        QFETCH(QStringList, inputs);
        QFETCH(QStringList, results);
        calculate(inputs[0], inputs[1], inputs[2], inputs[3]);
        QCOMPARE(texts(kResults, 6), results);
        QVERIFY(m_dlg->isVisible());
    }

    void invalidInputChangesOnlyReynolds()
    {
        calculate(QStringLiteral("10"), QStringLiteral("50"), QStringLiteral("0.2"), QStringLiteral("1.306"));
        const QStringList before = texts(kResults, 6);
        type(IDC_DIAMETER, QStringLiteral("abc"));
        QTest::mouseClick(button("计算"), Qt::LeftButton);
        QStringList expected = before;
        expected[1] = Utf8("数据有误");
        QCOMPARE(texts(kResults, 6), expected);
        QCOMPARE(field(IDC_DIAMETER)->text(), QStringLiteral("abc"));
    }

    void entriesAreNeverReformatted()
    {
        calculate(QStringLiteral(" 1e1"), QStringLiteral("50mm"), QStringLiteral("0.20"), QStringLiteral("1.3060"));
        QCOMPARE(texts(kEntries, 4), (QStringList{" 1e1", "50mm", "0.20", "1.3060"}));
        QCOMPARE(field(IDC_VELOCITY)->text(), QStringLiteral("1.414711"));
        // The cursor stays where the user left it, and the undo history too.
        QLineEdit* viscosity = field(IDC_VISCOSITY);
        viscosity->setCursorPosition(2);
        QTest::keyClick(viscosity, Qt::Key_Return);
        QCOMPARE(viscosity->cursorPosition(), 2);
        QVERIFY(viscosity->isUndoAvailable());
    }

    // A bore typed in metres (0.1 for 100 mm) makes results wider than their
    // fields; they must show their leading digits, whatever the alignment.
    void longResultsShowTheirLeadingDigits_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        QTest::newRow("velocity, right-aligned") << int(IDC_VELOCITY) << "3536776.517195";
        QTest::newRow("friction loss, left-aligned") << int(IDC_FRICTION_RATE) << "834255829104572672.000000";
        QTest::newRow("Re*, right-aligned") << int(IDC_ROUGH_REYNOLDS) << "69258731.916408";
    }
    void longResultsShowTheirLeadingDigits()
    {
        QFETCH(int, id);
        QFETCH(QString, text);
        calculate(QStringLiteral("100"), QStringLiteral("0.1"), QStringLiteral("0.2"), QStringLiteral("1.306"));
        QLineEdit* result = field(ControlId(id));
        QCOMPARE(result->text(), text);
        QVERIFY(result->fontMetrics().horizontalAdvance(text) > result->contentsRect().width());
        // Painted (a line edit scrolls while it paints), the line shows its
        // start: the cursor, at the first character, is at the left edge.
        result->grab();
        QCOMPARE(result->cursorPosition(), 0);
        QVERIFY(result->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() < result->width() / 4);
    }

    // The circuit window opens from an entry's menu beside the calculator,
    // which leaves it open, and its work, when it closes.
    void circuitWindowOutlivesTheCalculator()
    {
        const std::unique_ptr<QMenu> menu = m_dlg->createEntryMenu(IDC_FLOW);
        for (QAction* action : menu->actions()) {
            if (action->text() == Utf8("管路水力计算…"))
                action->trigger();
        }
        QCoreApplication::processEvents(); // the menu's action is queued
        QVERIFY(m_dlg->circuitWindow() != nullptr && m_dlg->circuitWindow()->isVisible());
        m_dlg->reject();
        QVERIFY(m_dlg->circuitWindow()->isVisible());
        m_dlg->circuitWindow()->close();
    }

    // The right-click menu of an entry speaks Chinese like the rest of the
    // dialog, whatever the user's locale.
    void contextMenuIsChinese()
    {
        const std::unique_ptr<QMenu> menu(field(IDC_FLOW)->createStandardContextMenu());
        const auto chinese = [](const QString& text) {
            return std::any_of(
                text.begin(), text.end(), [](QChar c) { return c >= QChar(0x4E00) && c <= QChar(0x9FFF); });
        };
        int named = 0;
        for (const QAction* action : menu->actions()) {
            if (action->isSeparator())
                continue;
            QVERIFY2(chinese(action->text()), qPrintable(action->text()));
            ++named;
        }
        QVERIFY(named >= 6);
    }

    // Each entry's menu opens by the mouse, the Menu key or Shift+F10 and
    // has the entry's own aid after the editing commands, then the circuit
    // window.
    void entryMenusEndWithTheirAid_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("key"); // 0 for the mouse
        QTest::addColumn<QString>("last");
        QTest::newRow("flow, mouse") << int(IDC_FLOW) << 0 << Utf8("全选");
        QTest::newRow("viscosity, Menu key") << int(IDC_VISCOSITY) << int(Qt::Key_Menu) << Utf8("按介质和温度计算…");
        QTest::newRow("roughness, Shift+F10") << int(IDC_ROUGHNESS) << int(Qt::Key_F10) << Utf8("按管材选取");
        QTest::newRow("diameter, mouse") << int(IDC_DIAMETER) << 0 << Utf8("选择标准管径…");
    }
    void entryMenusEndWithTheirAid()
    {
        QFETCH(int, entry);
        QFETCH(int, key);
        QFETCH(QString, last);
        QLineEdit* edit = field(ControlId(entry));
        edit->setFocus();
        QString shown;
        onNextWindow([&shown](QWidget* window) {
            if (auto* menu = qobject_cast<QMenu*>(window);
                menu && menu->actions().constLast()->text() == Utf8("管路水力计算…"))
                shown = aidOf(*menu)->text();
            window->close();
        });
        if (key == 0) {
            QContextMenuEvent click(
                QContextMenuEvent::Mouse, edit->rect().center(), edit->mapToGlobal(edit->rect().center()));
            QApplication::sendEvent(edit, &click);
        } else {
            QTest::keyClick(edit, Qt::Key(key), key == Qt::Key_F10 ? Qt::ShiftModifier : Qt::NoModifier);
        }
        QVERIFY2(shown.startsWith(last), qPrintable(shown));
    }

    // A material writes its K and calculates, once there is a flow and a
    // bore to calculate with.
    void materialWritesTheRoughness_data()
    {
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QString>("lambda");
        QTest::newRow("flow and bore typed") << QStringLiteral("50") << lambdaFor("10", "50", "0.15", "1.306");
        QTest::newRow("no bore yet") << QString() << QString();
    }
    void materialWritesTheRoughness()
    {
        QFETCH(QString, diameter);
        QFETCH(QString, lambda);
        type(IDC_FLOW, QStringLiteral("10"));
        type(IDC_DIAMETER, diameter);
        const std::unique_ptr<QMenu> menu = m_dlg->createEntryMenu(IDC_ROUGHNESS);
        QMenu* materials = aidOf(*menu)->menu();
        QVERIFY(materials != nullptr);
        QCOMPARE(materials->actions().size(), 9);
        for (QAction* material : materials->actions()) {
            if (material->text().startsWith(Utf8("镀锌钢管")))
                material->trigger();
        }
        QCOMPARE(field(IDC_ROUGHNESS)->text(), QStringLiteral("0.15"));
        QCOMPARE(field(IDC_LAMBDA)->text(), lambda);
        field(IDC_ROUGHNESS)->undo(); // as typed text can be
        QCOMPARE(field(IDC_ROUGHNESS)->text(), QStringLiteral("0.2"));
    }

    // The fluid prompt's entry its label names.
    static QLineEdit* entryOf(QWidget* prompt, const char* label)
    {
        for (QLineEdit* entry : prompt->findChildren<QLineEdit*>()) {
            if (entry->accessibleName() == Utf8(label))
                return entry;
        }
        return nullptr;
    }

    // "按介质和温度计算…" writes the viscosity of water or a brine at the
    // temperature typed and shows its density, specific heat and freezing
    // point as they are typed; texts it cannot use are explained and change
    // nothing, and water leaves the concentration disabled.
    void fluidWritesTheViscosity_data()
    {
        QTest::addColumn<int>("fluid");
        QTest::addColumn<QString>("concentration");
        QTest::addColumn<QString>("celsius");
        QTest::addColumn<QString>("viscosity");
        QTest::addColumn<QString>("shown"); // the start of what the prompt shows of the fluid
        QTest::newRow("chilled water") << 0 << QString() << QStringLiteral("7") << QStringLiteral("1.427")
                                       << Utf8("运动粘滞系数 1.427×10^-6 m^2/s，密度 999.9 kg/m³\n比热 4.2");
        QTest::newRow("heating water") << 0 << QString() << QStringLiteral("60") << QStringLiteral("0.474")
                                       << Utf8("运动粘滞系数 0.474");
        QTest::newRow("full-width") << 0 << QString() << Utf8("１０") << QStringLiteral("1.306")
                                    << Utf8("运动粘滞系数 1.306");
        QTest::newRow("steam") << 0 << QString() << QStringLiteral("101") << QString() << Utf8("水温须在 0～100 °C");
        QTest::newRow("not a number") << 0 << QString() << QStringLiteral("7C") << QString() << Utf8("水温须在");
        QTest::newRow("ethylene glycol") << 1 << QStringLiteral("30") << QStringLiteral("-5") << QStringLiteral("5.022")
                                         << Utf8("运动粘滞系数 5.022×10^-6 m^2/s，密度 1046.3 kg/m³\n比热 3.6");
        QTest::newRow("near freezing") << 1 << QStringLiteral("30") << QStringLiteral("-13") << QStringLiteral("7.105")
                                       << Utf8("密度 1048.1 kg/m³\n比热 3.618 kJ/(kg·K)，冰点 -14.6 ℃\n"
                                               "乙二醇水溶液 30%（质量）的冰点为 -14.6 °C，比 “-13” °C 低不足 3 K");
        QTest::newRow("frozen") << 2 << QStringLiteral("30") << QStringLiteral("-15") << QString()
                                << Utf8(
                                       "“-15” °C 不在 -12.8～100 °C 范围内：丙二醇水溶液 30%（质量）的冰点为 -12.8 °C");
        QTest::newRow("no concentration")
            << 2 << QString() << QStringLiteral("5") << QString() << Utf8("乙二醇或丙二醇的质量浓度须在 0～60% 之间");
    }
    void fluidWritesTheViscosity()
    {
        QFETCH(int, fluid);
        QFETCH(QString, concentration);
        QFETCH(QString, celsius);
        QFETCH(QString, viscosity);
        QFETCH(QString, shown);
        type(IDC_FLOW, QStringLiteral("10"));
        type(IDC_DIAMETER, QStringLiteral("50"));
        type(IDC_VISCOSITY, QStringLiteral("1.5"));
        bool warned = false;
        QString properties;
        bool concentrationEnabled = true;
        onNextWindow([&](QWidget* prompt) {
            QLineEdit* temperature = entryOf(prompt, kTemperaturePrompt);
            QLineEdit* share = entryOf(prompt, kConcentrationPrompt);
            QVERIFY(temperature != nullptr && share != nullptr);
            QCOMPARE(temperature->text(), QStringLiteral("10"));
            prompt->findChild<QComboBox*>()->setCurrentIndex(fluid);
            share->setText(concentration);
            temperature->setText(celsius);
            concentrationEnabled = share->isEnabled();
            for (const QLabel* label : prompt->findChildren<QLabel*>())
                properties += label->text();
            onNextWindow([&warned, prompt](QWidget* box) {
                warned = prompt->isVisible(); // the prompt stays open under its message
                qobject_cast<QDialog*>(box)->accept();
                QTimer::singleShot(0, prompt, &QWidget::close);
            });
            QTest::keyClick(temperature, Qt::Key_Return);
        });
        const std::unique_ptr<QMenu> menu = chooseAid(IDC_VISCOSITY);
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr && (warned || !viscosity.isEmpty()));
        QTRY_COMPARE(field(IDC_VISCOSITY)->text(), viscosity.isEmpty() ? QStringLiteral("1.5") : viscosity);
        QCOMPARE(warned, viscosity.isEmpty());
        QVERIFY2(properties.contains(shown), qPrintable(properties));
        QCOMPARE(concentrationEnabled, fluid != 0);
        // The fluid written is the fluid calculated with; none, nothing calculated.
        QCOMPARE(field(IDC_LAMBDA)->text(),
            viscosity.isEmpty() ? QString() : lambdaFor("10", "50", "0.2", viscosity.toUtf8().constData()));
    }

    // "选择标准管径…" after flow 10: the smallest size within 300 Pa/m is
    // selected; Enter or a double click writes its bore and calculates, with
    // the digits the list showed; Esc changes nothing.
    // Writes the viscosity of a fluid (of kFluidChoices) at a temperature through "按介质和温度计算…".
    void applyTemperature(const QString& celsius, int fluid = 0)
    {
        onNextWindow([celsius, fluid](QWidget* prompt) {
            prompt->findChild<QComboBox*>()->setCurrentIndex(fluid);
            QLineEdit* entry = entryOf(prompt, kTemperaturePrompt);
            entry->setText(celsius);
            QTest::keyClick(entry, Qt::Key_Return);
        });
        const std::unique_ptr<QMenu> menu = chooseAid(IDC_VISCOSITY);
        QTRY_VERIFY(field(IDC_VISCOSITY)->text() != QStringLiteral("1.306"));
    }

    // "选择标准管径…" after flow 10: the smallest size within 300 Pa/m is
    // selected; Enter or a double click writes its bore and calculates, with
    // the digits the list showed; Esc changes nothing. Another series lists
    // its own sizes, and the water is that of the last temperature given.
    void standardSizeWritesTheBore_data()
    {
        QTest::addColumn<QString>("celsius"); // given first, or "", then a viscosity typed after ","
        QTest::addColumn<int>("series");
        QTest::addColumn<QString>("choose"); // the size to double-click, or ""
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("water");
        QTest::addColumn<QString>("recommended");
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QString>("velocity");
        const QString cold = Utf8("水温 10 ℃，密度 999.7 kg/m³");
        QTest::newRow("Enter") << QString() << 0 << QString() << int(Qt::Key_Return) << cold << QStringLiteral("DN65")
                               << QStringLiteral("62.68") << QStringLiteral("0.900222");
        QTest::newRow("double-click") << QString() << 0 << QStringLiteral("DN80") << 0 << cold << QStringLiteral("DN65")
                                      << QStringLiteral("77.92") << QStringLiteral("0.582519");
        QTest::newRow("Esc") << QString() << 0 << QString() << int(Qt::Key_Escape) << cold << QStringLiteral("DN65")
                             << QString() << QString();
        QTest::newRow("GB/T 3091") << QString() << 1 << QString() << int(Qt::Key_Return) << cold
                                   << QStringLiteral("DN65") << QStringLiteral("68.1") << QStringLiteral("0.762629");
        QTest::newRow("water at 60 °C") << QStringLiteral("60") << 0 << QString() << int(Qt::Key_Escape)
                                        << Utf8("水温 60 ℃，密度 983.2 kg/m³") << QStringLiteral("DN65") << QString()
                                        << QString();
        // A brine (after "@", its fluid) is named with its own density.
        QTest::newRow("glycol at -5 °C") << QStringLiteral("-5@1") << 0 << QString() << int(Qt::Key_Escape)
                                         << Utf8("乙二醇水溶液 30%（质量） -5 ℃，密度 1046.3 kg/m³")
                                         << QStringLiteral("DN65") << QString() << QString();
        // A viscosity typed over the temperature's: its water is not known.
        QTest::newRow("viscosity typed") << QStringLiteral("60,0.5") << 0 << QString() << int(Qt::Key_Escape)
                                         << Utf8("密度按 10 ℃ 水取 999.7 kg/m³") << QStringLiteral("DN65") << QString()
                                         << QString();
    }
    void standardSizeWritesTheBore()
    {
        QFETCH(QString, celsius);
        QFETCH(int, series);
        QFETCH(QString, choose);
        QFETCH(int, key);
        QFETCH(QString, water);
        QFETCH(QString, recommended);
        QFETCH(QString, diameter);
        QFETCH(QString, velocity);
        if (!celsius.isEmpty())
            applyTemperature(celsius.section(QLatin1Char(','), 0, 0).section(QLatin1Char('@'), 0, 0),
                celsius.section(QLatin1Char('@'), 1, 1).toInt());
        if (celsius.contains(QLatin1Char(',')))
            type(IDC_VISCOSITY, celsius.section(QLatin1Char(','), 1));
        type(IDC_FLOW, QStringLiteral("10"));
        bool opened = false;
        QString selected;
        QString listed;
        QString inputs;
        onNextWindow([&](QWidget* window) {
            opened = true;
            window->findChild<QComboBox*>()->setCurrentIndex(series);
            auto* list = window->findChild<QTreeWidget*>();
            QCOMPARE(list->columnCount(), 6);
            // Rf in mm of the fluid's own column.
            QCOMPARE(list->headerItem()->text(3),
                water.contains(Utf8("溶液")) ? Utf8("比摩阻(mm液柱/m)") : Utf8("比摩阻(mm水柱/m)"));
            for (const QLabel* label : window->findChildren<QLabel*>())
                inputs += label->text();
            if (list->currentItem() == nullptr) {
                window->close(); // nothing recommended: fails below
                return;
            }
            selected = list->currentItem()->text(0);
            if (key != 0) {
                listed = list->currentItem()->text(2);
                QTest::keyClick(list, Qt::Key(key));
                return;
            }
            const QList<QTreeWidgetItem*> found = list->findItems(choose, Qt::MatchExactly);
            listed = found.first()->text(2);
            const QPoint at = list->visualItemRect(found.first()).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        });
        const std::unique_ptr<QMenu> menu = chooseAid(IDC_DIAMETER);
        QTRY_VERIFY(opened && QApplication::activeModalWidget() == nullptr);
        QCOMPARE(selected, recommended);
        QVERIFY2(inputs.contains(water), qPrintable(inputs));
        QCOMPARE(field(IDC_DIAMETER)->text(), diameter);
        QCOMPARE(field(IDC_VELOCITY)->text(), velocity);
        if (!velocity.isEmpty())
            QCOMPARE(listed, velocity);
    }

    // The size window: the user's own series after the built-in ones, the
    // series last chosen first, the series' material named, and where K is
    // no K of its pipes, that material's K a click or Alt+K away; rows as
    // tall as their Chinese text needs.
    void sizeWindowKnowsTheSeriesMaterial()
    {
        type(IDC_FLOW, QStringLiteral("10"));
        QStringList notes;
        bool offered = false;
        QString written;
        const auto openSizes = [&](std::function<void(QWidget*)> act) {
            bool opened = false;
            onNextWindow([&opened, act](QWidget* window) {
                opened = true;
                act(window);
            });
            const std::unique_ptr<QMenu> menu = chooseAid(IDC_DIAMETER);
            QTRY_VERIFY(opened && QApplication::activeModalWidget() == nullptr);
        };
        openSizes([&](QWidget* window) {
            auto* series = window->findChild<QComboBox*>();
            QCOMPARE(series->count(), 5);
            QCOMPARE(series->itemText(4), Utf8("本院无缝钢管"));
            series->setCurrentIndex(2); // copper, sized at the K typed, 0.2
            for (const QLabel* label : window->findChildren<QLabel*>())
                notes << label->text();
            QPushButton* useK = nullptr;
            for (QPushButton* b : window->findChildren<QPushButton*>()) {
                if (b->text().startsWith(Utf8("改用 K=0.0015")))
                    useK = b;
            }
            offered = useK != nullptr && useK->isVisible();
            if (useK != nullptr) {
                // A mnemonic only fires in the application's active window,
                // which on a busy machine follows the X server's focus late.
                window->activateWindow();
                QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), window, 20000);
                QTest::keyClick(window, Qt::Key_K, Qt::AltModifier);
                QTRY_VERIFY(!useK->isVisible()); // K is now copper's (a mnemonic clicks after a moment)
            }
            written = field(IDC_ROUGHNESS)->text();
            auto* list = window->findChild<QTreeWidget*>();
            const QRect row = list->visualItemRect(list->topLevelItem(0));
            QVERIFY2(row.height() >= list->fontMetrics().height() * 5 / 4, qPrintable(QString::number(row.height())));
            QTest::keyClick(list, Qt::Key_Escape);
        });
        QVERIFY2(notes.join(QLatin1Char('|'))
                     .contains(Utf8("此系列管材：铜管（拉制管），K 0.0015 mm；列表按计算器中的 K 0.2 mm")),
            qPrintable(notes.join(QLatin1Char('|'))));
        QVERIFY(offered);
        QCOMPARE(written, QStringLiteral("0.0015"));
        QVERIFY(field(IDC_ROUGHNESS)->isUndoAvailable());
        int reopened = -1;
        openSizes([&](QWidget* window) {
            reopened = window->findChild<QComboBox*>()->currentIndex();
            window->close();
        });
        QCOMPARE(reopened, 2);
        QSettings().setValue(QStringLiteral("series"), QString()); // the next tests open on the first
    }

    // Where the calculator fails at the rough boundary, the size window takes
    // Colebrook–White's λ, marks it and says so: open cooling water, 32 °C.
    void sizeWindowMarksColebrookWhite()
    {
        type(IDC_FLOW, QStringLiteral("115"));
        type(IDC_ROUGHNESS, QStringLiteral("0.5"));
        type(IDC_VISCOSITY, QStringLiteral("0.768"));
        QString zone;
        QString recommended;
        QString notes;
        onNextWindow([&](QWidget* window) {
            window->findChild<QComboBox*>()->setCurrentIndex(1); // GB/T 3091
            auto* list = window->findChild<QTreeWidget*>();
            recommended = list->currentItem()->text(0);
            zone = list->currentItem()->text(5);
            for (const QLabel* label : window->findChildren<QLabel*>())
                notes += label->text();
            window->close();
        });
        const std::unique_ptr<QMenu> menu = chooseAid(IDC_DIAMETER);
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr && !zone.isEmpty());
        QCOMPARE(recommended, QStringLiteral("DN150"));
        QCOMPARE(zone, Utf8("过渡区*"));
        QVERIFY2(notes.contains(Utf8("* 计算器对此显示迭代失败；λ 按 Colebrook–White 公式")), qPrintable(notes));
        QSettings().setValue(QStringLiteral("series"), QString());
    }

    // A file of the user's that cannot be taken is named when the dialog opens.
    void brokenUserFilesAreNamed()
    {
        writeUserFile(QStringLiteral("series/broken.csv"), "标题,坏\n公称直径,内径\nA,x\n");
        QString message;
        auto dlg = std::make_unique<CFrictionDlg>();
        onNextWindow([&message](QWidget* box) {
            message = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
            qobject_cast<QDialog*>(box)->accept();
        });
        dlg->show();
        QTRY_VERIFY(!message.isEmpty());
        QFile::remove(m_userHome.filePath(QStringLiteral("data/vendrel/series/broken.csv")));
        QVERIFY2(message.contains(Utf8("broken.csv，第 3 行第 2 列：内径：“x”不是数字")), qPrintable(message));
        QVERIFY2(message.startsWith(Utf8("以下自定义管道系列或管材文件未能载入")), qPrintable(message));
    }

    // Without a usable flow, roughness and viscosity there is nothing to
    // size: a message naming the entry, no list.
    void standardSizeNeedsTheInputs_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("named");
        QTest::newRow("no flow") << int(IDC_FLOW) << QString() << Utf8("水流量");
        QTest::newRow("zero roughness") << int(IDC_ROUGHNESS) << QStringLiteral("0") << Utf8("绝对粗糙度");
        QTest::newRow("viscosity not a number") << int(IDC_VISCOSITY) << QStringLiteral("x") << Utf8("运动粘滞系数");
    }
    void standardSizeNeedsTheInputs()
    {
        QFETCH(int, entry);
        QFETCH(QString, text);
        QFETCH(QString, named);
        type(IDC_FLOW, QStringLiteral("10"));
        type(ControlId(entry), text);
        QString message;
        onNextWindow([&message](QWidget* box) {
            message = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
            qobject_cast<QDialog*>(box)->accept();
        });
        const std::unique_ptr<QMenu> menu = chooseAid(IDC_DIAMETER);
        QTRY_VERIFY(!message.isEmpty() && QApplication::activeModalWidget() == nullptr);
        QVERIFY2(message.contains(named), qPrintable(message));
    }

    void enterOnExitCloses()
    {
        button("退出")->setFocus();
        QTest::keyClick(button("退出"), Qt::Key_Return);
        QVERIFY(!m_dlg->isVisible());
        QCOMPARE(m_dlg->result(), int(QDialog::Rejected));
    }

    void enterOnCalculateCalculates()
    {
        type(IDC_FLOW, QStringLiteral("10"));
        type(IDC_DIAMETER, QStringLiteral("50"));
        button("计算")->setFocus();
        QTest::keyClick(button("计算"), Qt::Key_Return);
        QVERIFY(m_dlg->isVisible());
        QCOMPARE(field(IDC_REYNOLDS)->text(), QStringLiteral("54161"));
    }

    void escapeCloses()
    {
        QTest::keyClick(field(IDC_FLOW), Qt::Key_Escape);
        QVERIFY(!m_dlg->isVisible());
        QCOMPARE(m_dlg->result(), int(QDialog::Rejected));
    }

    void closeBoxCloses()
    {
        QVERIFY(m_dlg->close());
        QVERIFY(!m_dlg->isVisible());
    }

    // Every control sits where the form puts it, in the dialog font's units,
    // with the form's text, and each entry's label is its buddy.
    void geometryFollowsTheForm()
    {
        const Form& form = FrictionForm();
        const DialogUnits units = vendrel::ui::DialogUnitsForFont(m_dlg->font());
        QCOMPARE(m_dlg->size(), QSize(units.ToPixelsX(form.width), units.ToPixelsY(form.height)));
        for (int i = 0; i < form.controlCount; ++i) {
            const Control& c = form.controls[i];
            QWidget* widget = m_dlg->widgetAt(i);
            QCOMPARE(widget->geometry(), vendrel::ui::ToQRect(units.ToPixels(c.rect)));
            QVERIFY(m_dlg->rect().contains(widget->geometry()));
            const auto* label = qobject_cast<QLabel*>(widget);
            const auto* push = qobject_cast<QPushButton*>(widget);
            if (c.text != nullptr)
                QCOMPARE(label != nullptr ? label->text() : push->text(), Utf8(c.text));
            if (c.labelFor != ID_LABEL)
                QCOMPARE(label->buddy(), field(c.labelFor));
        }
        for (QLabel* label : m_dlg->findChildren<QLabel*>())
            QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
        for (ControlId id : {IDC_VELOCITY, IDC_REYNOLDS, IDC_ROUGH_REYNOLDS})
            QVERIFY(field(id)->alignment() & Qt::AlignRight);
        QVERIFY(!field(IDC_STATUS)->hasFrame());
    }

    // The classic Song face at 9 points on a 96 DPI screen: 6 × 12 pixel units.
    void dialogUnitsConvertLikeWindows_data()
    {
        QTest::addColumn<QRect>("units");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("flow entry") << QRect(131, 13, 52, 15) << QRect(197, 20, 78, 23);
        QTest::newRow("calculate button") << QRect(23, 272, 50, 14) << QRect(35, 408, 75, 21);
        QTest::newRow("status line") << QRect(23, 247, 160, 14) << QRect(35, 371, 240, 21);
        QTest::newRow("Re* label, one unit right") << QRect(24, 221, 108, 14) << QRect(36, 332, 162, 21);
    }
    void dialogUnitsConvertLikeWindows()
    {
        QFETCH(QRect, units);
        QFETCH(QRect, pixels);
        const DialogUnits song(6, 12);
        QCOMPARE(vendrel::ui::ToQRect(song.ToPixels({units.x(), units.y(), units.width(), units.height()})), pixels);
        QCOMPARE(QSize(song.ToPixelsX(202), song.ToPixelsY(293)), QSize(303, 440));
    }

    void labelsUseAChineseFont()
    {
        const QFontMetrics metrics(m_dlg->font());
        for (QLabel* label : m_dlg->findChildren<QLabel*>()) {
            for (const QChar c : label->text())
                QVERIFY2(metrics.inFont(c), qPrintable(label->text()));
        }
        QCOMPARE(m_dlg->font().pointSize(), 9);
        // A Song (Ming) face, like the classic 宋体: the test machine has AR PL
        // UMing (scripts/install-deps.sh) where SimSun is missing.
        const QString family = QFontInfo(m_dlg->font()).family();
        QVERIFY2(family.contains(QStringLiteral("SimSun")) || family.startsWith(QStringLiteral("AR PL UMing")),
            qPrintable(family));
    }

    // Under a comma-decimal locale (the test also runs with LC_ALL=de_DE.UTF-8)
    // a typed "0.2" is still 0.2 and results still use ".".
    void resultsDoNotDependOnTheLocale()
    {
        if (qEnvironmentVariableIsSet("VENDREL_EXPECT_COMMA_LOCALE"))
            QCOMPARE(std::localeconv()->decimal_point, ",");
        calculate(QStringLiteral("10"), QStringLiteral("50"), QStringLiteral("0.2"), QStringLiteral("1.306"));
        QCOMPARE(field(IDC_LAMBDA)->text(), QStringLiteral("0.030320"));
        QCOMPARE(field(IDC_FRICTION_RATE)->text(), QStringLiteral("61.875887"));
    }

    // Random typing and clicking: nothing crashes and a calculation never
    // rewrites what the user typed.
    void monkey()
    {
        QRandomGenerator random(20261208);
        const QList<int> keys = {Qt::Key_0, Qt::Key_1, Qt::Key_5, Qt::Key_9, Qt::Key_Period, Qt::Key_Comma,
            Qt::Key_Minus, Qt::Key_E, Qt::Key_A, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Return,
            Qt::Key_Enter, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Home, Qt::Key_End, Qt::Key_Escape};
        QSignalSpy calculations(button("计算"), &QPushButton::clicked);
        for (int i = 0; i < 10000; ++i) {
            if (!m_dlg->isVisible()) {
                m_dlg->show();
                QVERIFY(QTest::qWaitForWindowExposed(m_dlg.get()));
            }
            const QStringList entries = texts(kEntries, 4);
            const auto calculated = calculations.count();
            if (random.bounded(4) == 0) {
                const QPoint at(random.bounded(m_dlg->width()), random.bounded(m_dlg->height()));
                QWidget* target = m_dlg->childAt(at);
                if (target == nullptr)
                    target = m_dlg.get();
                QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(m_dlg.get(), at));
            } else {
                QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : m_dlg.get();
                QTest::keyClick(target, Qt::Key(keys[int(random.bounded(keys.size()))]));
            }
            if (calculations.count() != calculated)
                QCOMPARE(texts(kEntries, 4), entries);
        }
        QVERIFY2(calculations.count() > 100, "the monkey hardly ever calculated");
        QVERIFY2(field(IDC_REYNOLDS)->text() != QString(), "no calculation reached the results");
    }
};

QTEST_MAIN(FrictionDlgTest)
#include "frictiondlg_test.moc"
