#include "AddingPass.h"

#include "AddingReport.h"
#include "TaskThreads.h"

#include <QEventLoop>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <mutex>
#include <optional>
#include <vector>

// What the workers share with the pass; it outlives a pass that ends (or is
// destroyed) while probes still run.
struct AddingPass::Shared {
    std::mutex mutex;
    std::vector<std::optional<ProbedFile>> probed;   // by list position
    AddingPass *owner = nullptr;                     // null once the pass takes no more notices
    std::atomic<bool> cancelled{false};

    std::optional<ProbedFile> Take(int position)
    {
        std::lock_guard lock(mutex);
        return std::exchange(probed[static_cast<size_t>(position)], std::nullopt);
    }
};

namespace {

// One pool for every pass: a pass that ends while probes still run leaves them to
// finish here rather than making anyone wait for them.
TaskThreads &ProbePool()
{
    static TaskThreads pool;
    return pool;
}

} // namespace

AddingPass::AddingPass(QStringList files, ClipProbeServices services, ClipTaker take, QObject *parent)
    : QObject(parent), files_(std::move(files)), services_(std::move(services)), take_(std::move(take)),
      shared_(std::make_shared<Shared>())
{
    shared_->probed.resize(static_cast<size_t>(files_.size()));
    shared_->owner = this;
}

AddingPass::~AddingPass()
{
    shared_->cancelled = true;
    std::lock_guard lock(shared_->mutex);
    shared_->owner = nullptr;
}

int AddingPass::DefaultWorkerCount()
{
    return std::clamp(QThread::idealThreadCount(), 1, 4);
}

void AddingPass::Start()
{
    if (started_)
        return;
    started_ = true;
    ProbePool().SetMaxThreadCount(std::max(workerCount_, 1));
    for (qsizetype position = 0; position < files_.size(); ++position) {
        ProbePool().Start([shared = shared_, position, file = files_[position], folder = services_.settingsFolder] {
            if (shared->cancelled)
                return;
            ProbedFile probed = ProbeFile(file, folder);
            std::lock_guard lock(shared->mutex);
            shared->probed[static_cast<size_t>(position)] = std::move(probed);
            if (shared->owner)
                QMetaObject::invokeMethod(shared->owner, "HandOverProbed", Qt::QueuedConnection);
        });
    }
    HandOverProbed();   // a pass without files ends at once
}

// The probed files at the head of the list become clips; after Cancel, the files
// still waiting for their probe are passed over. A frame-rate question runs a
// nested event loop, in which further notices find the loop already running.
void AddingPass::HandOverProbed()
{
    if (settling_ || ended_ || !started_)
        return;
    settling_ = true;
    const int count = static_cast<int>(files_.size());
    while (next_ < count) {
        std::optional<ProbedFile> probed = shared_->Take(next_);
        if (!probed && !cancelled_)
            break;
        if (probed)
            Settle(*probed);
        ++next_;
        emit Progress(next_, count);
    }
    settling_ = false;
    if (next_ == count)
        End();
}

void AddingPass::Settle(const ProbedFile &probed)
{
    std::unique_ptr<TVideoInfo> clip = ClipOfProbe(probed, services_);
    if (clip)
        take_(std::move(clip));
    else {
        rejected_ << FileWithReason(probed.fileName, probed.whyNot);
        emit FileRejected(probed.fileName, probed.whyNot);
    }
}

void AddingPass::Cancel()
{
    if (ended_ || cancelled_)
        return;
    cancelled_ = true;
    shared_->cancelled = true;
    HandOverProbed();
}

void AddingPass::WaitForEnd()
{
    if (ended_)
        return;
    QEventLoop loop;
    connect(this, &AddingPass::Ended, &loop, &QEventLoop::quit);
    loop.exec();
}

void AddingPass::WaitForAbandonedProbes()
{
    ProbePool().WaitForDone();
}

void AddingPass::End()
{
    ended_ = true;
    {
        std::lock_guard lock(shared_->mutex);
        shared_->owner = nullptr;
    }
    emit Ended();
}
