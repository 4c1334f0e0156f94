#pragma once

#include "ui/form/frictionform.h"

#include <QWidget>

#include <map>

class QDialog;

namespace vendrel::ui {

// A small form of the calculator's windows laid out in a dialog: one widget
// per control at its place in the dialog font's units, the caption and the
// fixed size. Entries are line edits, choices combo boxes, lists tree views
// without branches; OK accepts, cancel rejects.
class FormWidgets {
public:
    FormWidgets(QDialog& dialog, const form::Form& form);

    template <typename Widget> Widget* get(form::ControlId id) const { return qobject_cast<Widget*>(m_widgets.at(id)); }

private:
    std::map<form::ControlId, QWidget*> m_widgets;
};

} // namespace vendrel::ui
