// The circuit window's settings: typed or chosen, each of a pair clearing
// the other, and the series and materials to choose from.
#include "ui/form/circuitdocument.h"
#include "ui/form/entryaids.h"

namespace vendrel::form {
namespace {

using Key = files::CircuitSettingKey;

} // namespace

std::string CircuitDocument::SettingText(Key key) const
{
    const std::string& typed = m_settings[At(key)];
    if (key == Key::Roughness && typed.empty())
        return m_derivedRoughness;
    if (key == Key::Viscosity && typed.empty())
        return m_derivedViscosity;
    if (key == Key::Fluid && typed.empty()) // what a circuit carries unless told
        return design::FluidChinese(design::FluidKind::Water);
    return typed;
}

bool CircuitDocument::SettingDerived(Key key) const
{
    return (key == Key::Roughness || key == Key::Viscosity || key == Key::Fluid) && m_settings[At(key)].empty();
}

std::string CircuitDocument::SettingMessage(Key key) const
{
    return m_settingProblems[At(key)];
}

bool CircuitDocument::SetSetting(Key key, const std::string& text)
{
    if (m_settings[At(key)] == text)
        return false;
    Remember();
    Put(key, text);
    Changed();
    return true;
}

void CircuitDocument::Put(Key key, const std::string& text)
{
    m_settings[At(key)] = text;
    // Each of a pair says the same thing another way: the one given stands.
    if (const Key other = files::OtherWayOf(key); other != key && !text.empty())
        m_settings[At(other)].clear();
}

std::string CircuitDocument::SeriesItem(int series) const
{
    const design::PipeSeries& one = m_library.series[series];
    return one.name + " (" + one.key + ")";
}

int CircuitDocument::SeriesChosen() const
{
    return m_library.series.IndexOf(m_settings[At(Key::Series)]);
}

bool CircuitDocument::ChooseSeries(int series)
{
    const design::PipeSeries& chosen = m_library.series[series];
    const design::PipeSeries* before = m_library.series.Find(m_settings[At(Key::Series)]);
    if (before == &chosen)
        return false;
    Remember();
    m_settings[At(Key::Series)] = chosen.key;
    // The material follows the series unless the user chose another.
    if (before != nullptr && m_settings[At(Key::Material)] == before->material && !chosen.material.empty())
        m_settings[At(Key::Material)] = chosen.material;
    Changed();
    return true;
}

std::string CircuitDocument::MaterialItem(int material) const
{
    return MaterialItemText(m_library.materials, material);
}

int CircuitDocument::MaterialChosen() const
{
    const design::Material* material = m_library.materials.Find(m_settings[At(Key::Material)]);
    for (int m = 0; material != nullptr && m < m_library.materials.size(); ++m) {
        if (&m_library.materials[m] == material)
            return m;
    }
    return -1;
}

bool CircuitDocument::ChooseMaterial(int material)
{
    if (material < 0) // the roughness shown becomes the one typed
        return SetSetting(Key::Roughness, SettingText(Key::Roughness));
    return SetSetting(Key::Material, m_library.materials[material].key);
}

} // namespace vendrel::form
