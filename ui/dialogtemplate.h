#pragma once

#include <QRect>
#include <QString>

// The calculator form: every control with its id, kind and place in dialog
// units, in template order (which is also the tab order).

enum ControlId : int {
    IDOK = 1,
    IDCANCEL = 2,
    IDC_STATIC = -1,
    IDC_FLOW = 1000,
    IDC_STATUS = 1001,
    IDC_DIAMETER = 1004,
    IDC_ROUGHNESS = 1005,
    IDC_VISCOSITY = 1006,
    IDC_VELOCITY = 1007,
    IDC_LAMBDA = 1008,
    IDC_FRICTION_RATE = 1009,
    IDC_REYNOLDS = 1010,
    IDC_ROUGH_REYNOLDS = 1011,
};

enum class ControlKind { Entry, Result, Status, Label, DefaultButton, Button };

struct ControlTemplate {
    ControlId id;
    ControlKind kind;
    const char* text;  // UTF-8; labels and buttons only
    QRect dialogUnits; // x, y, width, height
    bool alignRight;   // right-aligned result
    bool staticEdge;   // thin sunken edge around the control
};

struct DialogTemplate {
    const char* caption;
    QSize dialogUnits;
    const char* fontFamily;
    int fontPointSize;
    const ControlTemplate* controls;
    int controlCount;
};

const DialogTemplate& FrictionDialogTemplate();

// Dialog units to pixels for a font: a horizontal unit is a quarter of the
// average character width, a vertical unit an eighth of the character height.
class DialogUnits {
public:
    DialogUnits(int averageCharWidth, int charHeight);
    static DialogUnits ForFont(const class QFont& font);

    int baseX() const { return m_baseX; }
    int baseY() const { return m_baseY; }
    QRect toPixels(const QRect& units) const;
    QSize toPixels(const QSize& units) const;

private:
    int m_baseX;
    int m_baseY;
};
