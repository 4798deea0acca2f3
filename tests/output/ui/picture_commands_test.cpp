// The picture leaving the window: the bitmap's name rules, and the vector
// export drawing the same graph as the picture area.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "animation/ui/effects_controller.h"
#include "output/picture_files.h"
#include "output/ui/picture_commands.h"
#include "output/ui/print_dialog.h"
#include "plot/ui/picture_area.h"
#include "shell/ui/main_window.h"
#include "support/fake_platform.h"
#include "support/small_disk.h"

namespace qv {
namespace {

TEST(PictureFiles, BitmapAndExportNamesAndCopies) {
    const auto none = [](const std::string&) { return false; };
    EXPECT_EQ(checkBitmapPath(" GRAPH.BMP ", none).path, "GRAPH.bmp");
    EXPECT_EQ(checkBitmapPath("graph.txt", none).message.text, "Only a BMP extension is allowed.");
    const PathCheck replace = checkBitmapPath("/a/graph.bmp", [](const std::string&) { return true; });
    EXPECT_EQ(replace.verdict, PathVerdict::AskReplace);
    EXPECT_EQ(replace.message.title, "Quorvanta  -  Bitmap");
    EXPECT_EQ(replace.message.text, "The file \"graph.bmp\" already exists.  Would you like to replace this file?");
    EXPECT_EQ(bitmapDialog().defaultExtension, "bmp");
    EXPECT_EQ(vectorFormatOf("a.SVG"), VectorFormat::Svg);
    EXPECT_EQ(vectorFormatOf("a.pdf"), VectorFormat::Pdf);
    EXPECT_EQ(vectorFormatOf("a.png"), std::nullopt);
    EXPECT_EQ(checkExportGraphPath("a.png", none).verdict, PathVerdict::Refuse);
    const std::pair<const char*, std::optional<int>> kCopies[] = {
        {"0", 1}, {"2.5", 2}, {"3.5", 4}, {"31", 31}, {"-4", 1}, {"abc", std::nullopt}, {"", std::nullopt}};
    for (const auto& [text, copies] : kCopies) EXPECT_EQ(copiesFor(text), copies) << text;
    EXPECT_EQ(manyCopiesQuestion("31"),
              "You have told the printer to print 31 copies.  Are you sure you would like to print that many?");
}

// How much of two pictures of the same size differs clearly.
double differingShare(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    long differing = 0;
    for (int j = 0; j < x.height(); ++j) {
        for (int i = 0; i < x.width(); ++i) {
            if (std::abs(qGray(x.pixel(i, j)) - qGray(y.pixel(i, j))) > 64) ++differing;
        }
    }
    return static_cast<double>(differing) / (x.width() * x.height());
}

// A window drawing a Lissajous figure, with its derivative when asked.
void showGraph(MainWindow& window, bool derivative) {
    window.resize(900, 650);
    window.show();
    const std::pair<const char*, const char*> kBoxes[] = {
        {"Text8", "3*cos(z)"}, {"Text9", "2*sin(3*z)"}, {"Text6", "0"}, {"Text7", "2*pi"}};
    for (const auto& [name, text] : kBoxes) window.findChild<QLineEdit*>(name)->setText(text);
    window.findChild<QCheckBox*>("Check10")->setChecked(derivative);
    window.findChild<QPushButton*>("Command19")->click();
}

bool isDark(QRgb p) { return qGray(p) < 128; }

// How many of the dark pixels of `a` (curves, axes, numbers), or of those
// `kind` picks, have such a pixel of `b` at most one pixel away.
double inkFound(const QImage& a, const QImage& b, bool (*kind)(QRgb) = isDark) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    const auto dark = [kind](const QImage& im, int i, int j) {
        return i >= 0 && j >= 0 && i < im.width() && j < im.height() && kind(im.pixel(i, j));
    };
    long ink = 0, found = 0;
    for (int j = 0; j < x.height(); ++j) {
        for (int i = 0; i < x.width(); ++i) {
            if (!dark(x, i, j)) continue;
            ++ink;
            bool near = false;
            for (int dj = -1; dj <= 1 && !near; ++dj) {
                for (int di = -1; di <= 1 && !near; ++di) near = dark(y, i + di, j + dj);
            }
            found += near ? 1 : 0;
        }
    }
    return ink == 0 ? 0 : static_cast<double>(found) / static_cast<double>(ink);
}

TEST(PictureCommandsTest, VectorExportsDrawTheGraphOfThePicture) {
    FakePlatform platform;
    MainWindow window(&platform);
    showGraph(window, true);
    const QImage picture = window.findChild<PictureArea*>("Picture1")->image();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());

