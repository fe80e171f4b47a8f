#pragma once

#include <QIcon>

namespace tarvel {

/// The program's icon: a small square Rasi chart, drawn rather than shipped as a file.
QIcon ProgramIcon();

}  // namespace tarvel
