#include "platform/qt/qt_platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qv {
namespace {

// Acts on the next modal dialog from inside the event loop its exec() runs,
// so the real modal path runs without anyone at the keyboard. Nothing here
// depends on how long the dialog takes to appear: the driver waits for it
// as long as the dialog's own exec() runs. Once it has acted, any modal
// dialog still or newly up (the action did not close it, or a second box
// appeared, even one nested inside the action) is rejected at once so the
// run goes on, and the test fails on leftOpen(). The second timer is needed
// because Qt does not fire a timer again while its slot is still running,
// and the action may be stuck in a nested dialog.
class ModalDriver {
public:
    explicit ModalDriver(std::function<void(QWidget*)> action) : action_(std::move(action)) {
        poll_.setInterval(10);
        QObject::connect(&poll_, &QTimer::timeout, [this] { poll(); });
        poll_.start();
        guard_.setInterval(10);
        QObject::connect(&guard_, &QTimer::timeout, [this] { rejectLeftOpen(); });
    }
    bool acted() const { return acted_; }
    bool leftOpen() const { return leftOpen_; }

private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        poll_.stop();
        acted_ = true;
        guard_.start();
        action_(modal);
        rejectLeftOpen();
    }
    void rejectLeftOpen() {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            leftOpen_ = true;
            dialog->reject();
        }
    }
    std::function<void(QWidget*)> action_;
    QTimer poll_;
    QTimer guard_;
    bool acted_ = false;
    bool leftOpen_ = false;
};

const char* const kTitle = "Quorvanta  -  Wrong extension!";

struct BoxCase {
    MessageButtons buttons;
    MessageIcon icon;
    QMessageBox::StandardButtons standard;
    QMessageBox::Icon qtIcon;
    QMessageBox::StandardButton defaultButton;
    QMessageBox::StandardButton escapeButton;
};

const std::vector<BoxCase> kBoxCases = {
    {MessageButtons::Ok, MessageIcon::None, QMessageBox::Ok, QMessageBox::NoIcon, QMessageBox::Ok,
     QMessageBox::Ok},
    {MessageButtons::OkCancel, MessageIcon::Information, QMessageBox::Ok | QMessageBox::Cancel,
     QMessageBox::Information, QMessageBox::Ok, QMessageBox::Cancel},
    {MessageButtons::YesNo, MessageIcon::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question,
     QMessageBox::Yes, QMessageBox::No},
    {MessageButtons::YesNoCancel, MessageIcon::Warning, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
     QMessageBox::Warning, QMessageBox::Yes, QMessageBox::Cancel},
    {MessageButtons::Ok, MessageIcon::Critical, QMessageBox::Ok, QMessageBox::Critical, QMessageBox::Ok,
     QMessageBox::Ok},
};

TEST(QtPlatform, BuiltMessageBoxTable) {
    // Markup-like text and doubled blanks must reach the user unchanged.
    const std::string text = "Only a <b>GPH</b> extension is allowed.  x < 0";
    for (const BoxCase& c : kBoxCases) {
        auto box = QtPlatform::buildMessageBox(nullptr, kTitle, text, c.buttons, c.icon);
        SCOPED_TRACE(static_cast<int>(c.buttons) * 10 + static_cast<int>(c.icon));
        EXPECT_EQ(box->windowTitle().toStdString(), kTitle);
        EXPECT_EQ(box->text().toStdString(), text);
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->standardButtons(), c.standard);
        EXPECT_EQ(box->icon(), c.qtIcon);
        ASSERT_NE(box->defaultButton(), nullptr);
        EXPECT_EQ(box->standardButton(box->defaultButton()), c.defaultButton);
        ASSERT_NE(box->escapeButton(), nullptr);
        EXPECT_EQ(box->standardButton(box->escapeButton()), c.escapeButton);
        EXPECT_NE(box->windowModality(), Qt::NonModal);
    }
}

TEST(QtPlatform, MessageBoxKeepsItsParent) {
    QWidget window;
    auto box = QtPlatform::buildMessageBox(&window, "T", "x", MessageButtons::Ok, MessageIcon::None);
    EXPECT_EQ(box->parentWidget(), &window);
}

enum class Act { Escape, Close, Click };

struct ShownCase {
    MessageButtons buttons;
    Act act;
    QMessageBox::StandardButton button;  // for Click
    MessageAnswer expected;
};

