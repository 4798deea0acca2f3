// The legend on the window's picture and on an exported one: in the top
// right corner while more than one curve is drawn and the View switch is on,
// gone when the switch is off (which the user's settings keep).

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <memory>

#include "output/picture_files.h"
#include "output/ui/picture_commands.h"
#include "plot/ui/picture_area.h"
#include "plot/ui/plot_controller.h"
#include "shell/ui/main_window.h"
#include "support/fake_platform.h"

namespace qv {
namespace {

// Pixels in (or, antialiased, near) the curves' colour, (200, 0, 150), in
// the rows from `top` to `bottom` and the columns from `left` on.
int ink(const QImage& image, int top, int bottom, int left) {
    int n = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += c.red() > c.green() + 80 && c.blue() > c.green() + 50;
        }
    }
    return n;
}

// The top right corner, where the curves below the middle never come.
int cornerInk(const QImage& image) { return ink(image, 0, image.height() / 4, image.width() * 2 / 3); }

QImage svgExport(MainWindow& window, const QTemporaryDir& folder, QSize size) {
    const QString svg = folder.filePath("graph.svg");
    if (window.pictures().writeVector(svg.toStdString(), VectorFormat::Svg)) return {};
    QSvgRenderer renderer(svg);
    QImage drawn(size, QImage::Format_RGB32);
    drawn.fill(Qt::white);
    QPainter p(&drawn);
    renderer.render(&p);
    return drawn;
}

TEST(LegendPictureTest, ShownForSeveralCurvesWhileSwitchedOn) {
    FakePlatform platform;
    auto window = std::make_unique<MainWindow>(&platform);
    window->resize(1100, 720);
    window->show();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    window->document().colors[kFunctionLine] = packColor(200, 0, 150);
    window->document().functions.assign({"-2", "-3"});
    window->findChild<QLineEdit*>("Text8")->setText("z");
    window->findChild<QLineEdit*>("Text9")->setText("-1");
    window->findChild<QLineEdit*>("Text6")->setText("-5");
    window->findChild<QLineEdit*>("Text7")->setText("5");
    const struct {
        const char* what;
        bool plotAll, toggle, shown;
    } kSteps[] = {
        {"one curve", false, false, false},
        {"three curves", true, false, true},
        {"switched off", true, true, false},
        {"switched on again", true, true, true},
    };
    for (const auto& s : kSteps) {
        SCOPED_TRACE(s.what);
        window->findChild<QCheckBox*>("Check1")->setChecked(s.plotAll);
        if (s.toggle) window->findChild<QAction*>("Legend")->trigger();
        window->plotter().plot();
        const QImage& picture = window->findChild<PictureArea*>("Picture1")->image();
        // The curves themselves are drawn either way.
        EXPECT_GT(ink(picture, picture.height() / 2, picture.height(), 0), 0);
        EXPECT_EQ(cornerInk(picture) > 20, s.shown) << cornerInk(picture);
        EXPECT_EQ(cornerInk(svgExport(*window, folder, picture.size())) > 20, s.shown);
        if (s.toggle) {
            EXPECT_EQ(platform.settings["legend"], s.shown ? "1" : "0");
        }
    }
    // Off in the settings, a new window starts without it.
    window->findChild<QAction*>("Legend")->trigger();
    window = std::make_unique<MainWindow>(&platform);
    EXPECT_FALSE(window->document().view.legend);
    EXPECT_FALSE(window->findChild<QAction*>("Legend")->isChecked());
}

}  // namespace
}  // namespace qv
