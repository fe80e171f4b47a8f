#pragma once

#include <string_view>

#include "form/birth_form.h"

namespace tarvel {

/// What a text box lets through as it is typed.
enum class KeyClass { Letters, Digits };

KeyClass KeyClassOf(FormField field);

/// Whether a typed character code (8-bit) belongs to the class. Backspace (8) and the
/// DEL character (127) belong to both, so editing always works.
bool AcceptsKey(KeyClass keyClass, int code);

/// Whether a whole text (pasted, dropped or given on the command line) belongs to the class:
/// every byte a letter or space, or every byte a digit. Editing keys are not text.
bool AcceptsText(KeyClass keyClass, std::string_view text);

/// "Please enter only letters" or "Please enter only numbers".
std::string_view RefusalMessage(KeyClass keyClass);

/// Letters boxes take the cursor back after a refusal; digits boxes leave it alone.
bool RefocusesAfterRefusal(KeyClass keyClass);

}  // namespace tarvel
