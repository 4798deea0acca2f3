// The picture the command line's --render writes: the view the graph file
// holds, drawn at once, while a window that opens the file still glides to it.

#include <gtest/gtest.h>

#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>

#include <array>
#include <string>

#include "plot/ui/navigation_controller.h"
#include "shell/ui/main_window.h"
#include "support/fake_platform.h"

namespace qv {
namespace {

// The share of the pixels along a column (or a row) of the image in the
// axis colour, black.
double blackShare(const QImage& image, int index, bool column) {
    const int length = column ? image.height() : image.width();
    int black = 0;
    for (int k = 0; k < length; ++k) {
        const QRgb p = column ? image.pixel(index, k) : image.pixel(k, index);
        black += qGray(p) < 40 ? 1 : 0;
    }
    return static_cast<double>(black) / length;
}

TEST(RenderPictureTest, TheFilesViewIsDrawnAtOnce) {
    struct Case {
        std::array<const char*, 4> range;  // x min, x max, y min, y max
        int axisColumn, axisRow;           // where x = 0 and y = 0 lie in a 401 x 321 picture
    };
    // The usable area is 400 x 320 pixels: x = 0 lies a quarter (three
    // quarters) of the way across, y = 0 three quarters (a seventh) of the way down.
    const Case cases[] = {{{"-1", "3", "-2", "6"}, 100, 240}, {{"-3", "1", "-0.5", "3"}, 300, 274}};
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    FakePlatform platform;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.range[0]);
        const std::string path = folder.filePath("view.gph").toStdString();
        {
            MainWindow author(&platform);
            const char* names[] = {"Text1", "Text2", "Text3", "Text4"};
            for (int i = 0; i < 4; ++i) author.findChild<QLineEdit*>(names[i])->setText(c.range[i]);
            ASSERT_TRUE(author.textSave(path));
        }
        MainWindow window(&platform, {path});
        // A window that opened the file glides to its view.
        EXPECT_TRUE(window.navigation().transitionRunning());
        const QImage picture = window.renderPicture(401, 321);
        ASSERT_EQ(picture.size(), QSize(401, 321));
        EXPECT_FALSE(window.navigation().transitionRunning());
        EXPECT_GT(blackShare(picture, c.axisColumn, true), 0.9);
        EXPECT_GT(blackShare(picture, c.axisRow, false), 0.9);
        // Not where the default view would put them.
        EXPECT_LT(blackShare(picture, 200, true), 0.5);
        EXPECT_LT(blackShare(picture, 160, false), 0.5);
    }
    EXPECT_TRUE(platform.unexpected.empty());
}

}  // namespace
}  // namespace qv
