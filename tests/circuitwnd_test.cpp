#include "ui/qt/circuitwnd.h"
#include "ui/qt/qtchinese.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QApplication>
#include <QBrush>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QScreen>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>

#include <memory>

namespace {

using vendrel::form::CircuitColumn;
using vendrel::form::CircuitCommand;
using vendrel::ui::CCircuitWnd;

QString Utf8(const char* text)
{
    return QString::fromUtf8(text);
}

int Column(CircuitColumn column)
{
    return static_cast<int>(column);
}

// Two terminals in parallel from one main: typed as a user types them.
const char* const kTyped[][7] = {
    // 管段, 起点, 终点, 流量, 长度, 公称直径, 设备阻力
    {"G1", "P", "N1", "20", "10", "DN65", "0"},
    {"T1", "N1", "Q", "12", "8", "DN50", "30"},
    {"T2", "N1", "Q", "", "14", "DN40", "20"},
};
const CircuitColumn kTypedColumns[] = {CircuitColumn::Section, CircuitColumn::From, CircuitColumn::To,
    CircuitColumn::Flow, CircuitColumn::Length, CircuitColumn::Nominal, CircuitColumn::Device};

} // namespace

class CircuitWndTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CCircuitWnd> m_wnd;
    QTemporaryDir m_userHome;

    QTableView* table() const { return m_wnd->table(); }
    QAbstractItemModel* model() const { return table()->model(); }
    QString cell(int row, int column) const { return model()->index(row, column).data().toString(); }
    int result(CircuitColumn column) const
    {
        return Column(column) + m_wnd->document().ColumnCount() - vendrel::form::kCircuitColumnCount;
    }
    // Types into a cell as a user does: moves there, types (which starts the
    // editor), and presses Enter.
    void type(int row, int column, const QString& text)
    {
        table()->setCurrentIndex(model()->index(row, column));
        table()->setFocus();
        if (text.isEmpty()) {
            QTest::keyClick(table(), Qt::Key_F2);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
        } else {
            QTest::keyClicks(table(), text.left(1));
            QTest::keyClicks(QApplication::focusWidget(), text.mid(1));
        }
        enter();
    }
    // Enter in an editor: the delegate takes the text on the next turn of the event loop.
    static void enter()
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_userHome.isValid());
        qputenv("XDG_DATA_HOME", m_userHome.filePath(QStringLiteral("data")).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", m_userHome.filePath(QStringLiteral("config")).toLocal8Bit());
        vendrel::ui::InstallQtChineseTranslation(*QCoreApplication::instance());
    }
    void init()
    {
        m_wnd = std::make_unique<CCircuitWnd>();
        m_wnd->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_wnd.get()));
    }
    void cleanup()
    {
        m_wnd->document().New(); // nothing to ask about
        m_wnd.reset();
    }

    // The example opened: its index circuit highlighted, the unbalanced path red, the head shown.
    void opensTheExample()
    {
        QVERIFY(m_wnd->openFile(QStringLiteral(VENDREL_EXAMPLES "/circuit.csv")));
        QCOMPARE(m_wnd->windowTitle(), Utf8("管路水力计算 - circuit.csv"));
        QVERIFY(
            m_wnd->summary()->text().endsWith(Utf8("水泵扬程：177.93 kPa（18.15 m 水柱），含 10% 余量；水泵流量：100 "
                                                   "m³/h；1 个管段须调节平衡（节流比例超过 15%）")));
        QAbstractItemModel* paths = m_wnd->paths()->model();
        QCOMPARE(paths->rowCount(), 4);
        QCOMPARE(paths->index(3, 0).data().toString(), QStringLiteral("G1 T1 R0"));
        // A path by its own part, with where it leaves the index circuit and rejoins it.
        QCOMPARE(paths->index(1, 0).data().toString() + paths->index(1, 1).data().toString()
                + paths->index(1, 2).data().toString(),
            Utf8("G1 … T3 … R0N3M3"));
        QCOMPARE(paths->index(3, 0).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(0xc0, 0, 0));
        QVERIFY(!paths->index(1, 0).data(Qt::ForegroundRole).isValid());
        QVERIFY(model()->index(0, 0).data(Qt::BackgroundRole).isValid());  // G1, on the index circuit
        QVERIFY(!model()->index(4, 0).data(Qt::BackgroundRole).isValid()); // T1, not
        // T1 must throttle 23.18 kPa, red as its path; T2 7.20 kPa, within the limit.
        QCOMPARE(cell(4, result(CircuitColumn::Excess)), QStringLiteral("23.18"));
        QCOMPARE(model()->index(4, result(CircuitColumn::Orifice)).data(Qt::ForegroundRole).value<QBrush>().color(),
            QColor(0xc0, 0, 0));
        QCOMPARE(cell(5, result(CircuitColumn::Excess)), QStringLiteral("7.20"));
        QVERIFY(!model()->index(5, result(CircuitColumn::Excess)).data(Qt::ForegroundRole).isValid());

        // A click on a heading sorts the paths, a second the other way; Ctrl+C
        // in the path table copies it as shown.
        QHeaderView* headings = m_wnd->paths()->horizontalHeader();
        const auto column = [&](int c) {
            QStringList texts;
            for (int row = 0; row < paths->rowCount(); ++row)
                texts << paths->index(row, c).data().toString();
            return texts.join(QLatin1Char(' '));
        };
        const std::pair<int, const char*> clicks[] = {{4, " 8.3 11.0 25.1"}, {4, "25.1 11.0 8.3 "},
            {3, "138.58 153.24 154.56 161.76"}, {3, "161.76 154.56 153.24 138.58"}};
        for (const auto& [section, shown] : clicks) {
            QTest::mouseClick(headings->viewport(), Qt::LeftButton, {},
                QPoint(headings->sectionViewportPosition(section) + 5, headings->height() / 2));
            QCOMPARE(column(section), QString::fromUtf8(shown));
        }
        m_wnd->paths()->setFocus();
        m_wnd->paths()->clearSelection();
        QTest::keyClick(m_wnd->paths(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text().section(QStringLiteral("\r\n"), 0, 1),
            Utf8("环路\t分流点\t汇流点\t总阻力(kPa)\t不平衡率(%)\t\r\nG1 S1 S2 S3 T4 R3 R2 R1 "
                 "R0\t\t\t161.76\t\t最不利环路"));
    }

    // A circuit typed in, saved, and calculated by vendrel-calc from that file: the same figures.
    void typedCircuitSavedGivesTheCommandLinesFigures()
    {
        for (int row = 0; row < 3; ++row) {
            for (int c = 0; c < 7; ++c) {
                if (*kTyped[row][c] != '\0')
                    type(row, Column(kTypedColumns[c]), Utf8(kTyped[row][c]));
            }
        }
        QCOMPARE(model()->rowCount(), 4); // and the row to type the next into
        QCOMPARE(cell(2, Column(CircuitColumn::Flow)), QStringLiteral("8"));
        QVERIFY(model()->index(2, Column(CircuitColumn::Flow)).data(Qt::FontRole).value<QFont>().italic());
        QVERIFY(m_wnd->windowTitle().endsWith(QLatin1Char('*')));

        QTemporaryDir folder;
        const QString path = folder.filePath(Utf8("两个末端.csv"));
        QVERIFY(m_wnd->saveFile(path));
        QVERIFY(!m_wnd->windowTitle().endsWith(QLatin1Char('*')));
        QProcess calc;
        calc.start(QStringLiteral(VENDREL_CALC_EXE),
            {QStringLiteral("--circuit"), path, QStringLiteral("--format"), QStringLiteral("csv")});
        QVERIFY(calc.waitForFinished(10000));
        const QStringList lines = QString::fromUtf8(calc.readAllStandardOutput()).split(QLatin1Char('\n'));
        QVERIFY2(lines.size() > 3, qPrintable(calc.readAllStandardError()));
        const QStringList header = lines[0].split(QLatin1Char(','));
        const auto at = [&](const char* name) { return header.indexOf(QLatin1String(name)); };
        for (int row = 0; row < 3; ++row) {
            const QStringList fields = lines[row + 1].split(QLatin1Char(','));
            QCOMPARE(cell(row, result(CircuitColumn::Velocity)), fields[at("velocity")]);
            QCOMPARE(cell(row, result(CircuitColumn::TotalLoss)), fields[at("total_loss")]);
            QCOMPARE(cell(row, result(CircuitColumn::OnIndex)) == Utf8("是"), fields[at("on_index")] == u"yes");
        }
        calc.start(QStringLiteral(VENDREL_CALC_EXE), {QStringLiteral("--circuit"), path});
        QVERIFY(calc.waitForFinished(10000));
        const QString text = QString::fromUtf8(calc.readAllStandardOutput());
        const QString head = m_wnd->summary()->text().section(Utf8("；"), 1);
        QVERIFY2(!head.isEmpty() && text.contains(head), qPrintable(head + QLatin1Char('\n') + text));
    }

    // Rows copied from a spreadsheet, under Chinese headings in an order of their own, become sections.
    void pastedSpreadsheetRowsAreCalculated()
    {
        QApplication::clipboard()->setText(Utf8("管段\t长度(m)\t起点\t终点\t流量(m³/h)\t内径\n"
                                                "A\t10\tP\tN\t15\t65\n"
                                                "B\t20\tN\tQ\t15\t50\n"));
        table()->setCurrentIndex(model()->index(0, 0));
        QTest::keyClick(table(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(m_wnd->document().RowCount(), 2);
        QCOMPARE(cell(1, Column(CircuitColumn::Diameter)), QStringLiteral("50"));
        QVERIFY2(m_wnd->summary()->text().startsWith(Utf8("最不利环路：A B（P → Q）")),
            qPrintable(m_wnd->summary()->text()));

        // And the results go back out, with their headings.
        table()->clearSelection();
        m_wnd->action(CircuitCommand::Copy)->trigger();
        const QStringList copied = QApplication::clipboard()->text().split(QStringLiteral("\r\n"));
        QVERIFY(copied[0].startsWith(Utf8("管段\t起点\t终点\t流量(m³/h)")));
        QCOMPARE(copied[2].section(QLatin1Char('\t'), 0, 0), QStringLiteral("B"));
        QCOMPARE(copied[2].section(QLatin1Char('\t'), result(CircuitColumn::Velocity), result(CircuitColumn::Velocity)),
            cell(1, result(CircuitColumn::Velocity)));
    }

    // Closing with unsaved work asks first: 取消 keeps the window, 不保存 lets it go.
    // Its size, its columns and the file opened are there the next time.
    void asksBeforeLosingWorkAndRemembersItsLayout()
    {
        QVERIFY(m_wnd->openFile(QStringLiteral(VENDREL_EXAMPLES "/circuit.csv")));
        type(0, Column(CircuitColumn::Length), QStringLiteral("20"));
        const std::pair<const char*, bool> answers[] = {{"取消", true}, {"不保存(&N)", false}};
        QSize closed;
        for (const auto& [answer, staysOpen] : answers) {
            QTimer::singleShot(0, this, [answer = answer] {
                for (QAbstractButton* button : QApplication::activeModalWidget()->findChildren<QAbstractButton*>()) {
                    if (button->text() == Utf8(answer))
                        button->click();
                }
            });
            m_wnd->resize(700, 500);
            m_wnd->table()->setColumnWidth(0, 77);
            closed = m_wnd->size();
            m_wnd->close();
            QCOMPARE(m_wnd->isVisible(), staysOpen);
        }
        m_wnd = std::make_unique<CCircuitWnd>();
        QCOMPARE(m_wnd->size(), closed.boundedTo(QGuiApplication::primaryScreen()->availableSize()));
        QCOMPARE(m_wnd->table()->columnWidth(0), 77);
        const QList<QAction*> recent = m_wnd->findChild<QMenu*>()->actions();
        QVERIFY(std::any_of(recent.begin(), recent.end(), [](const QAction* action) {
            return action->menu() && !action->menu()->actions().isEmpty()
                && action->menu()->actions()[0]->text().endsWith(QStringLiteral("/circuit.csv"));
        }));
    }

    // Insert, Delete, Ctrl+Z and Ctrl+Y on the table; F2 edits what is there; a cell
    // that cannot be read says why and the rest still calculates.
    void editsLikeASpreadsheet()
    {
        QVERIFY(m_wnd->openFile(QStringLiteral(VENDREL_EXAMPLES "/circuit.csv")));
        table()->setCurrentIndex(model()->index(4, 0));
        QTest::keyClick(table(), Qt::Key_Insert);
        QCOMPARE(m_wnd->document().RowCount(), 13);
        QCOMPARE(cell(4, 0), QString());
        QTest::keyClick(table(), Qt::Key_Delete);
        QCOMPARE(cell(4, 0), QStringLiteral("T1"));
        table()->setCurrentIndex(model()->index(4, 0));
        table()->selectRow(4);
        QTest::keyClick(table(), Qt::Key_Delete);
        QCOMPARE(cell(4, 0), QStringLiteral("T2"));
        QVERIFY(m_wnd->summary()->text().isEmpty()); // N1 no longer balances
        QTest::keyClick(table(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(cell(4, 0), QStringLiteral("T1"));
        QVERIFY(!m_wnd->summary()->text().isEmpty());

        table()->setCurrentIndex(model()->index(4, Column(CircuitColumn::Device)));
        table()->setFocus();
        QTest::keyClick(table(), Qt::Key_F2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("5"));
        enter();
        QCOMPARE(cell(4, Column(CircuitColumn::Device)), QStringLiteral("65"));
        QCOMPARE(table()->currentIndex().row(), 5); // Enter went down a row
        QCOMPARE(m_wnd->paths()->model()->index(3, vendrel::form::kPathImbalanceColumn).data().toString(),
            QStringLiteral("19.7"));

        type(5, Column(CircuitColumn::Length), QStringLiteral("x"));
        const QModelIndex bad = model()->index(5, Column(CircuitColumn::Length));
        QCOMPARE(bad.data(Qt::ToolTipRole).toString(), Utf8("“x”不是数字"));
        QVERIFY(bad.data(Qt::BackgroundRole).isValid());
        QCOMPARE(cell(4, result(CircuitColumn::Velocity)), QStringLiteral("1.456296"));
        QTest::keyClick(table(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(table(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(cell(5, Column(CircuitColumn::Length)), QStringLiteral("x"));
    }
};

QTEST_MAIN(CircuitWndTest)
#include "circuitwnd_test.moc"
