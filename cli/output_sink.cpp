#include "cli/output_sink.h"

#include <cerrno>
#include <cstring>

namespace zelmarino::cli {

namespace {

[[noreturn]] void fail() {
    // The C library sets errno on a failed write; should one not, the device is to blame.
    const int error = errno != 0 ? errno : EIO;
    throw WriteError(std::strerror(error)); // NOLINT(concurrency-mt-unsafe): one thread
}

} // namespace

void FileSink::write(std::string_view text) {
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), m_file) != text.size()) {
        fail();
    }
}

void FileSink::flush() {
    errno = 0;
    if (std::fflush(m_file) != 0) {
        fail();
    }
}

} // namespace zelmarino::cli
