#pragma once

namespace vendrel::form {

// The calculator's control ids: the dialog's own numbers, so that a Win32
// template and its messages use them as they are. The two buttons carry the
// platform's command ids for OK (1) and cancel (2); labels carry -1.
enum ControlId : int {
    ID_CALCULATE = 1, // IDOK on Windows
    ID_EXIT = 2,      // IDCANCEL on Windows
    ID_LABEL = -1,    // IDC_STATIC on Windows
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
    // The fluid prompt and the standard-size window; their buttons are OK
    // and cancel as well.
    IDC_TEMPERATURE = 1020,
    IDC_SERIES = 1021,
    IDC_SIZE_INPUTS = 1022,
    IDC_SIZES = 1023,
    IDC_SERIES_MATERIAL = 1024,      // says so when K differs from the series' material
    IDC_USE_SERIES_ROUGHNESS = 1025, // and takes that material's K
    IDC_SIZE_NOTES = 1026,           // the recommendation and the list's footnotes
    IDC_FLUID = 1027,
    IDC_CONCENTRATION = 1028,
    IDC_FLUID_PROPERTIES = 1029, // density, specific heat and freezing point of the fluid typed
};

} // namespace vendrel::form
