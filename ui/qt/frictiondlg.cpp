#include "ui/qt/frictiondlg.h"

#include "ui/form/aidforms.h"
#include "ui/form/circuitform.h"
#include "ui/qt/circuitwnd.h"
#include "ui/qt/dialogfont.h"
#include "ui/qt/formwidgets.h"
#include "ui/qt/sizedlg.h"

#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QShowEvent>
#include <QTimer>

#include <functional>

namespace vendrel::ui {
namespace {

using form::ControlKind;

// Results sit in disabled fields; a dark grey keeps their digits as easy to
// read as typed text while the field still looks inactive.
const QColor kDisabledText(0x40, 0x40, 0x40);

// A prompt that stays open, under its message, until what it asks for can
// be used or it is cancelled.
class CheckedPrompt : public QDialog {
public:
    using QDialog::QDialog;
    std::function<bool()> usable;
    void accept() override
    {
        if (usable())
            QDialog::accept();
    }
};

} // namespace

CFrictionDlg::CFrictionDlg(QWidget* parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    // Bitmaps only: an SVG here would load every image plugin. The large
    // sizes serve task switchers and high-density screens.
    for (const int size : {16, 32, 48, 64, 128, 256})
        m_hIcon.addFile(QStringLiteral(":/vendrel/icons/vendrel-%1.png").arg(size), QSize(size, size));
    createControls();
}

void CFrictionDlg::createControls()
{
    const form::Form& form = form::FrictionForm();
    setWindowTitle(QString::fromUtf8(form.caption));
    setFont(DialogFont());
    QPalette colours = palette();
    colours.setColor(QPalette::Disabled, QPalette::Text, kDisabledText);
    colours.setColor(QPalette::Disabled, QPalette::WindowText, kDisabledText);
    setPalette(colours);
    const form::DialogUnits units = DialogUnitsForFont(font());
    setFixedSize(units.ToPixelsX(form.width), units.ToPixelsY(form.height));

    // Created in template order, which Qt also takes as the tab order.
    for (int i = 0; i < form.controlCount; ++i) {
        const form::Control& control = form.controls[i];
        const QRect place = ToQRect(units.ToPixels(control.rect));
        QWidget* widget = nullptr;
        switch (control.kind) {
        case ControlKind::Entry:
        case ControlKind::Result:
        case ControlKind::Status:
            widget = createEdit(control, place);
            break;
        case ControlKind::DefaultButton:
        case ControlKind::Button:
            widget = createButton(control);
            break;
        case ControlKind::Label:
        case ControlKind::Choice: // not on this form
        case ControlKind::List:
            widget = createLabel(control);
            break;
        }
        widget->setGeometry(place);
        m_widgets.push_back(widget);
    }
    for (const form::FieldBinding& binding : form::kFieldBindings)
        Q_ASSERT(m_edits.count(binding.id) == 1);
}

QWidget* CFrictionDlg::createEdit(const form::Control& control, const QRect& place)
{
    QFrame* edge = nullptr;
    if (control.staticEdge && control.kind == ControlKind::Status) {
        // The status line has no border of its own, only a thin sunken edge;
        // the frame takes the form's place and the line fills its inside.
        edge = new QFrame(this);
        edge->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        edge->setLineWidth(1);
        edge->setGeometry(place);
    }
    auto* edit = new QLineEdit(edge != nullptr ? static_cast<QWidget*>(edge) : this);
    // Disabled, not read-only: results take no focus and Tab passes them.
    edit->setEnabled(control.kind == ControlKind::Entry);
    edit->setAlignment((control.alignRight ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    if (control.kind == ControlKind::Status)
        edit->setFrame(false);
    if (control.kind == ControlKind::Entry) {
        const form::ControlId id = control.id;
        edit->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(edit, &QWidget::customContextMenuRequested, this,
            [this, edit, id](const QPoint& pos) { showEntryMenu(id, edit->mapToGlobal(pos)); });
        edit->installEventFilter(this);
    }
    m_edits[control.id] = edit;
    if (edge == nullptr)
        return edit;
    edit->setGeometry(edge->contentsRect());
    return edge;
}

QWidget* CFrictionDlg::createButton(const form::Control& control)
{
    auto* button = new QPushButton(QString::fromUtf8(control.text), this);
    // Enter presses the focused button, else the default one ("计算").
    button->setAutoDefault(true);
    button->setDefault(control.kind == ControlKind::DefaultButton);
    if (control.id == form::ID_CALCULATE)
        connect(button, &QPushButton::clicked, this, &CFrictionDlg::OnOK);
    else
        connect(button, &QPushButton::clicked, this, &QDialog::reject);
    return button;
}

QWidget* CFrictionDlg::createLabel(const form::Control& control)
{
    auto* label = new QLabel(QString::fromUtf8(control.text), this);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    if (control.labelFor != form::ID_LABEL) {
        QLineEdit* entry = m_edits.at(control.labelFor);
        label->setBuddy(entry);
        entry->setAccessibleName(label->text());
    }
    return label;
}

QLineEdit* CFrictionDlg::control(form::ControlId id) const
{
    const auto found = m_edits.find(id);
    return found != m_edits.end() ? found->second : nullptr;
}

CFrictionDlg::~CFrictionDlg() = default;

int CFrictionDlg::DoModal()
{
    // Modal to no other window: the circuit window opened from it is used alongside.
    setWindowModality(Qt::WindowModal);
    return exec();
}

void CFrictionDlg::OnOpenCircuit()
{
    if (!m_circuitWindow)
        m_circuitWindow = std::make_unique<CCircuitWnd>();
    m_circuitWindow->show();
    m_circuitWindow->raise();
    m_circuitWindow->activateWindow();
}

void CFrictionDlg::showEvent(QShowEvent* event)
{
    // OnInitDialog leaves the focus to the platform, and Qt, like Windows,
    // gives it to the first tab stop: the flow entry.
    if (!m_initialised) {
        m_initialised = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

void CFrictionDlg::OnInitDialog()
{
    InitFields();
    setWindowIcon(m_hIcon);
    // Over the calculator, once it is shown: the user's files that were left out.
    if (const std::string warnings = LibraryWarnings(); !warnings.empty()) {
        QTimer::singleShot(0, this, [this, warnings] {
            QMessageBox::warning(this, QString::fromUtf8(form::kLibraryCaption), QString::fromStdString(warnings));
        });
    }
}

void CFrictionDlg::OnOK()
{
    CalculateFields();
}

bool CFrictionDlg::eventFilter(QObject* watched, QEvent* event)
{
    // Shift+F10 opens the menu as the Menu key does, at the text cursor.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool shiftF10 = key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier;
        if (shiftF10 || key->key() == Qt::Key_Menu) {
            for (const auto& [id, edit] : m_edits) {
                if (edit == watched) {
                    const QRect cursor = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
                    showEntryMenu(id, edit->mapToGlobal(cursor.bottomLeft()));
                    return true;
                }
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

std::unique_ptr<QMenu> CFrictionDlg::createEntryMenu(form::ControlId id)
{
    std::unique_ptr<QMenu> menu(m_edits.at(id)->createStandardContextMenu());
    const form::EntryAid aid = form::AidFor(id);
    if (aid != form::EntryAid::None)
        menu->addSeparator();
    switch (aid) {
    case form::EntryAid::Fluid:
        connect(menu->addAction(QString::fromUtf8(form::kFluidItem)), &QAction::triggered, this, &CFrictionDlg::OnFluid,
            Qt::QueuedConnection);
        break;
    case form::EntryAid::Materials: {
        QMenu* materials = menu->addMenu(QString::fromUtf8(form::kMaterialMenu));
        for (int material = 0; material < MaterialCount(); ++material) {
            connect(materials->addAction(QString::fromStdString(MaterialItem(material))), &QAction::triggered, this,
                [this, material] { ApplyMaterial(material); });
        }
        break;
    }
    case form::EntryAid::StandardSize:
        connect(menu->addAction(QString::fromUtf8(form::kStandardSizeItem)), &QAction::triggered, this,
            &CFrictionDlg::OnStandardSize, Qt::QueuedConnection);
        break;
    case form::EntryAid::None:
        break;
    }
    // Last, for every entry: the circuit window.
    menu->addSeparator();
    connect(menu->addAction(QString::fromUtf8(form::kOpenCircuitItem)), &QAction::triggered, this,
        &CFrictionDlg::OnOpenCircuit, Qt::QueuedConnection);
    return menu;
}

void CFrictionDlg::showEntryMenu(form::ControlId id, const QPoint& globalPos)
{
    createEntryMenu(id)->exec(globalPos);
}

void CFrictionDlg::OnFluid()
{
    CheckedPrompt prompt(this,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
            | Qt::MSWindowsFixedSizeDialogHint);
    const FormWidgets widgets(prompt, form::FluidForm());
    auto* fluid = widgets.get<QComboBox>(form::IDC_FLUID);
    auto* concentration = widgets.get<QLineEdit>(form::IDC_CONCENTRATION);
    auto* temperature = widgets.get<QLineEdit>(form::IDC_TEMPERATURE);
    auto* properties = widgets.get<QLabel>(form::IDC_FLUID_PROPERTIES);
    for (const char* choice : form::kFluidChoices)
        fluid->addItem(QString::fromUtf8(choice));
    fluid->setCurrentIndex(m_lastFluid);
    concentration->setText(m_lastConcentration);
    temperature->setText(m_lastTemperature);
    // What the texts give, as they are typed: the fluid's properties or why not.
    const auto show = [&] {
        concentration->setEnabled(fluid->currentIndex() != 0);
        const form::FluidAid aid = form::FluidAidFor(
            fluid->currentIndex(), concentration->text().toStdString(), temperature->text().toStdString());
        properties->setText(QString::fromStdString(aid.error.empty() ? aid.properties : aid.error));
    };
    connect(fluid, &QComboBox::currentIndexChanged, &prompt, show);
    connect(concentration, &QLineEdit::textChanged, &prompt, show);
    connect(temperature, &QLineEdit::textChanged, &prompt, show);
    show();
    temperature->setFocus();
    temperature->selectAll();
    prompt.usable = [&] {
        const form::FluidAid aid
            = ApplyFluid(fluid->currentIndex(), concentration->text().toStdString(), temperature->text().toStdString());
        if (aid.error.empty()) {
            m_lastFluid = fluid->currentIndex();
            m_lastConcentration = concentration->text();
            m_lastTemperature = temperature->text();
            return true;
        }
        QMessageBox::warning(&prompt, prompt.windowTitle(), QString::fromStdString(aid.error));
        QLineEdit* wrong = aid.wrong == form::IDC_CONCENTRATION ? concentration : temperature;
        wrong->selectAll();
        wrong->setFocus();
        return false;
    };
    prompt.exec();
}

void CFrictionDlg::OnStandardSize()
{
    const int series = LastSeries();
    form::SizeTable first = StandardSizes(series);
    if (!first.error.empty()) {
        QMessageBox::warning(this, QString::fromUtf8(form::kSizeCaption), QString::fromStdString(first.error));
        return;
    }
    QStringList names;
    for (int i = 0; i < SeriesCount(); ++i)
        names << QString::fromStdString(SeriesName(i));
    CSizeDlg::Source source;
    source.tableFor = [this](int chosen) { return StandardSizes(chosen); };
    source.useSeriesRoughness = [this](int chosen) { return UseSeriesRoughness(chosen); };
    CSizeDlg sizes(std::move(source), names, series, std::move(first), this);
    // Beside the calculator where the screen has room, so its entries stay
    // in view; else Qt centres it over the calculator. move() places the
    // frame, which comes only once shown: count one like the calculator's.
    const QSize frame = frameGeometry().size() - geometry().size();
    const QRect beside(frameGeometry().topRight() + QPoint(8, 0), sizes.size() + frame);
    if (screen()->availableGeometry().contains(beside))
        sizes.move(beside.topLeft());
    if (sizes.exec() == QDialog::Accepted)
        ApplyStandardSize(sizes.diameter());
}

std::string CFrictionDlg::Setting(const std::string& key) const
{
    return QSettings().value(QString::fromStdString(key)).toString().toStdString();
}

void CFrictionDlg::SaveSetting(const std::string& key, const std::string& value)
{
    QSettings().setValue(QString::fromStdString(key), QString::fromStdString(value));
}

std::string CFrictionDlg::ControlText(form::ControlId id) const
{
    return m_edits.at(id)->text().toStdString();
}

void CFrictionDlg::SetControlText(form::ControlId id, const std::string& text)
{
    QLineEdit* edit = m_edits.at(id);
    edit->setText(QString::fromStdString(text));
    // Show a text from its first character, as a dialog does: setText
    // leaves the end in view, and a disabled result cannot be scrolled, so a
    // long value would lose its leading digits.
    edit->setCursorPosition(0);
}

void CFrictionDlg::ReplaceEntryText(form::ControlId id, const std::string& text)
{
    QLineEdit* edit = m_edits.at(id);
    edit->selectAll();
    edit->insert(QString::fromStdString(text)); // unlike setText, kept in the undo history
    edit->setCursorPosition(0);
}

} // namespace vendrel::ui
