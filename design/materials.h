#pragma once

#include <string>
#include <string_view>
#include <vector>

// Named absolute roughnesses for the friction calculation, so an engineer can
// pick "galvanized" instead of typing a figure from a handbook.
namespace vendrel::design {

struct Material {
    std::string key;       // for the command line and files, e.g. "galvanized"
    std::string name;      // Simplified Chinese, for the dialog, e.g. "镀锌钢管"
    std::string roughness; // K in mm, as the calculator takes it, e.g. "0.15"
    std::string source;    // where the figure is printed
    bool plastic = false;  // plastic pipe, which sizing gives a velocity limit of its own
    // The pipe the figure is for, whatever its state: "steel" for new,
    // galvanized and used steel pipe alike. A series of steel pipe sized with
    // the K of open-system steel is still sized as steel.
    std::string family;
};

// The materials Vendrel offers: its presets, in the order the dialog lists
// them, then those the user adds from a materials file.
class MaterialCatalog {
public:
    MaterialCatalog(); // the presets

    int size() const { return static_cast<int>(m_materials.size()); }
    const Material& operator[](int index) const;
    std::vector<Material>::const_iterator begin() const { return m_materials.begin(); }
    std::vector<Material>::const_iterator end() const { return m_materials.end(); }

    // The material whose key is `text` in any case, or whose Chinese name
    // it is exactly; nullptr for none.
    const Material* Find(std::string_view text) const;
    // Adds a material after the others; false, adding nothing, when its key
    // or its name is already one of theirs.
    bool Add(Material material);
    // Every key, for messages: "steel-closed, steel-open, …".
    std::string Keys() const;
    // Whether a material of the family has this roughness (mm).
    bool FamilyHasRoughness(std::string_view family, double roughness) const;

private:
    std::vector<Material> m_materials;
};

// The preset a series of steel pipe takes unless told otherwise: steel in a
// closed water system.
inline constexpr char kDefaultMaterial[] = "steel-closed";

// True when two texts are equal but for the case of ASCII letters.
bool SameIgnoringCase(std::string_view a, std::string_view b);

} // namespace vendrel::design
