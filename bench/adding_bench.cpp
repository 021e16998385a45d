// Adding clips to the list: each file probed alone, one after the other, then all of
// them in one adding pass with its worker threads, in the same run.
//
//   adding_bench <media file>...
//
// Run it from a folder holding libKorvid.so (the program's folder, where the probe
// loads the engine from). Prints the sum of the single probes, the pass's wall time
// and their ratio; exits 1 when the ratio is above the goal.
#include "AddingPass.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

namespace {

constexpr double kGoalRatio = 0.6;

double Seconds(const QElapsedTimer &clock)
{
    return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList files = QCoreApplication::arguments().mid(1);
    QTemporaryDir scratch;
    if (files.isEmpty() || !scratch.isValid()) {
        std::fprintf(stderr, "usage: adding_bench <media file>...\n");
        return 2;
    }
    ClipProbeServices services;
    services.settingsFolder = scratch.path() + QLatin1Char('/');

    ProbeFile(files.first(), services.settingsFolder);   // the libraries loaded and the file cached once
    double singleProbes = 0;
    for (const QString &file : files) {
        QElapsedTimer clock;
        clock.start();
        const ProbedFile probed = ProbeFile(file, services.settingsFolder);
        singleProbes += Seconds(clock);
        if (!probed.whyNot.isEmpty()) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(file), qPrintable(probed.whyNot));
            return 2;
        }
    }

    int added = 0;
    AddingPass pass(files, services, [&added](std::unique_ptr<TVideoInfo>) { ++added; });
    QElapsedTimer clock;
    clock.start();
    pass.Start();
    pass.WaitForEnd();
    const double passSeconds = Seconds(clock);

    const double ratio = passSeconds / singleProbes;
    std::printf("%d files, %d cores, %d workers\n", static_cast<int>(files.size()), QThread::idealThreadCount(),
                AddingPass::DefaultWorkerCount());
    std::printf("single probes %.3f s, adding pass %.3f s (%d added), ratio %.2f (goal <= %.2f)\n", singleProbes,
                passSeconds, added, ratio, kGoalRatio);
    return added == files.size() && ratio <= kGoalRatio ? 0 : 1;
}
