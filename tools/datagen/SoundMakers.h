// The makers of each sound file. Each returns the sound at full scale; the sound table sets its level.
#pragma once

#include "Synth.h"

namespace datagen {

Signal Shot();
Signal BombWhistle();
Signal BulletHit();
Signal AirCrash();
Signal SeaCrash();
Signal BossExplosion();

Signal EngineStart();
Signal EngineLoop();

Signal MenuTune();
Signal WinFanfare();

}  // namespace datagen
