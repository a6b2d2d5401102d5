// Names parameterised cases after their `name` field (a lambda's parameter would shadow
// the one inside GoogleTest's macro).
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace zelmarino::cli::testing {

struct CaseName {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
        return std::string(info.param.name);
    }
};

} // namespace zelmarino::cli::testing
