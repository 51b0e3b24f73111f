// The program's look beyond colours and faces: focus marks and scroll-bar thumbs that read on
// the windows' dark backgrounds.
#pragma once

namespace ui {

// Puts the program's style in force over the platform's; call once the application exists.
void SetProgramStyle();

} // namespace ui