    const std::string svg = folder.filePath("graph.svg").toStdString();
    ASSERT_EQ(window.pictures().writeVector(svg, VectorFormat::Svg), std::nullopt);
    QSvgRenderer renderer(QString::fromStdString(svg));
    ASSERT_TRUE(renderer.isValid());
    QImage drawn(picture.size(), QImage::Format_RGB32);
    drawn.fill(Qt::white);
    {
        QPainter p(&drawn);
        renderer.render(&p);
    }
    EXPECT_LT(differingShare(picture, drawn), 0.01);
    EXPECT_GT(inkFound(picture, drawn), 0.95);
    EXPECT_GT(inkFound(drawn, picture), 0.95);

    const QString pdf = folder.filePath("graph.pdf");
    ASSERT_EQ(window.pictures().writeVector(pdf.toStdString(), VectorFormat::Pdf), std::nullopt);
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    ASSERT_FALSE(pdftoppm.isEmpty()) << "pdftoppm (poppler-utils) is needed to look at the page";
    QProcess::execute(pdftoppm, {"-r", "96", "-png", "-singlefile", pdf, folder.filePath("page")});
    // The page may come out a pixel larger from the rounding of its size.
    const QImage page = QImage(folder.filePath("page.png")).copy(picture.rect());
    ASSERT_FALSE(page.isNull());
    EXPECT_LT(differingShare(picture, page), 0.01);
    EXPECT_GT(inkFound(picture, page), 0.95);
    EXPECT_GT(inkFound(page, picture), 0.95);

