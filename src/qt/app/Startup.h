#pragma once

namespace app {

// Sets the application title. The display name is left unset, so that no window
// caption gets the title appended to it.
void setApplicationTitle();

// The classic widget look the windows are laid out for.
void useClassicStyle();

} // namespace app
