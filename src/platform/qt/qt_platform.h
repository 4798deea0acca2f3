#pragma once

#include "platform/platform.h"

#include <QColor>
#include <QImage>
#include <QMessageBox>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QFileDialog;
class QPainter;

namespace qv {

// The desktop services through Qt. Dialogs are modal and owned by the
// parent widget given here (normally the main window), so they open centred
// on it and block it while they are up.
//
// The pieces that decide what a dialog looks like or what a value becomes
// are static helpers, so the widget tests can check them without showing a
// modal dialog.
class QtPlatform : public Platform {
public:
    explicit QtPlatform(QWidget* dialogParent = nullptr);

    // The main window may be built after the services it uses.
    void setDialogParent(QWidget* dialogParent);

    MessageAnswer message(const std::string& title, const std::string& text, MessageButtons buttons,
                          MessageIcon icon) override;
    std::optional<std::string> openFileName(const FileDialogRequest& request) override;
    std::optional<std::string> saveFileName(const FileDialogRequest& request) override;
    std::optional<uint32_t> chooseColor(uint32_t initial, CustomColors& customColors) override;
    bool startOwnProgram(const std::vector<std::string>& arguments) override;
    bool openDocument(const std::string& path) override;
    std::vector<std::string> printerNames() override;
    std::string defaultPrinter() override;
    bool print(const PrintRequest& request) override;
    std::string programFolder() override;
    std::string configFolder() override;
    std::vector<std::string> dataFolders() override;
    std::string userDataFolder() override;
    std::string setting(const std::string& key) override;
    void setSetting(const std::string& key, const std::string& value) override;

    // The box message() shows: title and text exactly as given (plain text,
    // never read as markup), the buttons, the icon; the first button is the
    // default and Escape or closing the window answers like Cancel, or like
    // No or Ok where there is no Cancel.
    static std::unique_ptr<QMessageBox> buildMessageBox(QWidget* parent, const std::string& title,
                                                        const std::string& text, MessageButtons buttons,
                                                        MessageIcon icon);
    // The answer for the button that closed the box; NoButton (the box went
    // away without a click) gives the answer of closing it.
    static MessageAnswer answerFor(QMessageBox::StandardButton clicked, MessageButtons buttons);

    // The open or save dialog for a request. The save dialog does not ask
    // before replacing a file: the callers ask their own question.
    static std::unique_ptr<QFileDialog> buildFileDialog(QWidget* parent, const FileDialogRequest& request,
                                                        bool forSaving);
    // "Graph Files (*.gph)|*.GPH|All Files (*.*)|*.*" in Qt's form
    // "Graph Files (*.gph);;All Files (*)". Qt reads the patterns from the
    // parentheses that end each entry, so a description keeps its own list
    // only when that list names the same patterns.
    static QString qtFilter(const std::string& filter);

    // Colours packed as red + 256 * green + 65536 * blue; the top byte of a
    // packed value is ignored.
    static QColor colorFromPacked(uint32_t packed);
    static uint32_t packedFromColor(const QColor& color);

    // The picture of a print request, or a null image when its size and
    // pixel count disagree.
    static QImage imageFromPixels(const PrintRequest& request);
    // Where the picture goes on a page of `dotsPerInch`: its top-left corner
    // 1000 twips from the printable area's corner, at its own size (15 twips
    // to the screen pixel).
    static QRect pictureRect(int dotsPerInch, const QSize& pictureSize);
    static void paintPicture(QPainter& painter, int dotsPerInch, const QImage& picture);

private:
    QPointer<QWidget> parent_;
};

}  // namespace qv