// The real box, shown modally and answered by key, window close or click.
const std::vector<ShownCase> kShownCases = {
    {MessageButtons::Ok, Act::Escape, QMessageBox::NoButton, MessageAnswer::Ok},
    {MessageButtons::OkCancel, Act::Escape, QMessageBox::NoButton, MessageAnswer::Cancel},
    {MessageButtons::YesNo, Act::Escape, QMessageBox::NoButton, MessageAnswer::No},
    {MessageButtons::YesNoCancel, Act::Escape, QMessageBox::NoButton, MessageAnswer::Cancel},
    {MessageButtons::YesNo, Act::Close, QMessageBox::NoButton, MessageAnswer::No},
    {MessageButtons::YesNoCancel, Act::Close, QMessageBox::NoButton, MessageAnswer::Cancel},
    {MessageButtons::OkCancel, Act::Click, QMessageBox::Ok, MessageAnswer::Ok},
    {MessageButtons::YesNo, Act::Click, QMessageBox::Yes, MessageAnswer::Yes},
    {MessageButtons::YesNoCancel, Act::Click, QMessageBox::No, MessageAnswer::No},
    {MessageButtons::YesNoCancel, Act::Click, QMessageBox::Yes, MessageAnswer::Yes},
};

TEST(QtPlatform, ShownMessageAnswerTable) {
    QWidget window;
    QtPlatform platform(&window);
    for (size_t i = 0; i < kShownCases.size(); ++i) {
        const ShownCase& c = kShownCases[i];
        std::string shownTitle;
        ModalDriver driver([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (!box) return;
            shownTitle = box->windowTitle().toStdString();
            if (c.act == Act::Escape) QTest::keyClick(box, Qt::Key_Escape);
            if (c.act == Act::Close) box->close();
            if (c.act == Act::Click) box->button(c.button)->click();
        });
        MessageAnswer answer = platform.message(kTitle, "Question?", c.buttons, MessageIcon::Question);
        SCOPED_TRACE("case " + std::to_string(i));
        EXPECT_TRUE(driver.acted());
        EXPECT_FALSE(driver.leftOpen());
        EXPECT_EQ(shownTitle, kTitle);
        EXPECT_EQ(answer, c.expected);
    }
}

// The program may close while a box is up; the box goes with its parent
// and must not be deleted a second time.
TEST(QtPlatform, ParentDestroyedWhileDialogsAreUp) {
    for (int dialog = 0; dialog < 2; ++dialog) {
        auto* window = new QWidget;
        QtPlatform platform(window);
        ModalDriver driver([&](QWidget*) { delete window; });
        if (dialog == 0) {
            EXPECT_EQ(platform.message("T", "Text", MessageButtons::YesNo, MessageIcon::None), MessageAnswer::No);
        } else {
            EXPECT_EQ(platform.saveFileName({"Save As", "", "", ""}), std::nullopt);
        }
        EXPECT_TRUE(driver.acted());
        EXPECT_FALSE(driver.leftOpen());
    }
}

TEST(QtPlatform, AnswerForAButtonAndForNone) {
    EXPECT_EQ(QtPlatform::answerFor(QMessageBox::Cancel, MessageButtons::YesNoCancel), MessageAnswer::Cancel);
    EXPECT_EQ(QtPlatform::answerFor(QMessageBox::NoButton, MessageButtons::Ok), MessageAnswer::Ok);
    EXPECT_EQ(QtPlatform::answerFor(QMessageBox::NoButton, MessageButtons::OkCancel), MessageAnswer::Cancel);
    EXPECT_EQ(QtPlatform::answerFor(QMessageBox::NoButton, MessageButtons::YesNo), MessageAnswer::No);
    EXPECT_EQ(QtPlatform::answerFor(QMessageBox::NoButton, MessageButtons::YesNoCancel), MessageAnswer::Cancel);
}

struct FilterCase {
    const char* filter;
    const char* qt;
};

const std::vector<FilterCase> kFilterCases = {
    {"Graph Files (*.gph)|*.GPH", "Graph Files (*.gph)"},
    {"Text Files (*.txt)|*.TXT", "Text Files (*.txt)"},
    {"Graph Files (*.gph)|*.gph|All Files (*.*)|*.*", "Graph Files (*.gph);;All Files (*)"},
    {"Pictures|*.bmp;*.png", "Pictures (*.bmp *.png)"},
    {"Pictures (*.bmp;*.png)|*.bmp; *.png", "Pictures (*.bmp *.png)"},
    {"Graph Files (*.txt)|*.gph", "Graph Files (*.gph)"},
    {"|*.gph", "*.gph"},
    {"Everything|", "Everything (*)"},
    {"Graph Files|*.gph|Dangling", "Graph Files (*.gph)"},
    {"", ""},
};

TEST(QtPlatform, FilterConversionTable) {
    for (const FilterCase& c : kFilterCases) {
        EXPECT_EQ(QtPlatform::qtFilter(c.filter).toStdString(), c.qt) << "filter: " << c.filter;
    }
}

