#pragma once

#include "calc/frictionfields.h"
#include "ui/form/controlid.h"

#include <array>
#include <string>

// The calculator form as both front ends show it: every control with its id,
// kind, text and place in dialog units, in template order (which is also the
// tab order), the caption, the font and the size. Plain data: the Qt front end
// turns it into widgets, the Win32 front end into an in-memory dialog template.
namespace vendrel::form {

// Choice is a drop-down list, List a selectable table with column titles.
enum class ControlKind { Entry, Result, Status, Label, DefaultButton, Button, Choice, List };

// x, y, width and height in dialog units: a horizontal unit is a quarter of
// the dialog font's average character width, a vertical unit an eighth of
// its height.
struct DialogRect {
    int x;
    int y;
    int width;
    int height;
};

struct Control {
    ControlId id;
    ControlKind kind;
    const char* text; // UTF-8; labels and buttons only
    DialogRect rect;
    bool alignRight;    // right-aligned result
    bool staticEdge;    // thin sunken edge around the control
    ControlId labelFor; // for a label, the entry it names; else ID_LABEL
};

struct Form {
    const char* caption;
    int width; // dialog units
    int height;
    const char* fontFamily;
    int fontPointSize;
    const Control* controls;
    int controlCount;
};

const Form& FrictionForm();

// Which text of FrictionFields each edit control shows, in the order of the
// fields' declaration, which is the order the dialog exchanges them.
struct FieldBinding {
    ControlId id;
    std::string FrictionFields::*member;
};
extern const std::array<FieldBinding, 10> kFieldBindings;

} // namespace vendrel::form
