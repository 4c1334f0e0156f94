#pragma once

#include "ui/form/circuitdocument.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QTableView;

namespace vendrel::ui {

class CircuitModel;
class CircuitSettingsBar;
class CircuitTableView;
class PathModel;

// The hydraulic calculation of a circuit: its settings, a table of sections
// calculated as they are typed, the paths with their balance and the pump
// head, kept in the circuit files vendrel-calc --circuit reads.
class CCircuitWnd : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CCircuitWnd)

public:
    explicit CCircuitWnd(QWidget* parent = nullptr);
    ~CCircuitWnd() override;

    // Opens a file, saying why where it cannot; false then.
    bool openFile(const QString& path);
    bool saveFile(const QString& path);
    // Asks whether to save unsaved changes; false where the user cancels or saving fails.
    bool maybeSave();

    form::CircuitDocument& document() { return *m_document; }
    QTableView* table() const;
    QTableView* paths() const { return m_paths; }
    QLabel* summary() const { return m_summary; }
    CircuitSettingsBar* settingsBar() const { return m_settings; }
    QAction* action(form::CircuitCommand command) const { return m_actions[static_cast<std::size_t>(command)]; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenus();
    // After opening or saving: why it failed, or the file among the recent ones.
    bool fileDone(bool done, const QString& path, const std::string& error);
    void run(form::CircuitCommand command);
    void onOpen();
    bool onSave();
    bool onSaveAs();
    QString exportPath(const char* caption, const char* filter, const QString& suffix);
    void onExportWorkbook();
    void onExportBook();
    void onPrint();
    void onCopy();
    void onPaste();
    void onDeleteRows();
    void updateRecentFiles();
    void addRecentFile(const QString& path);
    void changed();
    void showStatus();
    void restoreLayout();
    void saveLayout();

    std::unique_ptr<form::CircuitDocument> m_document;
    CircuitModel* m_model = nullptr;
    PathModel* m_pathModel = nullptr;
    CircuitTableView* m_table = nullptr;
    QTableView* m_paths = nullptr;
    CircuitSettingsBar* m_settings = nullptr;
    QLabel* m_summary = nullptr;
    QLabel* m_notes = nullptr;
    QMenu* m_recent = nullptr;
    std::array<QAction*, form::kCircuitCommandCount> m_actions{};
};

} // namespace vendrel::ui
