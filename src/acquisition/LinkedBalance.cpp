#include "acquisition/LinkedBalance.h"

#include "acquisition/ComPortBalance.h"

namespace zephra {

LinkedBalance::LinkedBalance(std::unique_ptr<BalanceTransport> transport, int replyTimeoutMs)
    : transport_(std::move(transport)), replyTimeoutMs_(replyTimeoutMs) {}

void LinkedBalance::Close() noexcept {
    transport_->Close();
}

void LinkedBalance::Interrupt() noexcept {
    transport_->Interrupt();
}

void LinkedBalance::Send(std::string_view request) {
    transport_->Open();
    transport_->Write(request);
    transport_->EndExchange();
}

std::optional<std::string> LinkedBalance::Ask(std::string_view request) {
    transport_->Open();
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
        const char c = transport_->ReadChar(replyTimeoutMs_);
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
