// Build tool: the manual's screenshots, taken from the program itself on
// Qt's offscreen platform, so that they never go stale.
//
//   manual_shots OUTPUT_FOLDER
//
// Writes one PNG per shot: pictures of the graph as the grapher draws them,
// and grabs of the whole window in each mode.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

#include <cstdio>
#include <functional>
#include <initializer_list>
#include <utility>

#include "calculator/ui/calculator_panel.h"
#include "document/graph_document.h"
#include "platform/qt/headless_platform.h"
#include "shell/ui/main_window.h"
#include "vectors/ui/vector_panel.h"

namespace {

using qv::MainWindow;

void type(MainWindow& w, std::initializer_list<std::pair<const char*, const char*>> boxes) {
    for (const auto& [name, text] : boxes) {
        if (auto* box = w.findChild<QLineEdit*>(QString::fromLatin1(name))) box->setText(QString::fromLatin1(text));
    }
}

void click(MainWindow& w, const char* name) {
    if (auto* button = w.findChild<QAbstractButton*>(QString::fromLatin1(name))) button->click();
}

void settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

struct Shot {
    const char* name;
    bool picture;  // the graph only, else the whole window
    std::function<void(MainWindow&)> prepare;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: manual_shots OUTPUT_FOLDER\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "1");
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorvanta");
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());

    const Shot shots[] = {
        {"window-grapher", false,
         [](MainWindow& w) {
             type(w, {{"Text8", "z"}, {"Text9", "sin(z)"}, {"Text6", "-5"}, {"Text7", "5"}});
             click(w, "Command19");
             type(w, {{"Text5", "1"}});
             click(w, "Command1");
         }},
        {"lissajous", true,
         [](MainWindow& w) { type(w, {{"Text8", "3cos(z)"}, {"Text9", "2sin(3z)"}, {"Text6", "0"}, {"Text7", "2pi"}}); }},
        {"polar-rose", true,
         [](MainWindow& w) {
             click(w, "Option2");
             type(w, {{"Text8", "z"}, {"Text9", "2cos(2z)"}, {"Text6", "0"}, {"Text7", "2pi"}});
         }},
        {"derivatives", true,
         [](MainWindow& w) {
             type(w, {{"Text8", "z"}, {"Text9", "z^3-3z"}, {"Text6", "-3"}, {"Text7", "3"}});
             w.findChild<QCheckBox*>("Check10")->setChecked(true);
             w.findChild<QCheckBox*>("Check4")->setChecked(true);
         }},
        {"spiral", true,
         [](MainWindow& w) {
             type(w, {{"Text8", "0.2zcos(z)"}, {"Text9", "0.2zsin(z)"}, {"Text6", "0"}, {"Text7", "6pi"}});
         }},
        {"window-calculator", false,
         [](MainWindow& w) {
             w.setMode(qv::Mode::Calculator);
             auto* calculator = w.findChild<qv::CalculatorPanel*>();
             w.findChild<QCheckBox*>("Check6")->setChecked(true);
             type(w, {{"Text13", "sqrt(12)"}});
             calculator->evaluate();
             w.findChild<QCheckBox*>("Check6")->setChecked(false);
             w.findChild<QCheckBox*>("Check5")->setChecked(true);
             type(w, {{"Text13", "3pi/4"}});
             calculator->evaluate();
         }},
        {"window-list", false,
         [](MainWindow& w) {
             qv::GraphDocument& d = w.document();
             d.data.assign(0, {" 1", " 2", " 3", " 4", " 5"});
             d.data.assign(1, {" 2.1", " 3.9", " 6.2", " 8.1", " 9.8"});
             type(w, {{"Text8", "z"}, {"Text9", "2*(z)"}, {"Text6", "0"}, {"Text7", "6"}});
             w.setMode(qv::Mode::List);
             click(w, "Option4");
             click(w, "Check2");
             click(w, "Check7");
             click(w, "Command19");
         }},
        {"window-vectors", false,
         [](MainWindow& w) {
             w.setMode(qv::Mode::Vectors);
             type(w, {{"Text34(0)", "1"}, {"Text34(1)", "2"}, {"Text34(2)", "2"}, {"Text34(6)", "3"},
                      {"Text34(7)", "0"}, {"Text34(8)", "4"}});
             w.findChild<QComboBox*>("Combo5(2)")->setCurrentIndex(4);
             w.findChild<qv::VectorPanel*>()->runOperation();
         }},
    };

    int failures = 0;
    for (const Shot& shot : shots) {
        qv::HeadlessPlatform platform(stderr);
        MainWindow window(&platform);
        window.resize(1100, 720);
        window.show();
        settle();
        shot.prepare(window);
        settle();
        const QString path = out.filePath(QString::fromLatin1(shot.name) + QStringLiteral(".png"));
        const QImage image = shot.picture ? window.renderPicture(720, 540) : window.grab().toImage();
        if (!image.save(path)) {
            std::fprintf(stderr, "manual_shots: cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
