#pragma once

namespace quorvel::ZAFIKSUB1 {

// The program's start: opens the editor on the catalogue of the program's folder and runs until
// the window closes. Needs the application object; returns the exit status.
int Main();

} // namespace quorvel::ZAFIKSUB1
