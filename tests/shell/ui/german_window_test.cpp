// The window in German: run as a German user runs it (LANG=de_DE.UTF-8, in
// a child process, since the language is the whole process's), its menus
// and controls read German, and the graph files it saves are the same to
// the byte as the English program's.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QProcess>
#include <QTabWidget>
#include <QXmlStreamReader>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "shell/ui/main_window.h"
#include "support/fake_platform.h"
#include "ui/translations.h"

namespace qv {
namespace {

std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::filesystem::path sharedFolder() {
    return std::filesystem::temp_directory_path() / ("qv-german-" + std::to_string(::getpid()));
}

void trigger(MainWindow& w, const char* name) { w.findChild<QAction*>(name)->trigger(); }
void type(MainWindow& w, const char* box, const char* text) { w.findChild<QLineEdit*>(box)->setText(text); }
void click(MainWindow& w, const char* button) { w.findChild<QAbstractButton*>(button)->click(); }

// The same steps in either language, each leaving numbers the program made
// itself in the document: a plotted curve and a found point, an evaluated
// answer in the history, a statistic, data items, a vector.
void buildGraph(MainWindow& w) {
    type(w, "Text8", "cos(z)/3");
    type(w, "Text9", "sin(2*z)");
    type(w, "Text7", "6.25");
    click(w, "Command19");
    type(w, "Text5", "0.5");
    click(w, "Command1");
    w.setMode(Mode::Calculator);
    type(w, "Text13", "1/3");
    click(w, "Command21");
    type(w, "Text13", "2^0.5*1E-20");
    click(w, "Command21");
    w.setMode(Mode::List);
    for (const char* item : {"0.25", "1.5", "-2E+30"}) {
        type(w, "Text26", item);
        click(w, "Command25");
    }
    click(w, "Command34");  // Average
    w.setMode(Mode::Vectors);
    type(w, "Text34(0)", "3");
    type(w, "Text34(1)", "4.5");
    w.setMode(Mode::Parametric);
}

void saveAs(MainWindow& w, FakePlatform& platform, const std::filesystem::path& path) {
    platform.saveAnswers.push_back(path.string());
    trigger(w, "SaveAs");
}

struct Catalogue {
    std::set<QString> translatedSources;  // English texts whose German differs
    int unfinished = 0;
};

// The German file as the translation tools keep it.
Catalogue readCatalogue() {
    Catalogue c;
    QFile file(QStringLiteral(QV_SOURCE_DIR "/translations/quorvanta_de.ts"));
    if (!file.open(QIODevice::ReadOnly)) return c;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("source")) source = xml.readElementText();
        if (xml.name() != QLatin1String("translation")) continue;
        if (xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished")) ++c.unfinished;
        const QString german = xml.readElementText();
        if (!german.isEmpty() && german != source) c.translatedSources.insert(source);
    }
    return c;
}

// Every text of the window a user reads that is still the English of a text
// the German file translates: a caption made without tr(), or looked up
// under another name than the one the tools collected it under.
std::string englishLeft(const MainWindow& w, const Catalogue& c) {
    std::set<QString> shown;
    for (const QAction* a : w.findChildren<QAction*>()) shown.insert(a->text());
    for (const QMenu* m : w.findChildren<QMenu*>()) shown.insert(m->title());
    for (const QAbstractButton* b : w.findChildren<QAbstractButton*>()) shown.insert(b->text());
    for (const QLabel* l : w.findChildren<QLabel*>()) shown.insert(l->text());
    for (const QGroupBox* g : w.findChildren<QGroupBox*>()) shown.insert(g->title());
    for (const QTabWidget* t : w.findChildren<QTabWidget*>()) {
        for (int i = 0; i < t->count(); ++i) shown.insert(t->tabText(i));
    }
    for (const QWidget* widget : w.findChildren<QWidget*>()) {
        shown.insert(widget->accessibleName());
        shown.insert(widget->accessibleDescription());
    }
    std::string left;
    for (const QString& text : shown) {
        if (c.translatedSources.count(text) != 0) left += "\"" + text.toStdString() + "\" ";
    }
    return left;
}

TEST(GermanWindowTest, MenusReadGermanAndSavedFilesAreTheSameAsInEnglish) {
    const std::filesystem::path folder = sharedFolder();
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "config");
    {
        FakePlatform platform;
        platform.folder = (folder / "program").string();
        platform.userConfigFolder = (folder / "config").string();
        MainWindow w(&platform);
        w.show();
        buildGraph(w);
        saveAs(w, platform, folder / "english.gph");
    }
    ASSERT_FALSE(fileBytes(folder / "english.gph").empty());

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("LC_ALL"));
    env.remove(QStringLiteral("LC_MESSAGES"));
    env.remove(QStringLiteral("LC_NUMERIC"));
    env.remove(QStringLiteral("LANGUAGE"));
    env.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
    env.insert(QStringLiteral("QV_GERMAN_FOLDER"), QString::fromStdString(folder.string()));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_also_run_disabled_tests"),
                 QStringLiteral("--gtest_filter=GermanWindowTest.DISABLED_InAGermanEnvironment")});
    ASSERT_TRUE(child.waitForFinished(300000));
    const std::string output = child.readAll().toStdString();
    EXPECT_EQ(child.exitCode(), 0) << output;
    EXPECT_NE(output.find("[  PASSED  ] 1 test"), std::string::npos) << output;

    const std::string english = fileBytes(folder / "english.gph");
    EXPECT_EQ(fileBytes(folder / "german-built.gph"), english);
    EXPECT_EQ(fileBytes(folder / "german-resaved.gph"), english);
    std::filesystem::remove_all(folder);
}

