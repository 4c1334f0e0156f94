#pragma once

#include "design/keyedrows.h"

#include <string_view>

// Named absolute roughnesses for the friction calculation, so an engineer can
// pick "galvanized" instead of typing a figure from a handbook.
namespace vendrel::design {

struct Material {
    const char* key;       // for the command line, e.g. "galvanized"
    const char* name;      // Simplified Chinese, for the dialog
    const char* roughness; // K in mm, as the calculator takes it, e.g. "0.15"
    const char* source;    // where the figure is printed
};

// Every preset, in the order the dialog lists them.
using MaterialList = KeyedRows<Material>;
MaterialList Materials();

// The preset whose key is exactly `key`, or nullptr.
const Material* FindMaterial(std::string_view key);

} // namespace vendrel::design
