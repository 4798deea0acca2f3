// The refined curve drawing: no line across a pole, a jump or a failed
// sample, and a tight Lissajous figure drawn within a device pixel of the
// true curve on a screen of two device pixels to a pixel.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "expression/evaluator_fixture.h"
#include "expression/rewrite.h"
#include "plot/curves.h"
#include "support/recording_canvas.h"

namespace qv {
namespace {

using namespace qv::testing_support;

class CurveRefinementTest : public EvaluatorFixture {
protected:
    CurveForms forms(const char* x, const char* y) {
        RewriteContext rc;
        return {ev.bind(heal_2(heal(x, rc))), ev.bind(heal_2(heal(y, rc)))};
    }
    double px(double u) const { return (canvas.width() - 15) * (u - view.x_min) / (view.x_max - view.x_min); }
    double py(double w) const {
        return (canvas.height() - 15) - (canvas.height() - 15) * (w - view.y_min) / (view.y_max - view.y_min);
    }

    RecordingCanvas canvas{9015, 6015};  // 600 by 400 pixels of usable area
    CurveView view;
    bool skip = false;
};

// A line of x = z whose ends lie on either side of `at`, spanning more than
// a pixel up or down: a false line across a pole or a jump.
bool crosses(const RecordedLine& l, double at) {
    return std::min(l.x1, l.x2) <= at && std::max(l.x1, l.x2) >= at && l.x1 != l.x2 && std::abs(l.y2 - l.y1) > kTwipsPerPixel;
}

TEST_F(CurveRefinementTest, NoLineCrossesAPoleAJumpOrAFailedSample) {
    const double pi = std::acos(-1.0);
    struct Case {
        const char* y;
        SampleRange range;
        std::vector<double> breaks;  // the z of every pole, jump or failure
    };
    const Case cases[] = {
        {"tan(z)", sampleRange(-5, 5, 9015), {-3 * pi / 2, -pi / 2, pi / 2, 3 * pi / 2}},
        {"cot(z)", sampleRange(-5, 5, 9015), {-pi, pi}},
        {"int(z)", sampleRange(-5, 5, 9015), {-4, -3, -2, -1, 1, 2, 3, 4}},
        // The sample at z = 0 fails: it breaks the curve, it is not drawn at 0.
        {"1/z", SampleRange{-1, 1, 0.25}, {0}},
    };
    for (const Case& c : cases) {
        for (bool refine : {false, true}) {
            SCOPED_TRACE(std::string(c.y) + (refine ? " refined" : " as sampled"));
            canvas.clear(0);
            view.refine = refine;
            drawCurve(canvas, forms("z", c.y), c.range, view, skip);
            int crossing = 0, atOrigin = 0;
            for (const RecordedLine& l : canvas.lines) {
                for (double b : c.breaks) crossing += crosses(l, px(b));
                atOrigin += (l.x2 == px(0) && l.y2 == py(0)) || (l.x1 == px(0) && l.y1 == py(0));
            }
            if (refine) {
                EXPECT_EQ(crossing, 0);
                EXPECT_EQ(atOrigin, 0);
                // The curve is still drawn up to the breaks: some line ends
                // within a pixel of each.
                for (double b : c.breaks) {
                    bool near = false;
                    for (const RecordedLine& l : canvas.lines) near |= std::abs(l.x2 - px(b)) < kTwipsPerPixel;
                    EXPECT_TRUE(near) << "z = " << b;
                }
            } else {
                EXPECT_GT(crossing, 0);  // the drawing as sampled joins across them
            }
        }
    }
}

// A steep rise that is continuous stays joined: its gap halves with the
// interval once the interval is as narrow as the rise, so it is not taken
// for a jump.
TEST_F(CurveRefinementTest, SteepContinuousRisesStayJoined) {
    view.refine = true;
    for (const char* y : {"atan(500*z)", "4*z/(abs(z)+0.001)", "100*z"}) {
        SCOPED_TRACE(y);
        canvas.clear(0);
        drawCurve(canvas, forms("z", y), sampleRange(-5, 5, 9015), view, skip);
        int crossing = 0;
        for (const RecordedLine& l : canvas.lines) crossing += crosses(l, px(0));
        EXPECT_GT(crossing, 0);
    }
}

// The true curve 3*cos(z), 2*sin(3*z) densely sampled, in picture
// coordinates, bucketed by device pixel for the nearest-point look-up.
class DenseCurve {
public:
    DenseCurve(const std::vector<std::pair<double, double>>& points, double cell) : cell_(cell) {
        for (const auto& p : points) cells_[key(cellOf(p.first), cellOf(p.second))].push_back(p);
    }
    // The distance from (x, y) to the nearest dense point within a cell.
    double distance(double x, double y) const {
        double best = INFINITY;
        const int64_t cx = cellOf(x), cy = cellOf(y);
        for (int64_t i = cx - 1; i <= cx + 1; ++i) {
            for (int64_t j = cy - 1; j <= cy + 1; ++j) {
                const auto it = cells_.find(key(i, j));
                if (it == cells_.end()) continue;
                for (const auto& p : it->second) best = std::min(best, std::hypot(p.first - x, p.second - y));
            }
        }
        return best;
    }

private:
    int64_t cellOf(double v) const { return static_cast<int64_t>(std::floor(v / cell_)); }
    static int64_t key(int64_t i, int64_t j) { return i * 1000003 + j; }
    double cell_;
    std::unordered_map<int64_t, std::vector<std::pair<double, double>>> cells_;
};

// Both ends beyond one edge of the picture: none of the line can be seen.
bool outOfView(const RecordedLine& l) {
    const double w = 9000, h = 6000;
    return (l.x1 < 0 && l.x2 < 0) || (l.x1 > w && l.x2 > w) || (l.y1 < 0 && l.y2 < 0) || (l.y1 > h && l.y2 > h);
}

TEST_F(CurveRefinementTest, LissajousFigureStaysWithinADevicePixelOfTheCurve) {
    view.devicePixel = kTwipsPerPixel / 2.0;  // a scale factor of 2
    // Zoomed in on the figure's tight turn at (0, 2), where the sampled
    // polygon shows its corners.
    view.x_min = -0.75, view.x_max = 0.75, view.y_min = 1.05, view.y_max = 2.05;
    std::vector<std::pair<double, double>> dense;
    const int n = 400000;
    for (int k = 0; k <= n; ++k) {
        const double z = -5 + 10.0 * k / n;
        dense.emplace_back(px(3 * std::cos(z)), py(2 * std::sin(3 * z)));
    }
    const DenseCurve curve(dense, view.devicePixel);
    for (bool refine : {false, true}) {
        SCOPED_TRACE(refine ? "refined" : "as sampled");
        canvas.clear(0);
        view.refine = refine;
        drawCurve(canvas, forms("3*cos(z)", "2*sin(3*z)"), sampleRange(-5, 5, canvas.width()), view, skip);
        ASSERT_GT(canvas.lines.size(), 250u);
        double worst = 0;
        int seen = 0;
        for (const RecordedLine& l : canvas.lines) {
            if (outOfView(l)) continue;
            ++seen;
            for (double t : {0.0, 0.25, 0.5, 0.75, 1.0}) {
                worst = std::max(worst, curve.distance(l.x1 + t * (l.x2 - l.x1), l.y1 + t * (l.y2 - l.y1)));
            }
        }
        EXPECT_GT(seen, 10);
        if (refine) EXPECT_LE(worst, view.devicePixel);
        else EXPECT_GT(worst, view.devicePixel);  // the corners the refinement takes away
    }
}

}  // namespace
}  // namespace qv
