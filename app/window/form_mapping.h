#pragma once

#include "app/window/input_view.h"
#include "form/birth_form.h"

namespace tarvel {

/// The form as the input view shows it: box texts as typed, list indices, options, check box.
BirthForm ReadForm(const InputControls& controls);

/// Shows the form's two directions in the option pairs; the only part of the form that
/// validation changes.
void WriteDirections(const BirthForm& form, const InputControls& controls);

/// Shows a form in the input view, every box, list, option pair and the check box.
void WriteForm(const BirthForm& form, const InputControls& controls);

}  // namespace tarvel
