#pragma once
// One adding pass over a list of files: the probes run on worker threads (one per
// core, at most four), and the clips are made and handed over in list order on the
// thread that started the pass, which also answers the frame-rate questions in that
// order. The pass therefore ends with the list, the report and the questions of a
// pass that probes one file after the other. Cancel leaves out the files not yet
// probed; the clips already probed are still handed over.

#include "ClipProbe.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

class AddingPass : public QObject {
    Q_OBJECT
public:
    using ClipTaker = std::function<void(std::unique_ptr<TVideoInfo>)>;

    AddingPass(QStringList files, ClipProbeServices services, ClipTaker take, QObject *parent = nullptr);
    ~AddingPass() override;

    // The processor's cores, at most four.
    static int DefaultWorkerCount();
    void SetWorkerCount(int count) { workerCount_ = count; }   // before Start

    void Start();
    void Cancel();
    // Runs the calling thread's events until the pass has ended.
    void WaitForEnd();
    // Blocks until the probes that cancelled or destroyed passes left running have
    // finished; for owners that go down with the engine or the media library.
    static void WaitForAbandonedProbes();

    bool WasCancelled() const { return cancelled_; }
    // "file (reason)" for each file that could not be added, in list order.
    const QStringList &Rejected() const { return rejected_; }

signals:
    void Progress(int done, int total);   // files settled so far
    void FileRejected(const QString &fileName, const QString &reason);   // in list order, between the clips
    void Ended();

private:
    struct Shared;
    Q_INVOKABLE void HandOverProbed();
    void Settle(const ProbedFile &probed);
    void End();

    const QStringList files_;
    const ClipProbeServices services_;
    const ClipTaker take_;
    std::shared_ptr<Shared> shared_;
    int workerCount_ = DefaultWorkerCount();
    int next_ = 0;   // the first file not yet settled
    bool started_ = false;
    bool settling_ = false;
    bool cancelled_ = false;
    bool ended_ = false;
    QStringList rejected_;
};
