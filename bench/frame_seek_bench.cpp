// Frame service and probe latency of the engine.
//
//   frame_seek_bench <libKorvid.so> <media file> [seeks]
//
// Loads the engine as the program does, probes the file a few times (each probe
// includes decoding the first picture; the first also pays for loading the
// engine's libraries and for its first large blocks of memory, as a program's
// first probe does), then starts the frame service and asks for pictures at
// pseudo-random seconds, then for ten seconds in a row (a drag of the preview's
// slider to the right), then ten more to the left, then, at a few places, for
// the next seconds and the same second again after a pause (a handle released
// and taken up again), timing each from the request to the engine's "frame
// ready" message. Prints median and 90th percentile of the wall time, and the
// process's processor time per operation (all threads), which a busy machine
// inflates far less than the wall time, with the load average.
// After the timed seeks (BENCH_EXACT=0 skips it) each seek's picture is compared
// with the ffmpeg program's frame shown at that second and with its neighbours.
#include "frame_seek_bench_reference.h"
#include "korvid.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <mutex>
#include <string>
#include <thread>
#include <sys/resource.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kProbeRuns = 5;
constexpr int kDefaultSeeks = 40;
constexpr int kDragSeeks = 10;
constexpr int kResumePlaces = 5;
constexpr std::chrono::milliseconds kResumePause{1500};
constexpr int kCheckWidth = 320;
constexpr int kCheckHeight = 180;
constexpr double kExactPsnr = 45;       // dB against the right frame
constexpr double kNeighbourMargin = 3;  // dB better than against either neighbour

// Counts the frame service's messages and wakes the waiting benchmark.
struct CountingWindow : KorvidWindow {
    std::mutex mutex;
    std::condition_variable changed;
    int ready = 0;
    int frames = 0;
    int closed = 0;

    CountingWindow() : KorvidWindow{&CountingWindow::Record} {}
    static void Record(KorvidWindow *self, uint32_t message, uintptr_t, intptr_t) {
        auto *window = static_cast<CountingWindow *>(self);
        std::lock_guard lock(window->mutex);
        window->ready += message == KORVID_MSG_READY;
        window->frames += message == KORVID_MSG_FRAME;
        window->closed += message == KORVID_MSG_CLOSED;
        window->changed.notify_all();
    }
    template <typename Condition>
    void WaitUntil(Condition condition) {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return condition(*this); });
    }
};

struct Engine {
    void *handle = nullptr;
    decltype(&X_GetFileinfo_GetPic) probe = nullptr;
    decltype(&X_GetFrame_Init) init = nullptr;
    decltype(&X_Set_NextFrame_Time) seek = nullptr;
    decltype(&X_GetFrame_UnInit) uninit = nullptr;
    decltype(&X_Get_Frame) getFrame = nullptr;

    explicit Engine(const char *path) : handle(dlopen(path, RTLD_NOW | RTLD_LOCAL)) {
        if (!handle)
            return;
        probe = reinterpret_cast<decltype(probe)>(dlsym(handle, "X_GetFileinfo_GetPic"));
        init = reinterpret_cast<decltype(init)>(dlsym(handle, "X_GetFrame_Init"));
        seek = reinterpret_cast<decltype(seek)>(dlsym(handle, "X_Set_NextFrame_Time"));
        uninit = reinterpret_cast<decltype(uninit)>(dlsym(handle, "X_GetFrame_UnInit"));
        getFrame = reinterpret_cast<decltype(getFrame)>(dlsym(handle, "X_Get_Frame"));
    }
    ~Engine() {
        if (handle)
            dlclose(handle);
    }
    bool Usable() const { return probe && init && seek && uninit && getFrame; }
};

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double ProcessorMilliseconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// Wall and processor milliseconds of each repetition.
struct Timings {
    std::vector<double> wall;
    std::vector<double> processor;
    void Add(Clock::time_point start, double processorStart) {
        wall.push_back(MillisecondsSince(start));
        processor.push_back(ProcessorMilliseconds() - processorStart);
    }
};

double Percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    size_t index = static_cast<size_t>(fraction * (values.size() - 1) + 0.5);
    return values[index];
}

// Probe times; `info` keeps the last probe's record.
Timings TimeProbes(Engine &engine, const std::string &file, EngineFileInfo &info) {
    Timings times;
    for (int run = 0; run < kProbeRuns; ++run) {
        std::vector<char> buffer(file.begin(), file.end());
        buffer.resize(file.size() + 10, '\0');
        Clock::time_point start = Clock::now();
        double processorStart = ProcessorMilliseconds();
        if (engine.probe(buffer.data(), 10, &info, 0) < 0)
            return {};
        times.Add(start, processorStart);
    }
    return times;
}

// The second asked for and the engine's picture then (empty when none).
struct SeekAnswer {
    int second = 0;
    std::vector<uint8_t> picture;
};

std::vector<uint8_t> CurrentPicture(Engine &engine) {
    uint8_t *pixels = nullptr;
    int32_t result[4] = {};
    if (engine.getFrame(kCheckWidth, kCheckHeight, nullptr, &pixels, result) != 0 || !pixels)
        return {};
    return std::vector<uint8_t>(pixels, pixels + kCheckWidth * kCheckHeight * 3);
}

// Seconds to seek to: pseudo-random ones spread over the whole file, then a
// drag forward, one second a step, from a point in the middle.
std::vector<int> RandomSeconds(int durationSeconds, int count) {
    std::vector<int> seconds;
    uint32_t state = 20240611;
    for (int i = 0; i < count; ++i) {
        state = state * 1664525u + 1013904223u;
        seconds.push_back(static_cast<int>((state >> 8) % static_cast<uint32_t>(std::max(durationSeconds - 1, 1))));
    }
    return seconds;
}

// One request of a run: untimed ones set the scene, a pause lets the engine idle.
struct Step {
    int second = 0;
    bool timed = true;
    std::chrono::milliseconds pauseBefore{0};
};

std::vector<Step> TimedSteps(const std::vector<int> &seconds) {
    std::vector<Step> steps;
    for (int second : seconds)
        steps.push_back({second});
    return steps;
}

// Ten seconds in a row from `from`, one second a step in `direction` (1 or -1).
std::vector<Step> DragSteps(int durationSeconds, int from, int direction) {
    std::vector<int> seconds;
    for (int i = 0; i < kDragSeeks; ++i)
        seconds.push_back(std::clamp(from + direction * i, 0, std::max(durationSeconds - 1, 0)));
    return TimedSteps(seconds);
}

// At a few places: an untimed seek, a pause, then the next three seconds and
// the place itself again, each after a pause.
std::vector<Step> ResumeSteps(int durationSeconds) {
    std::vector<Step> steps;
    for (int place : RandomSeconds(std::max(durationSeconds - 4, 1), kResumePlaces)) {
        steps.push_back({place, false});
        for (int second : {place + 1, place + 2, place + 3, place})
            steps.push_back({second, true, kResumePause});
    }
    return steps;
}

// Seek times of the frame service, started once for all of them; the pictures
// are fetched outside the timed part.
std::vector<Timings> TimeSeeks(Engine &engine, const std::string &file, const std::vector<std::vector<Step>> &runs,
                               std::vector<SeekAnswer> &answers) {
    CountingWindow window;
    engine.init(&window, 2, file.c_str(), "", "0");
    window.WaitUntil([](CountingWindow &w) { return w.ready > 0; });
    std::vector<Timings> times(runs.size());
    int asked = 0;
    for (size_t run = 0; run < runs.size(); ++run) {
        for (const Step &step : runs[run]) {
            std::this_thread::sleep_for(step.pauseBefore);
            Clock::time_point start = Clock::now();
            double processorStart = ProcessorMilliseconds();
            engine.seek(step.second);
            ++asked;
            window.WaitUntil([asked](CountingWindow &w) { return w.frames >= asked; });
            if (step.timed)
                times[run].Add(start, processorStart);
            answers.push_back({step.second, CurrentPicture(engine)});
        }
    }
    engine.uninit();
    window.WaitUntil([](CountingWindow &w) { return w.closed > 0; });
    return times;
}

