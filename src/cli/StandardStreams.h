#pragma once

// The tool's standard input and output, with their failures made known:
// std::cin takes a failed read (standard input is a folder, say) for the
// end of the input, and std::cout keeps quiet about a write that fails (a
// full disk) until it is asked at the very end.

#include <array>
#include <streambuf>

namespace zephra::cli {

// Standard input read from its descriptor. A read that fails throws
// std::system_error with the system's error, which reaches the reader (an
// istreambuf_iterator, or an istream whose exceptions include badbit).
class StandardInputBuffer : public std::streambuf {
protected:
    int_type underflow() override;

private:
    std::array<char, 65536> buffer_{};
};

// Standard output written to its descriptor through a buffer. After a
// write fails, the stream writing to it goes bad and nothing more is
// written.
class StandardOutputBuffer : public std::streambuf {
public:
    StandardOutputBuffer();
    // Writes what is buffered; 0, or the errno of the first write that
    // failed.
    int Finish();

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    bool Drain();

    std::array<char, 65536> buffer_{};
    int error_ = 0;
};

// Whether standard output leads nowhere any more: a pipe or a socket whose
// reader has gone (`zephra-cli collect | head -1`), where every write would
// fail.
bool StandardOutputGone();

} // namespace zephra::cli