    // The bitmap: a BMP file of the picture, GRAPH.BMP saved as GRAPH.bmp.
    platform.saveAnswers = {folder.filePath("graph.txt").toStdString(), folder.filePath("GRAPH.BMP").toStdString()};
    platform.answerMessages({MessageAnswer::Ok});
    window.pictures().saveAsBitmap();
    const QImage bitmap(folder.filePath("GRAPH.bmp"), "BMP");
    ASSERT_FALSE(bitmap.isNull());
    EXPECT_EQ(bitmap.convertToFormat(QImage::Format_RGB32), picture.convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(platform.allAnswersUsed());
}

// The picture as an SVG file and as a PDF page, rasterised at its size.
std::pair<QImage, QImage> exportedPictures(MainWindow& window, const QTemporaryDir& folder, QSize size) {
    const QString svg = folder.filePath("graph.svg"), pdf = folder.filePath("graph.pdf");
    std::pair<QImage, QImage> out;
    if (window.pictures().writeVector(svg.toStdString(), VectorFormat::Svg)) return out;
    if (window.pictures().writeVector(pdf.toStdString(), VectorFormat::Pdf)) return out;
    QSvgRenderer renderer(svg);
    out.first = QImage(size, QImage::Format_RGB32);
    out.first.fill(Qt::white);
    {
        QPainter p(&out.first);
        renderer.render(&p);
    }
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    if (pdftoppm.isEmpty()) return out;
    QProcess::execute(pdftoppm, {"-r", "96", "-png", "-singlefile", pdf, folder.filePath("page")});
    out.second = QImage(folder.filePath("page.png")).copy(QRect(QPoint(0, 0), size));
    return out;
}

bool isCrossRed(QRgb p) { return qRed(p) > 160 && qGreen(p) < 110 && qBlue(p) < 110; }
bool isLineBlue(QRgb p) { return qBlue(p) > 160 && qRed(p) < 110 && qGreen(p) < 110; }

// What the picture shows beside the curves, a found point's cross, a shaded
// integral and the warp figure, is in the exported files too, where the
// picture has it.
TEST(PictureCommandsTest, ExportsShowThePicturesMarks) {
    FakePlatform platform;
    MainWindow window(&platform);
    window.resize(900, 650);
    window.show();
    const std::pair<const char*, const char*> kBoxes[] = {
        {"Text8", "z"}, {"Text9", "z^2/4"}, {"Text6", "-4"}, {"Text7", "4"}, {"Text5", "-2"}};
    for (const auto& [name, text] : kBoxes) window.findChild<QLineEdit*>(name)->setText(text);
    window.findChild<QPushButton*>("Command1")->click();  // the point at z = -2
    window.findChild<QAction*>("Integral")->trigger();
    const std::pair<const char*, const char*> kIntegral[] = {
        {"Text30", "z"}, {"Text31", "z^2/4"}, {"Text33", "0"}, {"Text32", "3"}};
    for (const auto& [name, text] : kIntegral) window.findChild<QLineEdit*>(name)->setText(text);
    window.findChild<QPushButton*>("Command54")->click();
    ASSERT_EQ(window.findChild<QLabel*>("Label46")->text(), "2.25");
    window.effects().warp();
    ASSERT_EQ(window.document().marks.drawn.size(), 3u);  // cross, shading, warp
    const QImage picture = window.findChild<PictureArea*>("Picture1")->image();

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const auto [svg, pdf] = exportedPictures(window, folder, picture.size());
    ASSERT_FALSE(svg.isNull());
    ASSERT_FALSE(pdf.isNull()) << "pdftoppm (poppler-utils) is needed to look at the page";
    for (const QImage& drawn : {svg, pdf}) {
        for (bool (*kind)(QRgb) : {isCrossRed, isLineBlue, isDark}) {
            EXPECT_GT(inkFound(picture, drawn, kind), 0.95);
            EXPECT_GT(inkFound(drawn, picture, kind), 0.95);
        }
    }
    EXPECT_TRUE(platform.allAnswersUsed());
}

// Each kind of picture file on a disk with 4 KiB free and with none: one
// message with the system's reason, and the old file as it was.
TEST(PictureCommandsTest, AFullDiskKeepsTheOldPictureFile) {
    FakePlatform platform;
    MainWindow window(&platform);
    showGraph(window, true);
    PictureCommands& commands = window.pictures();
    const struct {
        const char* file;
        void (PictureCommands::*command)();
        const char* title;
    } kinds[] = {{"graph.bmp", &PictureCommands::saveAsBitmap, "Quorvanta  -  Bitmap"},
                 {"graph.svg", &PictureCommands::exportGraph, "Quorvanta  -  Export Graph"},
                 {"graph.pdf", &PictureCommands::exportGraph, "Quorvanta  -  Export Graph"}};
    for (const auto& kind : kinds) {
        for (const std::size_t free : {std::size_t{4096}, std::size_t{0}}) {
            SmallDisk disk(8 << 20);
            if (!disk.mounted()) GTEST_SKIP() << disk.whyNot();
            const std::string path = (disk / kind.file).string();
            platform.saveAnswers.push_back(path);
            (commands.*kind.command)();
            const std::string old = bytesOfFile(path);
            ASSERT_GT(old.size(), 4096u) << kind.file;

            ASSERT_TRUE(disk.leaveFree(free));
            platform.messages.clear();
            platform.saveAnswers.push_back(path);
            platform.answerMessages({MessageAnswer::Yes, MessageAnswer::Ok});
            (commands.*kind.command)();
            ASSERT_EQ(platform.messages.size(), 2u) << kind.file << free;  // replace?, then the failure
            EXPECT_EQ(platform.messages[1].title, kind.title);
            EXPECT_EQ(platform.messages[1].text,
                      "The file \"" + std::string(kind.file) + "\" could not be written: No space left on device.");
            EXPECT_EQ(bytesOfFile(path), old) << kind.file << free;
            EXPECT_EQ(disk.names(), std::vector<std::string>{kind.file}) << kind.file << free;
            EXPECT_TRUE(platform.allAnswersUsed());
        }
    }
}

TEST(PrintDialogTest, PrintersCopiesAndNoPrinter) {
    // The default printer is chosen; without one (or with one the list does
    // not hold), the first.
    const std::pair<const char*, const char*> kDefaults[] = {{"Lab", "Lab"}, {"", "Office"}, {"Gone", "Office"}};
    for (const auto& [defaultPrinter, chosen] : kDefaults) {
        EXPECT_EQ(PrintDialog({"Office", "Lab"}, defaultPrinter).printer(), chosen) << defaultPrinter;
    }
    PrintDialog dialog({"Office", "Lab"}, "Lab");
    EXPECT_TRUE(dialog.printEquations());
    auto* copies = dialog.findChild<QLineEdit*>("Text1");
    const std::pair<const char*, const char*> kTyped[] = {{"0", "1"}, {"12", "12"}, {"x", "x"}};
    for (const auto& [typed, shown] : kTyped) {
        copies->selectAll();
        QTest::keyClicks(copies, typed);
        EXPECT_EQ(dialog.copiesText(), shown);
    }
    Q_EMIT copies->editingFinished();  // leaving the box
    EXPECT_EQ(dialog.copiesText(), "1");
    PrintDialog none({}, "");
    EXPECT_FALSE(none.findChild<QPushButton*>("Command1")->isEnabled());
    ASSERT_NE(none.findChild<QLabel*>("NoPrinter"), nullptr);
}

TEST(PictureCommandsTest, PrintingGivesAPagePerCopyWithTheExpressions) {
    FakePlatform platform;
    MainWindow window(&platform);
    showGraph(window, false);
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    PictureCommands& commands = window.pictures();
    const QString pdf = folder.filePath("printed.pdf");
    commands.setPrintToFile(pdf.toStdString());

    // 31 copies are asked about; No prints nothing and keeps the dialog.
    platform.answerMessages({MessageAnswer::No});
    EXPECT_FALSE(commands.runPrint("Office", "31", true));
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(platform.messages.at(0).title, "Quorvanta  -  Multiple Copies");

    // A run without a printer says so and keeps the dialog.
    commands.setPrintToFile("");
    platform.answerMessages({MessageAnswer::Ok});
    EXPECT_FALSE(commands.runPrint("", "1", true));
    EXPECT_EQ(platform.messages.at(1).title, "Quorvanta  -  Print");
    EXPECT_EQ(platform.messages.at(1).text, "Choose the printer to print on.");
    commands.setPrintToFile(pdf.toStdString());

    ASSERT_TRUE(commands.runPrint("Office", "2", true));
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    ASSERT_FALSE(pdftoppm.isEmpty()) << "pdftoppm (poppler-utils) is needed to look at the pages";
    QProcess::execute(pdftoppm, {"-r", "48", "-png", pdf, folder.filePath("page")});
    const QImage first(folder.filePath("page-1.png")), second(folder.filePath("page-2.png"));
    ASSERT_FALSE(first.isNull());
    ASSERT_FALSE(second.isNull());
    EXPECT_FALSE(QFile::exists(folder.filePath("page-3.png")));
    EXPECT_EQ(first, second);
    // At 48 dots to the inch: the picture starts about 33 dots in, and the
    // expressions' ink lies under it, at the left.
    const int pictureBottom = 33 + 650 * 48 / 96;
    const auto inkBetween = [&first](int top, int bottom, int left, int right) {
        int ink = 0;
        for (int j = top; j < bottom && j < first.height(); ++j) {
            for (int i = left; i < right && i < first.width(); ++i) ink += qGray(first.pixel(i, j)) < 128 ? 1 : 0;
        }
        return ink;
    };
    EXPECT_EQ(inkBetween(0, 30, 0, first.width()), 0);  // the top margin is blank
    EXPECT_GT(inkBetween(40, pictureBottom - 40, 40, 500), 100);  // the graph's axes and curve
    EXPECT_GT(inkBetween(pictureBottom - 30, pictureBottom + 80, 30, 200), 20);  // the expressions
    EXPECT_TRUE(platform.allAnswersUsed());
}

}  // namespace
}  // namespace qv
