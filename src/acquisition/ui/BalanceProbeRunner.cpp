#include "acquisition/ui/BalanceProbeRunner.h"

#include <QMetaObject>

namespace zephra {

BalanceProbeRunner::BalanceProbeRunner(QObject* parent) : QObject(parent) {}

BalanceProbeRunner::~BalanceProbeRunner() {
    Stop();
}

void BalanceProbeRunner::Stop() {
    if (probe_)
        probe_->Interrupt();
    if (thread_.joinable())
        thread_.join();
}

void BalanceProbeRunner::Detect(const std::string& where, Done done) {
    Run(
        where,
        [](BalanceProbe& probe) {
            Answer answer;
            try {
                answer.detected = probe.Detect();
            } catch (const BalanceError& e) {
                answer.failure = e.what();
            }
            return answer;
        },
        std::move(done));
}

void BalanceProbeRunner::Read(const std::string& where, const BalanceProfile& profile, Done done) {
    Run(
        where,
        [profile](BalanceProbe& probe) {
            Answer answer;
            try {
                answer.reading = probe.Read(profile);
            } catch (const BalanceError& e) {
                answer.failure = e.what();
            }
            return answer;
        },
        std::move(done));
}

void BalanceProbeRunner::Run(const std::string& where, std::function<Answer(BalanceProbe&)> probe,
                             Done done) {
    if (busy_)
        return;
    Stop();
    busy_ = true;
    probe_ = std::make_shared<BalanceProbe>(where);
    thread_ =
        std::thread([this, probe = std::move(probe), done = std::move(done), balance = probe_] {
            Answer answer;
            try {
                answer = probe(*balance);
            } catch (const BalanceInterrupted&) {
                return; // the runner is going away
            }
            QMetaObject::invokeMethod(
                this,
                [this, answer, done] {
                    busy_ = false;
                    done(answer);
                },
                Qt::QueuedConnection);
        });
}

} // namespace zephra
