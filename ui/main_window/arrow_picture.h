#pragma once

class QIcon;

namespace zoret::ui {

// The black downward arrow of the buttons that copy a coefficient into the
// stake calculator below them.
QIcon downArrowPicture();

} // namespace zoret::ui
