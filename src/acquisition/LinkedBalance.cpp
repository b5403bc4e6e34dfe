#include "acquisition/LinkedBalance.h"

#include "acquisition/ComPortBalance.h"

#include <algorithm>
#include <cstdint>

namespace zephra {

LinkedBalance::LinkedBalance(std::unique_ptr<BalanceTransport> transport, int replyTimeoutMs)
    : transport_(std::move(transport)), replyTimeoutMs_(replyTimeoutMs) {}

void LinkedBalance::Close() noexcept {
    transport_->Close();
}

void LinkedBalance::Interrupt() noexcept {
    transport_->Interrupt();
}

void LinkedBalance::OpenExchange() {
    transport_->Open();
    deadline_ =
        std::chrono::steady_clock::now() +
        std::chrono::milliseconds(replyTimeoutMs_ + transport_->LineTimeMs(BalanceMaxReplyLength));
}

char LinkedBalance::ReadChar() {
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(deadline_ - std::chrono::steady_clock::now());
    return transport_->ReadChar(static_cast<int>(std::max<std::int64_t>(left.count(), 0)));
}

void LinkedBalance::OpenAndClose() {
    transport_->Open();
    transport_->EndExchange();
}

void LinkedBalance::Send(std::string_view request) {
    OpenExchange();
    transport_->Write(request);
    transport_->EndExchange();
}

std::optional<std::string> LinkedBalance::Ask(std::string_view request) {
    OpenExchange();
    transport_->Write(request);
    std::optional<std::string> line = ReadLine();
    transport_->EndExchange();
    return line;
}

std::optional<std::string> LinkedBalance::AskQuietly(std::string_view request) {
    try {
        return Ask(request);
    } catch (const BalanceError&) {
        transport_->Close();
        return std::nullopt;
    }
}

std::optional<std::string> LinkedBalance::ReadLine() {
    constexpr char Ack = '\x06';
    std::string line;
    for (std::size_t read = 0; read < BalanceMaxReplyLength; ++read) {
        const char c = ReadChar();
        if (c == '\r' || c == '\n' || c == Ack) {
            if (!line.empty())
                return line;
        } else {
            line += c;
        }
    }
    return std::nullopt;
}

WeightReading UnreadableReply() {
    WeightReading reading;
    reading.Error = true;
    return reading;
}

} // namespace zephra
