// The six sound samples, synthesised: bone clack, glass tinkle, rubber-duck
// squeak, a step in water, a hurt ork's growl and yelp, a blade's thud.
#include "Families.h"
#include "Rng.h"
#include "Synth.h"
#include "WavFile.h"

#include <cmath>

namespace {

using synth::Filter;
using synth::Rate;
using synth::Samples;

constexpr float Loudness = 0.22f;   // RMS of the loudest 20 ms, shared by all
constexpr float Peak = 0.85f;       // about -1.4 dBFS
constexpr float TwoPi = 2.0f * float(M_PI);
// Fades for the sounds whose first sample or last moments are not already
// silent; without them those ends click.
constexpr float HeadFade = 0.004f;
constexpr float TailFade = 0.04f;

float decay(float t, float tau) { return std::exp(-t / tau); }
float attack(float t, float rise) { return t < rise ? t / rise : 1.0f; }

Samples noiseBurst(Rng& rng, float seconds, float tau, Filter filter)
{
    Samples s = synth::silence(seconds);
    for (size_t i = 0; i < s.size(); ++i) {
        float t = float(i) / Rate;
        s[i] = filter.run(rng.signedUnit()) * decay(t, tau) * attack(t, 0.001f);
    }
    return s;
}

// A struck resonance: a few partials, each dying at its own rate.
Samples ring(float seconds, std::initializer_list<float> partials, float tau)
{
    Samples s = synth::silence(seconds);
    int k = 0;
    for (float hz : partials) {
        float amp = 1.0f / (1 + k), t_k = tau / (1 + 0.6f * k);
        for (size_t i = 0; i < s.size(); ++i) {
            float t = float(i) / Rate;
            s[i] += amp * std::sin(TwoPi * hz * t) * decay(t, t_k) * attack(t, 0.0005f);
        }
        ++k;
    }
    return s;
}

Samples bone()
{
    Rng rng(601);
    Samples s = synth::silence(0.3f);
    const float clacks[] = {0.0f, 0.032f, 0.058f};
    for (float at : clacks) {
        synth::mixIn(s, noiseBurst(rng, 0.05f, 0.006f, Filter::bandPass(rng.range(1600, 2400), 2.5f)), at, 1.0f);
        synth::mixIn(s, ring(0.05f, {rng.range(700, 950), rng.range(1900, 2300)}, 0.012f), at, 0.5f);
    }
    Filter grit = Filter::bandPass(3200, 1.2f);
    for (size_t i = 0; i < s.size(); ++i) {
        float t = float(i) / Rate;
        if (rng.uniform() < 0.02f * decay(t, 0.06f))
            s[i] += 0.6f * grit.run(rng.signedUnit() * 4.0f);
        else
            s[i] += 0.6f * grit.run(0.0f);
    }
    return s;
}

Samples glass()
{
    Rng rng(602);
    Samples s = synth::silence(0.75f);
    synth::mixIn(s, noiseBurst(rng, 0.04f, 0.005f, Filter::highPass(4000)), 0.0f, 1.2f);
    for (int i = 0; i < 11; ++i) {
        float hz = rng.range(2600, 4600);
        float at = i == 0 ? 0.0f : rng.range(0.0f, 0.32f) * rng.uniform();
        synth::mixIn(s, ring(0.4f, {hz, hz * 1.47f, hz * 2.09f}, rng.range(0.04f, 0.11f)), at, rng.range(0.3f, 0.8f));
    }
    return s;
}

Samples ducky()
{
    Rng rng(603);
    Samples s = synth::silence(0.34f);
    Filter nose = Filter::bandPass(2100, 2.0f), body = Filter::bandPass(1100, 1.5f);
    float phase = 0.0f;
    for (size_t i = 0; i < s.size(); ++i) {
        float t = float(i) / Rate;
        float glide = t < 0.08f ? 880 + 420 * (t / 0.08f) : 1300 - 300 * ((t - 0.08f) / 0.26f);
        phase += (glide + 25 * std::sin(TwoPi * 28 * t)) / Rate;
        phase -= std::floor(phase);
        float pulse = phase < 0.3f ? 1.0f : -0.43f;
        float breath = 0.15f * rng.signedUnit();
        float env = attack(t, 0.012f) * (t < 0.22f ? 1.0f : decay(t - 0.22f, 0.04f));
        s[i] = (nose.run(pulse + breath) * 0.9f + body.run(pulse) * 0.5f) * env;
    }
    return s;
}

Samples splash()
{
    Rng rng(604);
    Samples s = synth::silence(0.5f);
    Filter wash = Filter::lowPass(2200);
    Filter hiss = Filter::bandPass(5200, 0.8f);
    for (size_t i = 0; i < s.size(); ++i) {
        float t = float(i) / Rate;
        float n = rng.signedUnit();
        s[i] = wash.run(n) * attack(t, 0.006f) * decay(t, 0.09f) + 0.35f * hiss.run(n) * decay(t, 0.05f);
    }
    for (int b = 0; b < 7; ++b) {
        float at = rng.range(0.01f, 0.28f), hz = rng.range(350, 900), len = rng.range(0.02f, 0.05f);
        Samples bubble = synth::silence(len * 2);
        float phase = 0.0f;
        for (size_t i = 0; i < bubble.size(); ++i) {
            float t = float(i) / Rate;
            phase += hz * (1.0f + 1.8f * t / len) / Rate;
            bubble[i] = std::sin(TwoPi * phase) * decay(t, len * 0.5f) * attack(t, 0.002f);
        }
        synth::mixIn(s, bubble, at, rng.range(0.2f, 0.45f));
    }
    return s;
}

// Growl into a yelp: a buzzing voice through two mouth formants whose
// pitch leaps up as the blade goes in.
Samples warg()
{
    Rng rng(605);
    Samples s = synth::silence(0.75f);
    Filter low = Filter::bandPass(600, 2.5f), high = Filter::bandPass(1400, 3.0f), chest = Filter::lowPass(900);
    float phase = 0.0f, rough = 0.0f;
    for (size_t i = 0; i < s.size(); ++i) {
        float t = float(i) / Rate;
        float pitch;
        if (t < 0.22f)
            pitch = 95 + 10 * std::sin(TwoPi * 6 * t);
        else if (t < 0.34f)
            pitch = 95 + (560 - 95) * (t - 0.22f) / 0.12f;
        else
            pitch = 560 - 300 * (t - 0.34f) / 0.41f;
        rough += 0.08f * (rng.signedUnit() - rough);
        phase += pitch * (1.0f + 0.06f * rough) / Rate;
        phase -= std::floor(phase);
        float saw = 2.0f * phase - 1.0f;
        float growl = t < 0.26f ? 0.6f + 0.4f * std::sin(TwoPi * 32 * t) : 1.0f;
        float env = attack(t, 0.02f) * (t < 0.55f ? 1.0f : decay(t - 0.55f, 0.06f));
        float voice = low.run(saw) + (t > 0.22f ? 0.8f : 0.3f) * high.run(saw) + 0.5f * chest.run(saw);
        s[i] = (voice + 0.08f * rng.signedUnit()) * growl * env;
    }
    return s;
}

Samples splat()
{
    Rng rng(606);
    Samples s = synth::silence(0.35f);
    float phase = 0.0f;
    for (size_t i = 0; i < s.size(); ++i) {
        float t = float(i) / Rate;
        phase += (48 + 90 * decay(t, 0.025f)) / Rate;
        s[i] = std::sin(TwoPi * phase) * decay(t, 0.07f) * attack(t, 0.002f);
    }
    synth::mixIn(s, noiseBurst(rng, 0.08f, 0.012f, Filter::lowPass(1400)), 0.0f, 0.9f);
    synth::mixIn(s, noiseBurst(rng, 0.1f, 0.025f, Filter::bandPass(2600, 1.0f)), 0.004f, 0.35f);
    synth::mixIn(s, ring(0.15f, {1730, 2610}, 0.03f), 0.0f, 0.12f);
    return s;
}

// Fades come after balancing, so the level of everything between them is
// the same as without.
void writeSound(const std::string& path, Samples s, float fadeIn = 0.0f, float fadeOut = 0.0f)
{
    synth::balance(s, Loudness, Peak);
    synth::fadeIn(s, fadeIn);
    synth::fadeOut(s, fadeOut);
    requireWritten(writeWav(path, s), path);
}

}

void makeSounds(const std::string& game)
{
    writeSound(dataFileIn(game, DataFile::Bone), bone());
    writeSound(dataFileIn(game, DataFile::Glass), glass());
    writeSound(dataFileIn(game, DataFile::Ducky), ducky(), 0.0f, TailFade);
    writeSound(dataFileIn(game, DataFile::Splash), splash(), HeadFade, TailFade);
    writeSound(dataFileIn(game, DataFile::Warg), warg(), 0.0f, TailFade);
    writeSound(dataFileIn(game, DataFile::Splat), splat(), 0.0f, TailFade);
}
