#pragma once

#include <QObject>

namespace tarvel {

/// Gives a new widget the name it is known by on its form (tests and the finder find
/// controls by it) and hands it back.
template <typename Object>
Object* Named(Object* object, const char* name) {
  object->setObjectName(name);
  return object;
}

}  // namespace tarvel
