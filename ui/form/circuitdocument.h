#pragma once

#include "book/bookpages.h"
#include "book/circuitbook.h"
#include "design/circuit.h"
#include "files/circuitreader.h"
#include "files/userlibrary.h"
#include "ui/form/circuitform.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// What the circuit window does, written once for both front ends: a circuit
// file's settings and sections as texts, calculated whole after every edit,
// with undo, files and the clipboard. A front end shows its cells and
// settings and hands it what the user typed, pasted or chose.
namespace vendrel::form {

// How a cell is to be shown.
struct CellLook {
    bool derived = false;    // a flow derived or a size chosen, not typed: grey italic
    bool problem = false;    // its text cannot be used: marked, with CellMessage
    bool index = false;      // its section is on the index circuit: highlighted
    bool unbalanced = false; // its section needs balancing, a figure of it: red as a path out of balance
};

// A row of the path table.
struct PathRow {
    std::string sections; // its own part, "G1 … T1 … R0"
    std::string leaves;   // the nodes where it leaves the index circuit and rejoins it
    std::string rejoins;
    std::string total; // kPa
    std::string imbalance;
    std::string note; // "最不利环路", "超过 15%"
    bool index = false;
    bool unbalanced = false;      // shown in red
    double totalPascals = 0;      // to sort by
    double imbalanceFraction = 0; // to sort by; NaN on the index circuit
};

class CircuitDocument {
public:
    explicit CircuitDocument(files::UserLibrary library);

    // The table: every typed column, then any other columns of the file
    // opened (its own per-row roughness or water, the user's notes), then
    // the results. The front end shows one more, empty row, typing into
    // which adds a section.
    int RowCount() const { return static_cast<int>(m_rows.size()); }
    int ColumnCount() const { return static_cast<int>(kCircuitColumnCount + m_extraTitles.size()); }
    std::string ColumnTitle(int column) const;
    int ColumnWidth(int column) const; // average characters
    bool ColumnAlignRight(int column) const;
    bool ColumnTyped(int column) const; // else a result, not editable
    // What a cell shows, how, and why it is marked.
    std::string CellText(int row, int column) const;
    // What editing the cell starts from: the text typed, "" where it shows a value derived.
    std::string CellEditText(int row, int column) const;
    CellLook Look(int row, int column) const;
    std::string CellMessage(int row, int column) const;

    // Edits; each can be undone, and each calculates the circuit again. A row
    // at RowCount() is added. False where nothing changed.
    bool SetCell(int row, int column, const std::string& text);
    void InsertRows(int row, int count);
    bool RemoveRows(int row, int count);
    bool Undo();
    bool Redo();
    bool CanUndo() const { return !m_undo.empty(); }
    bool CanRedo() const { return !m_redo.empty(); }

    // The settings above the table. Choosing a material clears the roughness
    // typed and typing one clears the material, likewise the temperature and
    // the viscosity; SettingText then shows the value the other gives.
    std::string SettingText(files::CircuitSettingKey key) const;
    bool SettingDerived(files::CircuitSettingKey key) const;
    std::string SettingMessage(files::CircuitSettingKey key) const; // why it cannot be used; "" where it can
    bool SetSetting(files::CircuitSettingKey key, const std::string& text);
    // The drop-down lists: the series (built-in, then the user's) and the
    // materials, each item's text and the one chosen; a material of -1 is
    // kCustomRoughnessItem, the last item.
    int SeriesCount() const { return m_library.series.size(); }
    std::string SeriesItem(int series) const;
    int SeriesChosen() const;
    bool ChooseSeries(int series);
    int MaterialCount() const { return m_library.materials.size(); }
    std::string MaterialItem(int material) const;
    int MaterialChosen() const;
    bool ChooseMaterial(int material);

    // The summary under the table.
    const std::vector<PathRow>& Paths() const { return m_paths; }
    // The index circuit and the pump head, or why there are none.
    // Beyond 16 sections the index circuit shows its ends, unless whole.
    std::string SummaryText(bool whole = false) const;
    // Problems of the network as a whole (a node that does not balance…),
    // for the status bar; empty where it is a circuit.
    const std::vector<messages::Message>& NetworkProblems() const { return m_networkProblems; }
    // The status bar: what the focus is on says why it cannot be used
    // (focused, a cell's or a setting's message), else the network's
    // problems, else kReady.
    std::string StatusText(const std::string& focused) const;
    // kMarkedCellsNote where a cell is derived, and the Colebrook–White note where needed.
    std::string Notes() const;

