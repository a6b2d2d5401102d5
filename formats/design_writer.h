// An output format that writes a run's designs one at a time, so that a table of any length
// is written as it is made and held nowhere whole.
#pragma once

#include "formats/report.h"

#include <string>

namespace zelmarino::formats {

class DesignWriter {
public:
    DesignWriter() = default;
    DesignWriter(const DesignWriter&) = delete;
    DesignWriter& operator=(const DesignWriter&) = delete;
    DesignWriter(DesignWriter&&) = delete;
    DesignWriter& operator=(DesignWriter&&) = delete;
    virtual ~DesignWriter() = default;

    // A format that must see every design before its first line (the text table, whose
    // columns are as wide as their widest cell) is shown them all in a pass of its own.
    [[nodiscard]] virtual bool measuresFirst() const { return false; }
    virtual void measure(const DesignReport& /*report*/) {}

    // Each appends to `out`: begin before the first design, row for each, end after the last.
    virtual void begin(std::string& /*out*/, const DesignReport& /*first*/) {}
    virtual void row(std::string& out, const DesignReport& report) = 0;
    virtual void end(std::string& /*out*/) {}
};

} // namespace zelmarino::formats
