// Machine code of many forms shares the pages of one arena: forms bound by
// the hundred thousand must all work and give their memory back when freed,
// and freeing one form must not disturb the others on its page.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "expression/code_arena.h"
#include "expression/evaluator.h"
#include "expression/evaluator_fixture.h"

namespace qv {
namespace {

using namespace qv::testing_support;

constexpr double kZ = 1.25;
// More than any form needs before its code runs as machine code.
constexpr int kHotRuns = 100;

// "z*k+k": every form a different text, its value known exactly.
std::string shortForm(int k) { return "z*" + std::to_string(k) + "+" + std::to_string(k); }
double shortValue(int k) { return kZ * k + k; }

// Terms of sin(j z), offset by k: code that spans pages (or whole chunks).
std::string longForm(int k, int terms) {
    std::string s = std::to_string(k);
    for (int j = 1; j <= terms; ++j) s += "+sin(" + std::to_string(j) + "*z)";
    return s;
}

class CodeArenaTest : public EvaluatorFixture {
protected:
    void SetUp() override {
        EvaluatorFixture::SetUp();
        portable.setUp();
        portable.setMachineCode(false);
    }

    // The value a form must have: the portable machine's, bit for bit.
    double reference(const std::string& form) {
        const NumResult r = portable.bind(form).number(kZ);
        EXPECT_FALSE(r.failed()) << form;
        portable.clearCache();
        return r.value;
    }

    RandomSource portableRng{kFixedSeed};
    MathLibrary portableMath{portableRng};
    Evaluator portable{portableMath, portableRng};
};

struct ArenaCase {
    const char* name;
    int forms;
    int terms;  // 0: a short form
    int runs;   // evaluations of each form right after it is bound
    bool keepAll;
    size_t bytesPerLiveForm;  // the most a live form may hold mapped
};

TEST_F(CodeArenaTest, ManyFormsWorkAndGiveTheirMemoryBack) {
    const size_t page = 4096;
    const ArenaCase cases[] = {
        {"short forms kept together", 100'000, 0, 1, true, 256},
        {"short forms freed one by one", 20'000, 0, 1, false, 256},
        {"hot short forms kept together", 2'000, 0, kHotRuns, true, page + 256},
        {"hot short forms freed one by one", 2'000, 0, kHotRuns, false, page + 256},
        {"hot forms spanning pages", 30, 300, kHotRuns, true, 16 * page},
        {"hot forms longer than a chunk", 4, 3000, kHotRuns, false, 128 * page},
    };
    for (const ArenaCase& c : cases) {
        SCOPED_TRACE(c.name);
        const size_t before = CodeArena::mappedBytes();
        size_t peak = before;
        std::vector<BoundForm> kept;
        for (int k = 1; k <= c.forms; ++k) {
            const std::string form = c.terms == 0 ? shortForm(k) : longForm(k, c.terms);
            const double want = c.terms == 0 ? shortValue(k) : reference(form);
            BoundForm bound = ev.bind(form);
            for (int run = 0; run < c.runs; ++run) {
                const NumResult r = bound.number(kZ);
                ASSERT_FALSE(r.failed()) << form;
                ASSERT_EQ(r.value, want) << form << " run " << run;
            }
            peak = std::max(peak, CodeArena::mappedBytes());
            if (c.keepAll) kept.push_back(std::move(bound));
            else ev.clearCache();  // the cache would keep the form alive
        }
        const size_t live = c.keepAll ? static_cast<size_t>(c.forms) : 1;
        EXPECT_LE(peak - before, live * c.bytesPerLiveForm + 2 * CodeArena::chunkBytes());
        kept.clear();
        ev.clearCache();
        // At most the chunk being filled stays mapped.
        EXPECT_LE(CodeArena::mappedBytes(), before + CodeArena::chunkBytes());
    }
}

TEST_F(CodeArenaTest, FreedFormLeavesItsNeighboursWorking) {
    // Forms bound one after the other share a page; each round frees some
    // and binds new ones, which go to the same chunk.
    std::vector<std::pair<int, BoundForm>> forms;
    int next = 1;
    const int freedEach[] = {0, 1, 3, 5};
    for (int round = 0; round < 4; ++round) {
        for (int n = 0; n < 6; ++n, ++next) forms.emplace_back(next, ev.bind(shortForm(next)));
        ev.clearCache();
        for (int run = 0; run < kHotRuns; ++run) {
            for (const auto& [k, bound] : forms) ASSERT_EQ(bound.number(kZ).value, shortValue(k)) << k;
        }
        // Free every form at the chosen positions of those still live.
        for (auto it = std::rbegin(freedEach); it != std::rend(freedEach); ++it) {
            if (static_cast<size_t>(*it) < forms.size()) forms.erase(forms.begin() + *it);
        }
        for (const auto& [k, bound] : forms) EXPECT_EQ(bound.number(kZ).value, shortValue(k)) << k;
    }
}

// Each thread has its own evaluator; the arena is shared by all of them.
TEST(CodeArena, ThreadsBindAndFreeFormsTogether) {
    constexpr int kThreads = 4;
    std::atomic<int> wrong{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t, &wrong] {
            RandomSource rng{kFixedSeed};
            MathLibrary math{rng};
            Evaluator ev{math, rng};
            ev.setUp();
            std::vector<std::pair<int, BoundForm>> kept;
            for (int i = 0; i < 3'000; ++i) {
                const int k = t * 100'000 + i + 1;
                BoundForm bound = ev.bind(shortForm(k));
                // Some forms run long enough to be sealed, some never do.
                const int runs = i % 3 == 0 ? kHotRuns : 1;
                for (int run = 0; run < runs; ++run) {
                    if (bound.number(kZ).value != shortValue(k)) ++wrong;
                }
                if (i % 2 == 0) kept.emplace_back(k, std::move(bound));
                if (i % 100 == 99) ev.clearCache();
                if (kept.size() > 200) kept.erase(kept.begin(), kept.begin() + 100);
            }
            for (const auto& [k, bound] : kept) {
                if (bound.number(kZ).value != shortValue(k)) ++wrong;
            }
        });
    }
    for (std::thread& th : threads) th.join();
    EXPECT_EQ(wrong.load(), 0);
}

}  // namespace
}  // namespace qv