TEST(QtPlatform, BuiltFileDialogs) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string start = folder.path().toStdString();

    auto save = QtPlatform::buildFileDialog(nullptr, {"Save As", "Graph Files (*.gph)|*.GPH", "gph", start}, true);
    EXPECT_EQ(save->windowTitle(), "Save As");
    EXPECT_EQ(save->nameFilters(), QStringList{"Graph Files (*.gph)"});
    EXPECT_EQ(save->defaultSuffix(), "gph");
    EXPECT_EQ(save->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_TRUE(save->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(QDir(save->directory()).canonicalPath(), QDir(folder.path()).canonicalPath());

    auto open = QtPlatform::buildFileDialog(nullptr, {"Import List", "Text Files (*.txt)|*.TXT", "", ""}, false);
    EXPECT_EQ(open->windowTitle(), "Import List");
    EXPECT_EQ(open->defaultSuffix(), "");
    EXPECT_EQ(open->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(open->fileMode(), QFileDialog::ExistingFile);
}

// The whole path through the modal dialog: default extension added, an
// existing file replaced without a question of the dialog's own, Cancel.
TEST(QtPlatform, FileDialogsShownAndAnswered) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile existing(folder.filePath("old.gph"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    QtPlatform platform;
    const FileDialogRequest saveAs{"Save As", "Graph Files (*.gph)|*.GPH", "gph", folder.path().toStdString()};

    struct Case {
        QString typed;  // empty: cancel
        bool forSaving;
        std::optional<QString> expected;
    };
    const std::vector<Case> cases = {
        {folder.filePath("graph"), true, folder.filePath("graph.gph")},
        {folder.filePath("old.gph"), true, folder.filePath("old.gph")},
        {folder.filePath("old.gph"), false, folder.filePath("old.gph")},
        {QString(), true, std::nullopt},
        {QString(), false, std::nullopt},
    };
    for (const Case& c : cases) {
        ModalDriver driver([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (!dialog) return;
            if (c.typed.isEmpty()) return dialog->reject();
            // Typed into the name box, as a user does. selectFile() would
            // go through the folder model, which fills in on a thread of
            // its own: an existing file could still have no name there and
            // the dialog would stay open.
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(name, nullptr);
            name->setText(c.typed);
            // What the dialog's own OK does (its accept() is protected).
            static_cast<QDialog*>(dialog)->accept();
        });
        auto chosen = c.forSaving ? platform.saveFileName(saveAs) : platform.openFileName(saveAs);
        SCOPED_TRACE(c.typed.toStdString() + (c.forSaving ? " save" : " open"));
        EXPECT_TRUE(driver.acted());
        EXPECT_FALSE(driver.leftOpen());
        ASSERT_EQ(chosen.has_value(), c.expected.has_value());
        if (chosen) {
            // The new file does not exist yet, so compare folder and name.
            const QFileInfo got(QString::fromStdString(*chosen));
            EXPECT_EQ(got.fileName(), QFileInfo(*c.expected).fileName());
            EXPECT_EQ(QDir(got.absolutePath()).canonicalPath(), QDir(folder.path()).canonicalPath());
        }
    }
}

struct ColorCase {
    uint32_t packed;
    int red, green, blue;
};

const std::vector<ColorCase> kColorCases = {
    {0x000000u, 0, 0, 0},     {0x0000FFu, 255, 0, 0},   {0x00FF00u, 0, 255, 0},
    {0xFF0000u, 0, 0, 255},   {0xFFFFFFu, 255, 255, 255}, {0x804020u, 0x20, 0x40, 0x80},
    {16777215u + 1u, 0, 0, 0},  // the top byte is not a colour
};

TEST(QtPlatform, ColorPackingTable) {
    for (const ColorCase& c : kColorCases) {
        const QColor color = QtPlatform::colorFromPacked(c.packed);
        EXPECT_EQ(color.red(), c.red) << c.packed;
        EXPECT_EQ(color.green(), c.green) << c.packed;
        EXPECT_EQ(color.blue(), c.blue) << c.packed;
        EXPECT_EQ(QtPlatform::packedFromColor(color), c.packed & 0xFFFFFFu) << c.packed;
    }
    // Colours the chooser may hand back in another model still pack as RGB.
    EXPECT_EQ(QtPlatform::packedFromColor(QColor(0x20, 0x40, 0x80).toHsv()), 0x804020u);
}

TEST(QtPlatform, ColorChooserShownAndAnswered) {
    QtPlatform platform;
    std::optional<QColor> shownWith;
    {
        ModalDriver driver([&](QWidget* modal) {
            auto* dialog = qobject_cast<QColorDialog*>(modal);
            if (!dialog) return;
            shownWith = dialog->currentColor();
            dialog->setCurrentColor(QColor(10, 20, 30));
            dialog->accept();
        });
        CustomColors custom{};
        custom[3] = 0x00FF00u;
        EXPECT_EQ(platform.chooseColor(0x0000FFu, custom), 10u + 256u * 20u + 65536u * 30u);
        // The custom colours were offered and come back.
        EXPECT_EQ(QColorDialog::customColor(3), QColor(0, 255, 0));
        EXPECT_EQ(custom[3], 0x00FF00u);
        EXPECT_TRUE(driver.acted());
        EXPECT_FALSE(driver.leftOpen());
        ASSERT_TRUE(shownWith.has_value());
        EXPECT_EQ(*shownWith, QColor(255, 0, 0));
    }
    ModalDriver cancel([](QWidget* modal) {
        if (auto* dialog = qobject_cast<QColorDialog*>(modal)) dialog->reject();
    });
    CustomColors kept{};
    kept[0] = 5;
    EXPECT_EQ(platform.chooseColor(0x0000FFu, kept), std::nullopt);
    EXPECT_EQ(kept[0], 5u);
    EXPECT_TRUE(cancel.acted());
    EXPECT_FALSE(cancel.leftOpen());
}

PrintRequest picture3x2() {
    PrintRequest r;
    r.width = 3;
    r.height = 2;
    r.pixels = {0xFF0000u, 0x00FF00u, 0x0000FFu, 0x000000u, 0x123456u, 0xFFFFFFu};
    return r;
}

TEST(QtPlatform, ImageFromPixelsRowByRow) {
    const QImage image = QtPlatform::imageFromPixels(picture3x2());
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(2, 0), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(0, 1), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(1, 1), QColor(0x12, 0x34, 0x56));

    PrintRequest tooFew = picture3x2();
    tooFew.pixels.pop_back();
    PrintRequest empty;
    PrintRequest negative = picture3x2();
    negative.width = -3;
    negative.height = -2;
    for (const PrintRequest& bad : {tooFew, empty, negative}) {
        EXPECT_TRUE(QtPlatform::imageFromPixels(bad).isNull()) << bad.width << "x" << bad.height;
    }
}

TEST(QtPlatform, PictureSitsAThousandTwipsInAtItsOwnSize) {
    EXPECT_EQ(QtPlatform::pictureRect(1440, QSize(100, 50)), QRect(1000, 1000, 1500, 750));
    EXPECT_EQ(QtPlatform::pictureRect(600, QSize(100, 50)), QRect(417, 417, 625, 313));

    // On a 96-dots-per-inch page a screen pixel is one dot: 1000 twips is 66.7 dots.
    QImage page(80, 80, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        QtPlatform::paintPicture(painter, 96, QtPlatform::imageFromPixels(picture3x2()));
    }
    EXPECT_EQ(page.pixelColor(66, 66), QColor(Qt::white));
    EXPECT_EQ(page.pixelColor(67, 67), QColor(255, 0, 0));
    EXPECT_EQ(page.pixelColor(69, 67), QColor(0, 0, 255));
    EXPECT_EQ(page.pixelColor(68, 68), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(page.pixelColor(70, 67), QColor(Qt::white));
    EXPECT_EQ(page.pixelColor(67, 69), QColor(Qt::white));
}

TEST(QtPlatform, PrintRefusesWhatItCannotPrint) {
    QtPlatform platform;
    PrintRequest noPrinter = picture3x2();
    noPrinter.printer = "no printer has this name";
    PrintRequest noCopies = picture3x2();
    noCopies.copies = 0;
    noCopies.printer = platform.defaultPrinter();
    PrintRequest badPicture = picture3x2();
    badPicture.pixels.clear();
    badPicture.printer = platform.defaultPrinter();
    for (const PrintRequest& r : {noPrinter, noCopies, badPicture}) EXPECT_FALSE(platform.print(r)) << r.printer;
}

// The desktop's opener says whether a program took the document: xdg-open
// ends with 3 when none is known for the type, which must not count as
// opened. A stand-in xdg-open on the PATH answers as told and notes the
// path it was given.
TEST(QtPlatform, OpenDocumentFollowsTheOpenersAnswer) {
    QTemporaryDir bin;
    ASSERT_TRUE(bin.isValid());
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit() + ":" + oldPath);
    const QString script = bin.filePath("xdg-open");
    const QString given = bin.filePath("given.txt");
    const std::pair<int, bool> kAnswers[] = {{0, true}, {3, false}, {4, false}};
    for (const auto& [status, opened] : kAnswers) {
        QFile::remove(given);
        QFile file(script);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\nexit %2\n").arg(given).arg(status).toLocal8Bit());
        file.close();
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
        EXPECT_EQ(QtPlatform().openDocument("/opt/qv/Quorvanta Manual.pdf"), opened) << status;
        QFile note(given);
        ASSERT_TRUE(note.open(QIODevice::ReadOnly)) << status;
        EXPECT_EQ(note.readAll(), QByteArray("/opt/qv/Quorvanta Manual.pdf"));
    }
    qputenv("PATH", oldPath);
}

}  // namespace
}  // namespace qv
