#include "ui/qt/formwidgets.h"

#include "ui/qt/dialogfont.h"

#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace vendrel::ui {

using form::ControlKind;

FormWidgets::FormWidgets(QDialog& dialog, const form::Form& form)
{
    dialog.setWindowTitle(QString::fromUtf8(form.caption));
    dialog.setFont(DialogFont());
    const form::DialogUnits units = DialogUnitsForFont(dialog.font());
    dialog.setFixedSize(units.ToPixelsX(form.width), units.ToPixelsY(form.height));

    std::map<QLabel*, form::ControlId> buddies;
    for (int i = 0; i < form.controlCount; ++i) {
        const form::Control& control = form.controls[i];
        const QString text = QString::fromUtf8(control.text != nullptr ? control.text : "");
        QWidget* widget = nullptr;
        switch (control.kind) {
        case ControlKind::Entry:
        case ControlKind::Result:
        case ControlKind::Status:
            widget = new QLineEdit(&dialog);
            widget->setEnabled(control.kind == ControlKind::Entry);
            break;
        case ControlKind::DefaultButton:
        case ControlKind::Button: {
            auto* button = new QPushButton(text, &dialog);
            button->setAutoDefault(true);
            button->setDefault(control.kind == ControlKind::DefaultButton);
            // OK and cancel close the window; other buttons are the dialog's to connect.
            if (control.id == form::ID_CALCULATE)
                QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::accept);
            else if (control.id == form::ID_EXIT)
                QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::reject);
            widget = button;
            break;
        }
        case ControlKind::Label: {
            auto* label = new QLabel(text, &dialog);
            label->setWordWrap(true);
            if (control.labelFor != form::ID_LABEL)
                buddies[label] = control.labelFor;
            widget = label;
            break;
        }
        case ControlKind::Choice:
            widget = new QComboBox(&dialog);
            break;
        case ControlKind::List: {
            auto* list = new QTreeWidget(&dialog);
            list->setRootIsDecorated(false);
            list->setUniformRowHeights(true);
            list->setAllColumnsShowFocus(true);
            list->header()->setSectionsMovable(false);
            widget = list;
            break;
        }
        }
        QRect place = ToQRect(units.ToPixels(control.rect));
        // A Windows combo box's height includes its drop-down list.
        if (control.kind == ControlKind::Choice)
            place.setHeight(widget->sizeHint().height());
        widget->setGeometry(place);
        if (control.id != form::ID_LABEL)
            m_widgets[control.id] = widget;
    }
    for (const auto& [label, id] : buddies) {
        label->setBuddy(m_widgets.at(id));
        m_widgets.at(id)->setAccessibleName(label->text());
    }
}

} // namespace vendrel::ui
