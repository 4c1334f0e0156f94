#include "ui/qt/circuitsettingsbar.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

namespace vendrel::ui {
namespace {

using Key = files::CircuitSettingKey;

} // namespace

CircuitSettingsBar::CircuitSettingsBar(form::CircuitDocument& document, QWidget* parent)
    : QWidget(parent)
    , m_document(document)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 2);
    layout->setSpacing(4);
    std::array<QHBoxLayout*, 3> lines{};
    for (QHBoxLayout*& line : lines) {
        line = new QHBoxLayout;
        layout->addLayout(line);
    }
    const int character = QFontMetrics(font()).averageCharWidth();
    for (const form::CircuitSettingInfo& setting : form::CircuitSettings()) {
        auto* label = new QLabel(QString::fromUtf8(setting.label), this);
        QWidget* entry = nullptr;
        if (setting.key == Key::Series || setting.key == Key::Material) {
            auto* choice = new QComboBox(this);
            choice->setMinimumContentsLength(setting.width);
            choice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            (setting.key == Key::Series ? m_series : m_material) = choice;
            entry = choice;
        } else {
            auto* edit = new QLineEdit(this);
            edit->setFixedWidth(character * (setting.width + 3));
            connect(edit, &QLineEdit::textEdited, this, [this, key = setting.key](const QString& text) {
                if (m_document.SetSetting(key, text.toStdString()))
                    emit edited();
            });
            entry = edit;
        }
        label->setBuddy(entry);
        m_entries[static_cast<std::size_t>(setting.key)] = entry;
        QHBoxLayout* line = lines[static_cast<std::size_t>(setting.line)];
        if (line->count() > 0)
            line->addSpacing(character * 2);
        line->addWidget(label);
        line->addWidget(entry);
    }
    for (QHBoxLayout* line : lines)
        line->addStretch(1);
    for (int series = 0; series < m_document.SeriesCount(); ++series)
        m_series->addItem(QString::fromStdString(m_document.SeriesItem(series)));
    for (int material = 0; material < m_document.MaterialCount(); ++material)
        m_material->addItem(QString::fromStdString(m_document.MaterialItem(material)));
    m_material->addItem(QString::fromUtf8(form::kCustomRoughnessItem));
    connect(m_series, &QComboBox::activated, this, [this](int series) {
        if (m_document.ChooseSeries(series))
            emit edited();
    });
    connect(m_material, &QComboBox::activated, this, [this](int material) {
        if (m_document.ChooseMaterial(material < m_document.MaterialCount() ? material : -1))
            emit edited();
    });
    refresh();
}

void CircuitSettingsBar::refresh()
{
    m_series->setCurrentIndex(m_document.SeriesChosen());
    const int material = m_document.MaterialChosen();
    m_material->setCurrentIndex(material >= 0 ? material : m_document.MaterialCount());
    for (const form::CircuitSettingInfo& setting : form::CircuitSettings()) {
        QWidget* entry = m_entries[static_cast<std::size_t>(setting.key)];
        // A style sheet set again would style the whole bar again, on every edit.
        const QString message = QString::fromStdString(m_document.SettingMessage(setting.key));
        if (entry->toolTip() != message) {
            entry->setToolTip(message);
            entry->setStyleSheet(message.isEmpty() ? QString() : QStringLiteral("background: #f8c8c8"));
        }
        auto* edit = qobject_cast<QLineEdit*>(entry);
        if (edit == nullptr)
            continue;
        // Rewriting the text being typed would move its cursor.
        const QString text = QString::fromStdString(m_document.SettingText(setting.key));
        if (edit->text() != text)
            edit->setText(text);
        const QColor colour
            = m_document.SettingDerived(setting.key) ? QColor(0x70, 0x70, 0x70) : palette().color(QPalette::Text);
        if (edit->palette().color(QPalette::Text) != colour) {
            QPalette colours = edit->palette();
            colours.setColor(QPalette::Text, colour);
            edit->setPalette(colours);
        }
    }
}

} // namespace vendrel::ui