// Seeks whose picture is not the ffmpeg program's frame shown at that second.
int CountInexact(const std::string &file, const std::vector<SeekAnswer> &answers) {
    benchreference::FrameReference reference(file, kCheckWidth, kCheckHeight);
    int inexact = 0;
    for (const SeekAnswer &answer : answers) {
        benchreference::FramesAround frames = reference.Around(answer.second);
        double exact = benchreference::Psnr(answer.picture, frames.shown);
        double before = benchreference::Psnr(answer.picture, frames.before);
        double after = benchreference::Psnr(answer.picture, frames.after);
        if (exact > kExactPsnr && exact > before + kNeighbourMargin && exact > after + kNeighbourMargin)
            continue;
        ++inexact;
        std::printf("  NOT EXACT at %d s: %.1f dB (previous frame %.1f dB, next %.1f dB)\n", answer.second, exact,
                    before, after);
    }
    return inexact;
}

double LoadAverage() {
    double load = 0;
    return getloadavg(&load, 1) == 1 ? load : -1;
}

} // namespace

int main(int argc, char **argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <libKorvid.so> <media file> [seeks]\n", argv[0]);
        return 2;
    }
    Engine engine(argv[1]);
    if (!engine.Usable()) {
        std::fprintf(stderr, "cannot load the engine %s: %s\n", argv[1], dlerror());
        return 1;
    }
    const std::string file = argv[2];
    const int seeks = argc > 3 ? std::max(1, std::atoi(argv[3])) : kDefaultSeeks;
    EngineFileInfo info{};
    Timings probes = TimeProbes(engine, file, info);
    if (probes.wall.empty()) {
        std::fprintf(stderr, "the engine cannot probe %s\n", file.c_str());
        return 1;
    }
    double loadBefore = LoadAverage();
    std::vector<SeekAnswer> answers;
    std::vector<Timings> seekTimes =
        TimeSeeks(engine, file,
                  {TimedSteps(RandomSeconds(info.durationSeconds, seeks)),
                   DragSteps(info.durationSeconds, info.durationSeconds / 2, 1),
                   DragSteps(info.durationSeconds, info.durationSeconds * 3 / 4, -1),
                   ResumeSteps(info.durationSeconds)},
                  answers);
    std::printf("%s: %dx%d, %d s (load average %.1f before, %.1f after)\n", file.c_str(), info.width, info.height,
                info.durationSeconds, loadBefore, LoadAverage());
    std::printf("  probe: median %.1f ms (processor %.1f ms); the process's first %.1f ms (processor %.1f ms)\n",
                Percentile(probes.wall, 0.5), Percentile(probes.processor, 0.5), probes.wall.front(),
                probes.processor.front());
    const char *names[] = {"seek: ", "drag: ", "drag back: ", "after a pause: "};
    for (size_t run = 0; run < seekTimes.size(); ++run) {
        const Timings &t = seekTimes[run];
        std::printf("  %s median %.1f ms, p90 %.1f ms, max %.1f ms (processor median %.1f ms, p90 %.1f ms; %zu seeks)\n",
                    names[run], Percentile(t.wall, 0.5), Percentile(t.wall, 0.9), Percentile(t.wall, 1.0),
                    Percentile(t.processor, 0.5), Percentile(t.processor, 0.9), t.wall.size());
    }
    std::fflush(stdout);
    const char *check = std::getenv("BENCH_EXACT");
    if (check && std::string(check) == "0")
        return 0;
    int inexact = CountInexact(file, answers);
    std::printf("  frame-exact: %d of %zu seeks\n", static_cast<int>(answers.size()) - inexact, answers.size());
    return inexact == 0 ? 0 : 1;
}
