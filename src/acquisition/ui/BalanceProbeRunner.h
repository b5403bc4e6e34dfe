#pragma once

#include "acquisition/BalanceProbe.h"

#include <QObject>

#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace zephra {

// Detection and a single reading, run on a thread of their own so that the
// window never waits for the balance; the answer comes back on the main
// thread. One at a time. Destroying the runner interrupts what runs and
// waits for its thread, which ends at once; its answer is then dropped.
class BalanceProbeRunner : public QObject {
    Q_OBJECT

public:
    // What one probe gave: a balance found, a reading, or the failure's text.
    struct Answer {
        std::optional<DetectedBalance> detected;
        WeightReading reading;
        std::string failure; // the link's error; empty when the balance answered
    };
    using Done = std::function<void(const Answer&)>;

    explicit BalanceProbeRunner(QObject* parent = nullptr);
    ~BalanceProbeRunner() override;

    // Tries every dialect on `where` (see BalanceProbe::Detect).
    void Detect(const std::string& where, Done done);
    // Reads one weight from the balance of `profile` at `where`.
    void Read(const std::string& where, const BalanceProfile& profile, Done done);
    bool Busy() const { return busy_; }

private:
    void Run(const std::string& where, std::function<Answer(BalanceProbe&)> probe, Done done);
    void Stop();

    std::shared_ptr<BalanceProbe> probe_;
    std::thread thread_;
    bool busy_ = false;
};

} // namespace zephra
