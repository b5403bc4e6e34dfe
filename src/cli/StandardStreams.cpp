#include "cli/StandardStreams.h"

#include <cerrno>
#include <poll.h>
#include <system_error>
#include <unistd.h>

namespace zephra::cli {

StandardInputBuffer::int_type StandardInputBuffer::underflow() {
    for (;;) {
        const ssize_t n = ::read(STDIN_FILENO, buffer_.data(), buffer_.size());
        if (n > 0) {
            setg(buffer_.data(), buffer_.data(), buffer_.data() + n);
            return traits_type::to_int_type(buffer_[0]);
        }
        if (n == 0) {
            return traits_type::eof();
        }
        if (errno != EINTR) {
            throw std::system_error(errno, std::generic_category(), "standard input");
        }
    }
}

StandardOutputBuffer::StandardOutputBuffer() {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

int StandardOutputBuffer::Finish() {
    Drain();
    return error_;
}

StandardOutputBuffer::int_type StandardOutputBuffer::overflow(int_type c) {
    if (!Drain()) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int StandardOutputBuffer::sync() {
    return Drain() ? 0 : -1;
}

bool StandardOutputBuffer::Drain() {
    const char* next = pbase();
    while (error_ == 0 && next < pptr()) {
        const ssize_t n = ::write(STDOUT_FILENO, next, static_cast<std::size_t>(pptr() - next));
        if (n >= 0) {
            next += n;
        } else if (errno != EINTR) {
            error_ = errno;
        }
    }
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return error_ == 0;
}

bool StandardOutputGone() {
    // Linux reports POLLERR on a pipe's writing end once its reader has
    // gone, and POLLHUP on a socket whose peer has closed.
    pollfd out{STDOUT_FILENO, 0, 0};
    return ::poll(&out, 1, 0) == 1 && (out.revents & (POLLERR | POLLHUP)) != 0;
}

} // namespace zephra::cli
