// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// quillway_rendercues FOLDER: plays a few short scripted games with the
// sound cues on, on the manual clock, and writes what they sound like to
// FOLDER/<scene>.wav (48 kHz, stereo, 16 bits), rendered by the very
// synthesiser the game plays through.

#include "game/cues.h"
#include "game/quillwaygame.h"

#include "platform/app.h"
#include "platform/sound.h"
#include "platform/testing/inputdriver.h"
#include "platform/testing/manualclock.h"
#include "platform/testing/scripteddialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int rate = platform::SdlSound::sampleRate;

// The synthesiser as the game's sound output, rendered on demand.
class SynthSound final : public platform::Sound
{
public:
    bool start(const QString &) override { return m_started = true; }
    void stop() override { m_started = false; }
    bool started() const override { return m_started; }
    void setVoice(int index, const platform::Voice &voice) override { synth.setVoice(index, voice); }
    void play(const platform::Note &note) override { synth.play(note); }

    platform::Synth synth{rate};

private:
    bool m_started = false;
};

// A game window on the manual clock, its sound rendered as time passes.
struct Scene {
    QTemporaryDir scores;
    platform::testing::ManualClock clock;
    platform::testing::ScriptedDialogs boxes{&clock};
    platform::App app{clock, boxes};
    SynthSound sound;
    game::QuillwayGame game{app, scores.path()};
    std::vector<float> samples;

    Scene()
    {
        app.setExitHandler([](int status) { throw platform::ProgramEnded{status}; });
        app.setSound(&sound);
        app.add(game);
        game.Show();
        platform::testing::input::pressKey(game, Qt::Key_S);
    }
    // The clock's step: each is rendered as it comes.
    static constexpr int grain = platform::Clock::resolutionMs;
    // Lets `ms` pass, rendering the sound of each step as it comes.
    void let(int ms)
    {
        for (int t = 0; t < ms; t += grain) {
            clock.advance(grain);
            const std::size_t at = samples.size();
            samples.resize(at + 2 * std::size_t(rate * grain / 1000));
            sound.synth.render(samples.data() + at, rate * grain / 1000);
        }
    }
    void key(int qtKey) { platform::testing::input::pressKey(game, qtKey); }
    // Waits (at most `ms`) until the cue of voice `index` (0: the nearer lane)
    // satisfies `ready`.
    void letUntil(int ms, int index, const std::function<bool(const game::LaneCue &)> &ready)
    {
        for (int t = 0; t < ms && !ready(game::cuesFor(game::fieldOf(game)).lanes[std::size_t(index)]); t += grain)
            let(grain);
    }
    void clearRoad()
    {
        for (platform::Image *v :
             {&game.RedCar1, &game.RedCar2, &game.RedCar3, &game.Lorry1, &game.Lorry2, &game.Lorry3})
            v->setLeft(50000);
        for (platform::Image *v : {&game.OrangeCar1, &game.OrangeCar2, &game.BlueCar1, &game.BlueCar2, &game.BlueCar3})
            v->setLeft(-50000);
    }
    bool write(const QString &path) const
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        QByteArray data;
        data.reserve(int(samples.size() * 2));
        for (float s : samples) {
            const qint16 v = qint16(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767));
            data.append(char(v & 0xff)).append(char((v >> 8) & 0xff));
        }
        QByteArray header;
        const auto put32 = [&header](quint32 v) {
            for (int i = 0; i < 4; ++i)
                header.append(char((v >> (8 * i)) & 0xff));
        };
        const auto put16 = [&header](quint16 v) { header.append(char(v & 0xff)).append(char(v >> 8)); };
        header.append("RIFF");
        put32(quint32(36 + data.size()));
        header.append("WAVEfmt ");
        put32(16);
        put16(1); // PCM
        put16(2);
        put32(rate);
        put32(rate * 4);
        put16(4);
        put16(16);
        header.append("data");
        put32(quint32(data.size()));
        return file.write(header) == header.size() && file.write(data) == data.size();
    }
};

using Script = std::function<void(Scene &)>;

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApp(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const std::vector<std::pair<const char *, Script>> scenes{
        // On the bottom verge at the far left: the red cars, the lane ahead,
        // come from the right; their pulses quicken, the held tone throbs
        // while one covers the column.
        {"verge",
         [](Scene &s) {
             for (int i = 0; i < 11; ++i) {
                 s.key(Qt::Key_Left);
                 s.let(32); // as a held key repeats
             }
             s.let(7000);
         }},
        // Up into the red lane once a car has passed, by ear: two voices, the
        // reed of the lane the hedgehog is in, the bell of the lane ahead.
        {"twolanes",
         [](Scene &s) {
             s.letUntil(8000, 0, [](const game::LaneCue &c) { return c.lane == 0 && c.covered; });
             s.letUntil(8000, 0, [](const game::LaneCue &c) { return c.lane == 0 && !c.covered; });
             s.key(Qt::Key_Up);
             s.let(2000);
             s.key(Qt::Key_Down);
             s.let(1500);
         }},
        // An empty road crossed row by row, to a new level: each step a note
        // higher, the chime, then the level's run up the scale; and a bump
        // at the edge of the road.
        {"crossing",
         [](Scene &s) {
             s.clearRoad();
             s.game.Score = 4500;
             for (int i = 0; i < 6; ++i) {
                 s.key(Qt::Key_Up);
                 s.let(350);
             }
             s.let(1200);
             s.key(Qt::Key_Down);
             s.let(400);
         }},
        // Into the red lane as a car arrives: its pulses race, then the hit.
        {"hit",
         [](Scene &s) {
             s.letUntil(8000, 0,
                        [](const game::LaneCue &c) { return c.lane == 0 && !c.covered && c.arrivalSteps == 6; });
             s.key(Qt::Key_Up);
             s.let(2500);
         }},
        // The countdown's last quarter: its ticks come faster to the end.
        {"countdown",
         [](Scene &s) {
             s.clearRoad();
             s.game.Timer.setWidth(2000);
             s.let(7000);
         }},
    };
    for (const auto &[name, script] : scenes) {
        Scene scene;
        script(scene);
        const QString path = folder.filePath(QString::fromLatin1(name) + QStringLiteral(".wav"));
        if (!scene.write(path)) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(path));
            return 1;
        }
        std::printf("%s: %.1f s\n", qPrintable(path), double(scene.samples.size()) / 2 / rate);
    }
    return 0;
}
