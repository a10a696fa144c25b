// Holding every sound where it is while the play is paused, and letting it go on afterwards.
#include "Music.h"
#include "SoundTable.h"

namespace Music {

void PauseSounds() {
    if (detail::Table().init) {
        Mix_Pause(-1);
    }
}

void ResumeSounds() {
    if (detail::Table().init) {
        Mix_Resume(-1);
    }
}

}  // namespace Music
