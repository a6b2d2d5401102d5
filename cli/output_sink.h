// Where the program's output goes, a piece at a time, so a long table is written as it is
// made. A piece that cannot be written whole ends the run.
#pragma once

#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zelmarino::cli {

// The output could not be written; `reason` says why, as the system put it.
class WriteError : public std::runtime_error {
public:
    explicit WriteError(const std::string& reason)
        : std::runtime_error(reason) {}
};

class OutputSink {
public:
    OutputSink() = default;
    OutputSink(const OutputSink&) = delete;
    OutputSink& operator=(const OutputSink&) = delete;
    OutputSink(OutputSink&&) = delete;
    OutputSink& operator=(OutputSink&&) = delete;
    virtual ~OutputSink() = default;

    // Both throw WriteError.
    virtual void write(std::string_view text) = 0;
    virtual void flush() {}
};

// Collects the output, for tests and benchmarks.
class StringSink final : public OutputSink {
public:
    explicit StringSink(std::string& text)
        : m_text(text) {}
    void write(std::string_view text) override { m_text.append(text); }

private:
    std::string& m_text;
};

// Writes to an open stream such as stdout.
class FileSink final : public OutputSink {
public:
    explicit FileSink(std::FILE* file)
        : m_file(file) {}
    void write(std::string_view text) override;
    void flush() override;

private:
    std::FILE* m_file;
};

} // namespace zelmarino::cli
