#pragma once

// Shared set-up for the tests that drive the evaluator: one evaluator with
// the math library made global and a random generator of fixed seed, set up
// as the program does at start-up. Also the expectations the case tables
// use and a comparison of two results that tells exactly what differs.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>

#include "expression/evaluator.h"
#include "expression/math_library.h"
#include "expression/random_source.h"

namespace qv::testing_support {

inline constexpr uint32_t kFixedSeed = 20240611u;

class EvaluatorFixture : public ::testing::Test {
protected:
    void SetUp() override { ev.setUp(); }

    RandomSource rng{kFixedSeed};
    MathLibrary math{rng};
    Evaluator ev{math, rng};
};

// The outcome a case expects: an error number, or a value of one kind.
struct Expected {
    enum class Kind : unsigned char { Error, Empty, Boolean, Number, String };
    Kind kind = Kind::Empty;
    double num = 0.0;
    double tolerance = 0.0;  // Number only; 0 asks for the exact double
    std::string str;
    int error = 0;
};

inline Expected num(double v, double tolerance = 0.0) {
    Expected e;
    e.kind = Expected::Kind::Number;
    e.num = v;
    e.tolerance = tolerance;
    return e;
}
inline Expected str(std::string s) {
    Expected e;
    e.kind = Expected::Kind::String;
    e.str = std::move(s);
    return e;
}
inline Expected boolean(bool b) {
    Expected e;
    e.kind = Expected::Kind::Boolean;
    e.num = b ? -1.0 : 0.0;
    return e;
}
inline Expected empty() { return Expected{}; }
inline Expected err(int code) {
    Expected e;
    e.kind = Expected::Kind::Error;
    e.error = code;
    return e;
}

inline std::string describe(const EvalResult& r) {
    std::ostringstream out;
    out.precision(17);
    if (r.failed()) {
        out << "error " << r.error;
        return out.str();
    }
    switch (r.value.kind) {
    case Value::Kind::Empty: out << "Empty"; break;
    case Value::Kind::Boolean: out << "Boolean " << r.value.num; break;
    case Value::Kind::Number:
        out << "Number " << r.value.num << " (bits 0x" << std::hex
            << std::bit_cast<uint64_t>(r.value.num) << ")";
        break;
    case Value::Kind::String: out << "String \"" << r.value.str << "\""; break;
    }
    return out.str();
}

inline ::testing::AssertionResult matches(const EvalResult& r, const Expected& e) {
    auto fail = [&] { return ::testing::AssertionFailure() << "got " << describe(r); };
    if (e.kind == Expected::Kind::Error) {
        if (r.error != e.error) return fail() << ", expected error " << e.error;
        return ::testing::AssertionSuccess();
    }
    if (r.failed()) return fail() << ", expected a value";
    switch (e.kind) {
    case Expected::Kind::Empty:
        if (!r.value.isEmpty()) return fail() << ", expected Empty";
        break;
    case Expected::Kind::Boolean:
        if (!r.value.isBoolean() || r.value.num != e.num) return fail() << ", expected Boolean " << e.num;
        break;
    case Expected::Kind::String:
        if (!r.value.isString() || r.value.str != e.str) return fail() << ", expected String \"" << e.str << "\"";
        break;
    case Expected::Kind::Number: {
        if (!r.value.isNumber()) return fail() << ", expected a Number";
        const bool ok = e.tolerance == 0.0 ? r.value.num == e.num
                                           : std::fabs(r.value.num - e.num) <= e.tolerance;
        if (!ok) return fail() << ", expected Number " << e.num << " +- " << e.tolerance;
        break;
    }
    case Expected::Kind::Error: break;
    }
    return ::testing::AssertionSuccess();
}

// Two results are the same when they fail with the same error number, or
// hold values of one kind that are equal: numbers bit for bit, except that
// -0 and 0 count as one value.
inline ::testing::AssertionResult sameResult(const EvalResult& a, const EvalResult& b) {
    bool same = a.error == b.error;
    if (same && !a.failed()) {
        same = a.value.kind == b.value.kind;
        if (same && a.value.isString()) same = a.value.str == b.value.str;
        if (same && !a.value.isString()) {
            same = std::bit_cast<uint64_t>(a.value.num) == std::bit_cast<uint64_t>(b.value.num) ||
                   (a.value.num == 0.0 && b.value.num == 0.0);
        }
    }
    if (same) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << describe(a) << " vs " << describe(b);
}

}  // namespace qv::testing_support
