#pragma once

#include "ui/form/circuitdocument.h"

#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;

namespace vendrel::ui {

// The circuit's settings above its table: the series and the material to
// choose, the roughness, the water and the limits to type. Every change goes
// to the document at once; refresh shows what it made of them.
class CircuitSettingsBar : public QWidget {
    Q_OBJECT

public:
    CircuitSettingsBar(form::CircuitDocument& document, QWidget* parent);

    void refresh();
    QWidget* entry(files::CircuitSettingKey key) const { return m_entries[static_cast<std::size_t>(key)]; }

signals:
    void edited();

private:
    form::CircuitDocument& m_document;
    std::array<QWidget*, files::kCircuitSettingCount> m_entries{};
    QComboBox* m_series = nullptr;
    QComboBox* m_material = nullptr;
    bool m_refreshing = false;
};

} // namespace vendrel::ui
