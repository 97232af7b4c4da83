#pragma once
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>

// Names each case of a parameterised test by its name field, not its bytes.
struct CaseName {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
        return info.param.name;
    }
};

namespace casename {

// Prints a case by its name field, so that GoogleTest's messages about a
// failed case show its name and not its bytes. GoogleTest finds a printer by
// argument-dependent lookup only, so a test file brings this into the
// namespace of its case structs with `using casename::operator<<;`.
template <typename Case, typename = decltype(std::declval<const Case&>().name)>
std::ostream& operator<<(std::ostream& os, const Case& c) {
    return os << c.name;
}

}  // namespace casename
