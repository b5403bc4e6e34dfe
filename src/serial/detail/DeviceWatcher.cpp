#include "serial/detail/DeviceWatcher.h"

#include <atomic>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <mutex>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace zephra::serial::detail {

namespace {

bool LettersThenDigits(const std::string& text, std::size_t from, bool needLetter) {
    std::size_t i = from;
    while (i < text.size() && std::isalpha(static_cast<unsigned char>(text[i]))) {
        ++i;
    }
    if (needLetter && i == from) {
        return false;
    }
    const std::size_t digits = i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        ++i;
    }
    return i == text.size() && i > digits;
}

} // namespace

bool IsSerialNodeName(const std::string& name) {
    if (name.rfind("tty", 0) == 0) {
        return LettersThenDigits(name, 3, true);
    }
    if (name.rfind("rfcomm", 0) == 0) {
        return LettersThenDigits(name, 6, false);
    }
    return false;
}

/// What the watcher thread and the owner share; the thread keeps it alive
/// until it ends, so the owner may go first when it stops from a report.
struct DeviceWatcher::Shared {
    std::string folder;
    Callback callback;
    int inotifyFd = -1;
    int stopFd = -1;
    std::thread thread;
    std::atomic<bool> stopping{false};
    /// Held while the owner finishes starting, so reports wait until it is complete.
    std::mutex starting;

    ~Shared() {
        for (int fd : {inotifyFd, stopFd}) {
            if (fd >= 0) {
                ::close(fd);
            }
        }
    }

    void Run() {
        { const std::lock_guard started(starting); }
        alignas(inotify_event) char buffer[16 * (sizeof(inotify_event) + NAME_MAX + 1)];
        for (;;) {
            pollfd fds[2] = {{inotifyFd, POLLIN, 0}, {stopFd, POLLIN, 0}};
            if (poll(fds, 2, -1) < 0 && errno != EINTR) {
                return;
            }
            if ((fds[1].revents & POLLIN) != 0) {
                return;
            }
            const ssize_t length = ::read(inotifyFd, buffer, sizeof buffer);
            if (length <= 0) {
                if (length < 0 && (errno == EAGAIN || errno == EINTR)) {
                    continue;
                }
                return;
            }
            for (ssize_t offset = 0; offset < length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + offset);
                offset += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
                if (stopping) {
                    return;
                }
                if (event->len == 0 || !IsSerialNodeName(event->name)) {
                    continue;
                }
                const bool arrived = (event->mask & (IN_CREATE | IN_MOVED_TO)) != 0;
                callback(arrived, folder + "/" + event->name);
            }
        }
    }
};

DeviceWatcher::DeviceWatcher(const std::string& folder, Callback callback, int& error)
    : shared_(std::make_shared<Shared>()) {
    shared_->folder = folder;
    shared_->callback = std::move(callback);
    shared_->inotifyFd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (shared_->inotifyFd < 0 ||
        inotify_add_watch(shared_->inotifyFd, folder.c_str(),
                          IN_CREATE | IN_DELETE | IN_MOVED_TO | IN_MOVED_FROM | IN_ONLYDIR) < 0) {
        error = errno;
        shared_.reset();
        return;
    }
    shared_->stopFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (shared_->stopFd < 0) {
        error = errno;
        shared_.reset();
        return;
    }
    std::unique_lock starting(shared_->starting);
    try {
        shared_->thread = std::thread([shared = shared_] { shared->Run(); });
    } catch (const std::system_error& e) {
        starting.unlock();
        error = e.code().value();
        shared_.reset();
        return;
    }
    error = 0;
}

DeviceWatcher::~DeviceWatcher() {
    if (!shared_) {
        return;
    }
    shared_->stopping = true;
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(shared_->stopFd, &one, sizeof one);
    if (shared_->thread.get_id() == std::this_thread::get_id()) {
        // Stopped from one of its own reports: the thread ends after it.
        shared_->thread.detach();
    } else {
        shared_->thread.join();
    }
}

} // namespace zephra::serial::detail
