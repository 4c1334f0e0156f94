#pragma once

#include "files/circuitreader.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The circuit window as both front ends show it: the columns of its table,
// the settings above it, its commands and every text it shows. A front end
// renders these and forwards edits to CircuitDocument.
namespace vendrel::form {

// A column of the table: the circuit file's own, typed, then the results.
enum class CircuitColumn {
    Section,
    From,
    To,
    Flow,
    Load,
    Length,
    Nominal,
    Diameter,
    Fittings,
    Zeta,
    Device,
    Remark,
    Velocity,
    FrictionRate,
    PascalsPerMetre,
    Zone,
    FrictionLoss,
    ZetaTotal,
    LocalLoss,
    DeviceLoss,
    ValveLoss,
    TotalLoss,
    OnIndex,
    Excess,
    BalanceLevel,
    KvRequired,
    Orifice,
};
inline constexpr int kCircuitColumnCount = 27;
inline constexpr int kTypedColumnCount = 12; // Section to Remark

struct CircuitColumnInfo {
    CircuitColumn column;
    const char* title; // also the heading it is saved and copied under
    int width;         // in average characters of the window's font
    bool alignRight;
};
const std::array<CircuitColumnInfo, kCircuitColumnCount>& CircuitColumns();

// A setting above the table: its label and its entry's width in average
// characters. Series and Material are drop-down lists, the rest entries.
struct CircuitSettingInfo {
    files::CircuitSettingKey key;
    const char* label;
    int width;
    int line; // of three: the series, material and fluid; the roughness and water; the limits
};
const std::array<CircuitSettingInfo, files::kCircuitSettingCount>& CircuitSettings();

// The window's commands, in its menus' order, with their keys.
enum class CircuitCommand {
    New,
    Open,
    Save,
    SaveAs,
    ExportWorkbook,
    ExportBook,
    Print,
    Close,
    Undo,
    Redo,
    Copy,
    Paste,
    InsertRow,
    DeleteRows,
    SelectAll,
};
inline constexpr int kCircuitCommandCount = 15;

struct CircuitCommandInfo {
    CircuitCommand command;
    int menu;             // 0 文件, 1 编辑
    const char* text;     // with its access key: "打开(&O)…"
    const char* shortcut; // as the menu shows it: "Ctrl+O"; "" for none
    bool separatorBefore;
};
const std::array<CircuitCommandInfo, kCircuitCommandCount>& CircuitCommands();
inline constexpr std::array<const char*, 2> kCircuitMenus = {"文件(&F)", "编辑(&E)"};
inline constexpr char kRecentFilesMenu[] = "最近打开的文件(&R)";
inline constexpr int kMaxRecentFiles = 8;

// Where the calculator opens the circuit window: its entries' menus, and on
// Windows its system menu.
inline constexpr char kOpenCircuitItem[] = "管路水力计算…";

inline constexpr char kCircuitCaption[] = "管路水力计算";
inline constexpr char kUntitled[] = "未命名";
inline constexpr char kPathsTitle[] = "环路";
// A path by its own part, where it leaves the index circuit and rejoins it, its figures and its note.
inline constexpr std::array<const char*, 6> kPathColumns
    = {"环路", "分流点", "汇流点", "总阻力(kPa)", "不平衡率(%)", ""};
inline constexpr int kPathTotalColumn = 3;
inline constexpr int kPathImbalanceColumn = 4;
inline constexpr char kCustomRoughnessItem[] = "（按粗糙度）";
inline constexpr char kMarkedCellsNote[] = "灰色斜体：按节点流量平衡或负荷推算的流量、按限值选定的管径";
inline constexpr char kFileFilter[] = "管路文件 (*.csv);;所有文件 (*)";
inline constexpr char kOpenCaption[] = "打开管路";
inline constexpr char kSaveCaption[] = "保存管路";
inline constexpr char kWorkbookFilter[] = "Excel 工作簿 (*.xlsx)";
inline constexpr char kWorkbookCaption[] = "导出 Excel 工作簿";
inline constexpr char kBookFilter[] = "PDF 文件 (*.pdf)";
inline constexpr char kBookCaption[] = "导出计算书(PDF)";
inline constexpr char kPrintCaption[] = "打印计算书";
// The print preview's buttons, where the platform has no preview of its own.
inline constexpr char kPreviewPrevious[] = "上一页(&P)";
inline constexpr char kPreviewNext[] = "下一页(&N)";
inline constexpr char kPreviewPrint[] = "打印(&R)…";
inline constexpr char kPreviewClose[] = "关闭";
// "%1" is the file's name.
inline constexpr char kSavePrompt[] = "是否保存对“%1”的修改？";
inline constexpr char kSaveButton[] = "保存(&S)";
inline constexpr char kDiscardButton[] = "不保存(&N)";
inline constexpr char kCancelButton2[] = "取消";
inline constexpr char kReady[] = "就绪";

// What the window remembers for the user, the platform's way (QSettings,
// the registry): its size in device-independent pixels ("900 600"), its
// columns' widths likewise ("60 60 …", one per column of the table as it
// opens), and the files recently opened, one per line, newest first.
inline constexpr char kWindowSizeSetting[] = "circuit/windowSize";
inline constexpr char kColumnWidthsSetting[] = "circuit/columnWidths";
inline constexpr char kRecentFilesSetting[] = "circuit/recentFiles";
std::string NumbersText(const std::vector<int>& numbers);
// The whole numbers of such a text; none where any is not one.
std::vector<int> NumbersFrom(const std::string& text);

// The typed column of a circuit file's column (a files::CircuitField), or
// -1 for one the window keeps as the file has it (a row's own roughness or
// water) or none.
int TypedColumnOf(int field);

// "管路水力计算 - circuit.csv*": the window's caption for a file, starred
// while it has unsaved changes.
std::string CircuitCaption(const std::string& path, bool modified);
// The name of a file in a path, either slash.
std::string FileNameOf(const std::string& path);
// "%1" in a message replaced by text.
std::string WithName(std::string_view message, std::string_view text);

} // namespace vendrel::form
