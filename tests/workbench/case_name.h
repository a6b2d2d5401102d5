// Names a parameterised case after its `name` field.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace zelmarino::workbench::testing {

struct CaseName {
    template <class Param>
    std::string operator()(const ::testing::TestParamInfo<Param>& info) const {
        return info.param.name;
    }
};

} // namespace zelmarino::workbench::testing
