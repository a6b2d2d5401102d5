// Names parameterised cases after their `name` field.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace zelmarino::design::testing {

struct CaseName {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
        return std::string(info.param.name);
    }
};

} // namespace zelmarino::design::testing