    // Files: the circuit file of vendrel-calc --circuit, any encoding in,
    // UTF-8 with a byte-order mark out. False with error, the whole message
    // to show, where it cannot; a file that cannot be opened leaves the
    // document as it was.
    void New();
    bool Open(const std::string& path, std::string& error);
    bool Save(const std::string& path, std::string& error);
    // The calculation book, and as vendrel-calc --circuit --format xlsx and
    // --format pdf write it; its pages for a printer, laid out as the PDF's.
    book::CalculationBook Book() const;
    bool ExportWorkbook(const std::string& path, std::string& error) const;
    bool ExportBook(const std::string& path, std::string& error) const;
    bool BookPages(std::vector<book::BookPage>& pages, std::string& error) const;
    const std::string& Path() const { return m_path; }
    // Changed since it was opened or saved: undone back to that, it is not.
    bool Modified() const { return m_version != m_savedVersion; }
    std::string Caption() const { return CircuitCaption(m_path, Modified()); }

    // The clipboard: the cells of rows top–bottom and columns left–right as
    // tab-separated text, with the headings above where asked; the whole
    // table with its headings where nothing is chosen.
    std::string CopyText(int top, int left, int bottom, int right, bool headings) const;
    std::string CopyAll() const;
    // Pastes tab-separated text at a cell, as one edit. Text under headings
    // the table knows (a section list from a spreadsheet) becomes rows
    // inserted there, each column where its heading says; text without them
    // is written over the typed cells from there on, rows added as needed.
    // False with error, the message to show, where it has nothing to paste.
    bool Paste(int row, int column, const std::string& text, std::string& error);

    // Recently opened or saved files, newest first, from and to the one text
    // a front end keeps for the user.
    static std::vector<std::string> RecentFiles(const std::string& stored);
    static std::string RecentFilesWith(const std::string& stored, const std::string& path);

    // The results as calculated, for tests and benchmarks.
    const design::CircuitResult& Result() const { return m_result; }

private:
    struct Snapshot {
        std::vector<std::vector<std::string>> rows;
        std::array<std::string, files::kCircuitSettingCount> settings;
        unsigned long version = 0;
    };
    // A setting given, the other of its pair cleared; no undo, no calculation.
    void Put(files::CircuitSettingKey key, const std::string& text);
    static std::size_t At(files::CircuitSettingKey key) { return static_cast<std::size_t>(key); }
    int ExtraColumns() const { return static_cast<int>(m_extraTitles.size()); }
    // The column of the CircuitColumn at column, or nullopt for an extra one.
    std::optional<CircuitColumn> Kind(int column) const;
    int CellIndex(int column) const; // in a row's texts, or -1 for a result
    void Remember();
    void Changed();
    void Calculate();
    void ResolveSettings();
    Snapshot Take() const;
    void Restore(const Snapshot& snapshot);
    // Undo or redo: back to the last state of from, this one kept in to.
    bool Step(std::vector<Snapshot>& from, std::vector<Snapshot>& to);

    files::UserLibrary m_library;
    std::string m_path;
    // Each edit makes a version of its own; undo and redo go back to theirs.
    unsigned long m_version = 0;
    unsigned long m_savedVersion = 0;
    unsigned long m_lastVersion = 0;
    std::vector<files::ProjectLine> m_project;    // the file's, written back as they were
    std::vector<std::string> m_extraTitles;       // the file's other columns
    std::vector<std::vector<std::string>> m_rows; // typed, then extra cells
    std::array<std::string, files::kCircuitSettingCount> m_settings;
    std::vector<Snapshot> m_undo;
    std::vector<Snapshot> m_redo;

    // What the last calculation made of it.
    design::CircuitSettings m_resolved;
    std::array<std::string, files::kCircuitSettingCount> m_settingProblems;
    std::string m_derivedRoughness;
    std::string m_derivedViscosity;
    std::vector<design::CircuitSection> m_sections;       // those in the network
    std::vector<int> m_sectionOfRow;                      // -1 for a row out of it
    std::vector<std::vector<std::string>> m_cellProblems; // per row, per typed or extra cell, in Chinese
    design::CircuitResult m_result;
    std::vector<PathRow> m_paths;
    std::vector<messages::Message> m_networkProblems;
};

} // namespace vendrel::form
