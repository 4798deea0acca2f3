#pragma once

// How a panel's controls stay views of the document. A bound control writes
// every change of its value, the user's or the program's, into its field of
// the document at once, so that the document is always what the window
// shows and nobody needs to read a control to learn it. Showing a field
// writes it into its control only where they differ, so that a control
// that already shows it sees no change and raises no signal.

#include <string>
#include <utility>
#include <vector>

#include "document/graph_document.h"

class QAbstractButton;
class QLineEdit;

namespace qv {

// The box shows the field, and every later change of the box goes into it.
void bindText(QLineEdit* box, std::string& field);
// The check box (two or three states) shows the field, and every later
// change goes into it.
void bindCheck(QAbstractButton* box, CheckMark& field);
void bindCheck(QAbstractButton* box, bool& field);

void showText(QLineEdit* box, const std::string& text);
void showCheck(QAbstractButton* box, CheckMark mark);

// A panel's boxes and checks with the fields they show, bound or shown
// together.
struct BoundControls {
    std::vector<std::pair<QLineEdit*, std::string*>> texts;
    std::vector<std::pair<QAbstractButton*, CheckMark*>> checks;

    void bind() const;
    void show() const;
};

}  // namespace qv
