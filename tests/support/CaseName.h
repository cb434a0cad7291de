#pragma once

#include <gtest/gtest.h>

#include <string>

// Names each instance of a parameterized test after its case's `name`.
struct CaseName {
    template <typename Case>
    std::string operator()(const testing::TestParamInfo<Case>& info) const {
        return info.param.name;
    }
};
