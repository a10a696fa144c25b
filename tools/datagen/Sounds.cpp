#include "Sounds.h"

#include <sndfile.h>

#include <stdexcept>
#include <string>

#include "Manifest.h"
#include "SoundMakers.h"

namespace datagen {
namespace {

struct SoundSpec {
    std::string_view name;
    Signal (*make)();
    double peakDb;
};

// Peak levels balance the sounds for the volumes the game plays them at: effects at nearly full volume, the
// shot within a few decibels of the explosions so that the gun is heard over them; the engine loop at a
// sixth of full volume, so it is made as loud as it goes, and the music at two fifths, set to sit level
// with the engine. MP3 keeps extra headroom for the encoder's overshoot.
constexpr SoundSpec kSounds[] = {
    {"audio/Shot.wav", Shot, -1},
    {"audio/Bomb.wav", BombWhistle, -10},
    {"audio/Crash_Bullet.wav", BulletHit, -4},
    {"audio/Crash_Air.wav", AirCrash, -1.5},
    {"audio/Crash_Water.wav", SeaCrash, -2},
    {"audio/BossExplosion.wav", BossExplosion, -1.5},
    {"audio/spitfire_startup.wav", EngineStart, -3},
    {"audio/xspitfire_rpm3.wav", EngineLoop, -1.5},
    {"audio/Intro_Menu.mp3", MenuTune, -5},
    {"audio/Win_Song.mp3", WinFanfare, -3},
};

void Write(const std::filesystem::path& path, const Signal& signal) {
    SF_INFO info{};
    info.samplerate = kRate;
    info.channels = 1;
    const bool mp3 = path.extension() == ".mp3";
    info.format = mp3 ? (SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III) : (SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr) {
        throw std::runtime_error("cannot write " + path.string() + ": " + sf_strerror(nullptr));
    }
    if (mp3) {
        double compression = 0.3;
        sf_command(file, SFC_SET_COMPRESSION_LEVEL, &compression, sizeof compression);
    }
    const auto frames = static_cast<sf_count_t>(signal.size());
    const sf_count_t written = sf_writef_double(file, signal.data(), frames);
    sf_close(file);
    if (written != frames) {
        throw std::runtime_error("short write to " + path.string());
    }
}

void CheckTableMatchesManifest() {
    std::size_t listed = 0;
    for (const Entry& entry : Manifest()) {
        listed += entry.kind == Kind::Sound ? 1 : 0;
    }
    for (const SoundSpec& spec : kSounds) {
        const Entry* entry = Find(spec.name);
        if (entry == nullptr || entry->kind != Kind::Sound) {
            throw std::runtime_error("sound the manifest does not list: " + std::string(spec.name));
        }
    }
    if (listed != std::size(kSounds)) {
        throw std::runtime_error("the manifest lists sounds that nothing makes");
    }
}

}  // namespace

std::vector<SoundSummary> MakeSounds(const std::filesystem::path& folder) {
    CheckTableMatchesManifest();
    std::vector<SoundSummary> summaries;
    for (const SoundSpec& spec : kSounds) {
        Signal signal = spec.make();
        Normalise(signal, spec.peakDb);
        Write(folder / DiskPath(spec.name), signal);
        summaries.push_back({spec.name, Seconds(signal.size()), Db(Peak(signal)), Db(Rms(signal))});
    }
    return summaries;
}

}  // namespace datagen
