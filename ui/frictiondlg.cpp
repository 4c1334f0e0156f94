#include "ui/frictiondlg.h"

#include "calc/fieldlabels.h"
#include "calc/frictioncalc.h"
#include "ui/dialogfont.h"
#include "ui/dialogtemplate.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace {

using vendrel::FrictionFields;

// Results sit in disabled fields; a dark grey keeps their digits as easy to
// read as typed text while the field still looks inactive.
const QColor kDisabledText(0x40, 0x40, 0x40);

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
    // Bound in the order the fields are declared, each to its control.
    m_bindings = {{
        {IDC_DIAMETER, &FrictionFields::m_strDiameter, control(IDC_DIAMETER)},
        {IDC_ROUGHNESS, &FrictionFields::m_strRoughness, control(IDC_ROUGHNESS)},
        {IDC_LAMBDA, &FrictionFields::m_strLambda, control(IDC_LAMBDA)},
        {IDC_FRICTION_RATE, &FrictionFields::m_strFrictionRate, control(IDC_FRICTION_RATE)},
        {IDC_REYNOLDS, &FrictionFields::m_strReynolds, control(IDC_REYNOLDS)},
        {IDC_VISCOSITY, &FrictionFields::m_strViscosity, control(IDC_VISCOSITY)},
        {IDC_VELOCITY, &FrictionFields::m_strVelocity, control(IDC_VELOCITY)},
        {IDC_FLOW, &FrictionFields::m_strFlow, control(IDC_FLOW)},
        {IDC_STATUS, &FrictionFields::m_strStatus, control(IDC_STATUS)},
        {IDC_ROUGH_REYNOLDS, &FrictionFields::m_strRoughReynolds, control(IDC_ROUGH_REYNOLDS)},
    }};
}

void CFrictionDlg::createControls()
{
    const DialogTemplate& form = FrictionDialogTemplate();
    setWindowTitle(QString::fromUtf8(form.caption));
    setFont(DialogFont());
    QPalette colours = palette();
    colours.setColor(QPalette::Disabled, QPalette::Text, kDisabledText);
    colours.setColor(QPalette::Disabled, QPalette::WindowText, kDisabledText);
    setPalette(colours);
    const DialogUnits units = DialogUnits::ForFont(font());
    setFixedSize(units.toPixels(form.dialogUnits));

    // Created in template order, which Qt also takes as the tab order.
    QLineEdit* entries[4] = {};
    int entryCount = 0;
    int labelCount = 0;
    for (int i = 0; i < form.controlCount; ++i) {
        const ControlTemplate& t = form.controls[i];
        const QRect place = units.toPixels(t.dialogUnits);
        QWidget* widget = nullptr;
        switch (t.kind) {
        case ControlKind::Entry:
        case ControlKind::Result:
        case ControlKind::Status: {
            QWidget* holder = this;
            if (t.staticEdge && t.kind == ControlKind::Status) {
                // The status line has no border of its own, only a thin sunken edge.
                auto* edge = new QFrame(this);
                edge->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                edge->setLineWidth(1);
                holder = edge;
            }
            auto* edit = new QLineEdit(holder);
            // Disabled, not read-only: results take no focus and Tab passes them.
            edit->setEnabled(t.kind == ControlKind::Entry);
            edit->setAlignment((t.alignRight ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
            if (t.kind == ControlKind::Status)
                edit->setFrame(false);
            if (t.kind == ControlKind::Entry)
                entries[entryCount++] = edit;
            if (holder != this) {
                holder->setGeometry(place);
                edit->setGeometry(static_cast<QFrame*>(holder)->contentsRect());
                edit->setProperty("controlId", int(t.id));
            }
            widget = holder != this ? holder : edit;
            break;
        }
        case ControlKind::DefaultButton:
        case ControlKind::Button: {
            auto* button = new QPushButton(QString::fromUtf8(t.text), this);
            // Enter presses the focused button, else the default one ("计算").
            button->setAutoDefault(true);
            button->setDefault(t.kind == ControlKind::DefaultButton);
            if (t.id == IDOK)
                connect(button, &QPushButton::clicked, this, [this] { OnOK(); });
            else
                connect(button, &QPushButton::clicked, this, &QDialog::reject);
            widget = button;
            break;
        }
        case ControlKind::Label: {
            auto* label = new QLabel(QString::fromUtf8(t.text), this);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            // The first four labels name the four entries.
            if (labelCount < entryCount) {
                label->setBuddy(entries[labelCount]);
                entries[labelCount]->setAccessibleName(label->text());
            }
            ++labelCount;
            widget = label;
            break;
        }
        }
        widget->setProperty("controlId", int(t.id));
        widget->setGeometry(place);
    }
}

QLineEdit* CFrictionDlg::control(int id) const
{
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        if (edit->property("controlId").toInt() == id)
            return edit;
    }
    return nullptr;
}

int CFrictionDlg::DoModal()
{
    return exec();
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

bool CFrictionDlg::OnInitDialog()
{
    m_fields.m_strViscosity = vendrel::labels::kDefaultViscosity;
    m_fields.m_strRoughness = vendrel::labels::kDefaultRoughness;
    UpdateData(false);
    setWindowIcon(m_hIcon);
    return true;
}

void CFrictionDlg::OnOK()
{
    UpdateData(true);
    vendrel::Calculate(m_fields);
    UpdateData(false);
}

bool CFrictionDlg::UpdateData(bool saveAndValidate)
{
    DoDataExchange(saveAndValidate);
    return true;
}

void CFrictionDlg::DoDataExchange(bool saveAndValidate)
{
    for (const Binding& binding : m_bindings) {
        std::string& text = m_fields.*binding.member;
        if (saveAndValidate) {
            text = binding.control->text().toStdString();
            continue;
        }
        const QString shown = QString::fromStdString(text);
        // Rewriting an unchanged entry would move the cursor and lose undo.
        if (binding.control->text() == shown)
            continue;
        binding.control->setText(shown);
        // Show a text from its first character, as a dialog does: setText
        // leaves the end in view, and a disabled result cannot be scrolled,
        // so a long value would lose its leading digits.
        binding.control->setCursorPosition(0);
    }
}