// The half the test above runs in its German child.
TEST(GermanWindowTest, DISABLED_InAGermanEnvironment) {
    const std::filesystem::path folder = qEnvironmentVariable("QV_GERMAN_FOLDER").toStdString();
    ASSERT_FALSE(folder.empty()) << "started on its own, without the English half";
    ASSERT_EQ(QLocale::system().language(), QLocale::German);
    ASSERT_TRUE(installTranslations(*qApp, QLocale::system(), translationFolders()));
    const Catalogue catalogue = readCatalogue();
    ASSERT_GT(catalogue.translatedSources.size(), 100u);
    EXPECT_EQ(catalogue.unfinished, 0);

    FakePlatform platform;
    platform.folder = (folder / "program").string();
    platform.userConfigFolder = (folder / "config").string();
    {
        MainWindow w(&platform);
        w.resize(1800, 900);
        w.show();
        EXPECT_EQ(w.findChild<QMenu*>("File")->title(), QStringLiteral("&Datei"));
        EXPECT_EQ(w.findChild<QAction*>("Open")->text(), QStringLiteral("Ö&ffnen..."));
        for (Mode mode : {Mode::Parametric, Mode::Calculator, Mode::List, Mode::Vectors}) {
            w.setMode(mode);
            QApplication::processEvents();
            EXPECT_EQ(englishLeft(w, catalogue), "") << "mode " << static_cast<int>(mode);
        }
        w.setMode(Mode::Parametric);
        buildGraph(w);
        saveAs(w, platform, folder / "german-built.gph");
    }
    {
        MainWindow w(&platform, {(folder / "english.gph").string()});
        w.show();
        saveAs(w, platform, folder / "german-resaved.gph");
        // A message the core makes speaks German too.
        type(w, "Text5", "");
        platform.answerMessages({MessageAnswer::Ok});
        trigger(w, "Root");
        const char* english = "Please enter a reference number from which to start looking for a root.";
        const std::string german = QCoreApplication::translate("qv::Texts", english).toStdString();
        EXPECT_NE(german, english);
        ASSERT_FALSE(platform.messages.empty());
        EXPECT_EQ(platform.messages.back().text, german);
    }
    std::string unexpected;
    for (const std::string& u : platform.unexpected) unexpected += u + "; ";
    for (const std::string& m : platform.messageTexts()) unexpected += m + "; ";
    EXPECT_TRUE(platform.allAnswersUsed()) << unexpected;
}

}  // namespace
}  // namespace qv
