// The whole program on the virtual clock, as a player would use it briefly: the menu shows, Start is
// clicked, the play runs for a while and Escape ends the program.
#pragma once

namespace faults {

struct ProgramRun {
    int status = -1;        // what RunProgram returned
    int playFrames = 0;     // frames the play presented
    bool timedOut = false;  // the run did not end by itself and the window was closed to stop it
};

ProgramRun RunMenuAndPlay(long long playHundredths);

}  // namespace faults
