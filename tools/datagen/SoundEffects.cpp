#include "SoundMakers.h"

namespace datagen {
namespace {

constexpr double kTwoPi = 2.0 * M_PI;

// A tone whose pitch glides exponentially from `from` to `to` Hz, shaped by `envelope`.
template <typename Envelope>
Signal Glide(double seconds, double from, double to, Envelope envelope) {
    Signal out(Samples(seconds));
    double phase = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = Seconds(i);
        phase += kTwoPi * from * std::pow(to / from, t / seconds) / kRate;
        out[i] = envelope(t) * std::sin(phase);
    }
    return out;
}

// Noise through a low-pass whose cutoff falls from `bright` to `dark` Hz: the roar of a blast.
Signal Roar(double seconds, double bright, double dark, double tau, std::uint64_t seed) {
    Signal out = Noise(Samples(seconds), seed);
    OnePole first(bright);
    OnePole second(bright);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = Seconds(i);
        const double cutoff = dark + (bright - dark) * std::exp(-t / (tau * 0.6));
        first.SetCutoff(cutoff);
        second.SetCutoff(cutoff);
        out[i] = Strike(t, 0.004, tau) * second.LowPass(first.LowPass(out[i])) * 3;
    }
    return out;
}

// Scattered clicks of burning debris, thinning out.
Signal Crackle(double seconds, int count, std::uint64_t seed) {
    Signal out(Samples(seconds));
    Random random(seed);
    for (int i = 0; i < count; ++i) {
        const double at = seconds * random.Unit() * random.Unit();
        const Signal click = Noise(Samples(0.012), seed + static_cast<std::uint64_t>(i) + 1);
        Signal shaped(click.size());
        for (std::size_t k = 0; k < click.size(); ++k) {
            shaped[k] = click[k] * std::exp(-Seconds(k) / 0.003);
        }
        Mix(out, shaped, Samples(at), random.Uniform(0.2, 0.6));
    }
    return out;
}

Signal Explosion(double seconds, double size, std::uint64_t seed) {
    Signal out = Roar(seconds, 5000, 180, 0.35 * size, seed);
    Mix(out, Glide(seconds, 70, 28, [size](double t) { return Strike(t, 0.003, 0.3 * size); }), 0, 0.9);
    Mix(out, Crackle(seconds * 0.7, static_cast<int>(50 * size), seed + 50), Samples(0.05), 0.5);
    return out;
}

}  // namespace

// The gun: a sharp crack, the bark of the muzzle and a short thump, dense enough to hold its own against the
// explosions on small speakers.
Signal Shot() {
    Signal out = Noise(Samples(0.3), 1);
    Signal bark = Noise(out.size(), 11);
    BandPass crack(2400, 0.7);
    BandPass body(900, 0.6);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = Seconds(i);
        out[i] = crack(out[i]) * Strike(t, 0.001, 0.04) * 2.5 + body(bark[i]) * Strike(t, 0.002, 0.08) * 2.0;
    }
    Mix(out, Glide(0.3, 190, 80, [](double t) { return Strike(t, 0.002, 0.05); }), 0, 0.6);
    FadeOut(out, 0.08);
    return out;
}

// A bomb falls away: the clunk of the release, then a falling whistle that dies away before its end.
Signal BombWhistle() {
    constexpr double kWhistle = 1.1;
    Signal out(Samples(1.2));
    Mix(out, Roar(0.15, 900, 200, 0.03, 2), 0, 1.0);
    Mix(out,
        Glide(kWhistle, 1700, 480,
              [](double t) {
                  const double rise = std::min(1.0, t / 0.25);
                  const double fall = std::exp(-std::max(0.0, t - 0.5) / 0.25);
                  return rise * fall * std::min(1.0, (kWhistle - t) / 0.15) *
                         (1.0 + 0.15 * std::sin(2 * M_PI * 9 * t));
              }),
        Samples(0.05), 0.5);
    return out;
}

// A bullet strikes the airframe: a metallic ring of inharmonic partials.
Signal BulletHit() {
    Signal out = Noise(Samples(0.45), 3);
    OnePole hiss(2500);
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = hiss.HighPass(out[i]) * std::exp(-Seconds(i) / 0.008);
    }
    constexpr double kPartials[][2] = {{620, 0.12}, {1480, 0.08}, {2210, 0.06}, {3350, 0.04}};
    for (const auto& [hz, tau] : kPartials) {
        Mix(out, Glide(0.45, hz, hz * 0.98, [tau](double t) { return Strike(t, 0.001, tau); }), 0, 0.35);
    }
    FadeOut(out, 0.15);
    return out;
}

Signal AirCrash() {
    return Explosion(2.4, 1.0, 4);
}

// Into the sea: a heavy impact, a splash of spray, then bubbles rising.
Signal SeaCrash() {
    Signal out = Glide(2.8, 90, 35, [](double t) { return Strike(t, 0.003, 0.15); });
    Signal splash = Noise(Samples(2.8), 5);
    BandPass body(1100, 0.5);
    OnePole spray(4500);
    for (std::size_t i = 0; i < splash.size(); ++i) {
        const double t = Seconds(i);
        splash[i] = body(splash[i]) * Strike(t, 0.02, 0.45) * 1.6 +
                    spray.HighPass(splash[i]) * Strike(t, 0.01, 0.25) * 0.5;
    }
    Mix(out, splash, 0, 1.0);
    Random random(6);
    for (int i = 0; i < 45; ++i) {
        const double at = random.Uniform(0.35, 2.5);
        const double hz = random.Uniform(450, 1000);
        const double length = random.Uniform(0.03, 0.07);
        const double fade = std::exp(-(at - 0.35) / 1.2);
        Mix(out, Glide(length, hz, hz * 1.9, [length](double t) { return std::sin(M_PI * t / length); }),
            Samples(at), 0.12 * fade);
    }
    FadeOut(out, 0.3);
    return out;
}

// The airship goes up in three blasts over a long rumble.
Signal BossExplosion() {
    Signal out = Roar(3.6, 400, 90, 1.2, 7);
    constexpr double kBlasts[][2] = {{0.0, 1.0}, {0.4, 0.8}, {1.0, 1.0}};
    for (const auto& [at, gain] : kBlasts) {
        Mix(out, Explosion(2.4, 1.3, static_cast<std::uint64_t>(10 + at * 10)), Samples(at), gain);
    }
    FadeOut(out, 0.4);
    return out;
}

}  // namespace datagen
