#pragma once

#include "ui/form/frictionform.h"

// The two small windows an entry's context menu opens, described like the
// calculator form so that both front ends lay them out alike: the prompt for
// a fluid at a temperature, and the list of a series' standard sizes.
namespace vendrel::form {

const Form& FluidForm();
const Form& StandardSizeForm();

} // namespace vendrel::form
